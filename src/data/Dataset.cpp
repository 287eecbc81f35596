#include "data/Dataset.h"

#include "data/DepthSorter.h"

#include <string_view>

namespace morvane {

void Dataset::addrow(const datarow& row) {
    if (row.anr <= 0) {
        return;
    }
    reihen.push_back(row);
    reihen.back().calc();
}

void Dataset::getmenunames() {
    std::string* const names[] = {&a, &b, &c, &d};
    const char* const defaults[] = {"A", "B", "C", "D"};
    std::string_view rest(headline);
    for (int field = 1; field <= 5; ++field) {
        const std::size_t tab = rest.find('\t');
        const std::string_view text = rest.substr(0, tab);
        if (field >= 2) {
            *names[field - 2] = text.empty() ? defaults[field - 2] : std::string(text);
        }
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
        if (tab == std::string_view::npos) {
            for (int missing = field + 1; missing <= 5; ++missing) {
                if (missing >= 2) {
                    *names[missing - 2] = defaults[missing - 2];
                }
            }
            break;
        }
    }
}

void Dataset::sorty() {
    DepthSorter().sortByDepth(*this);
}

} // namespace morvane
