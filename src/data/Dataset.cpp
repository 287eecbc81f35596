#include "data/Dataset.h"

#include "data/DepthSorter.h"
#include "data/TabFields.h"

#include <array>
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
    std::array<std::string_view, 5> fields{};
    splitTabFields(headline, fields);
    std::string* const names[] = {&a, &b, &c, &d};
    const char* const defaults[] = {"A", "B", "C", "D"};
    for (std::size_t i = 0; i < 4; ++i) {
        *names[i] = fields[i + 1].empty() ? defaults[i] : std::string(fields[i + 1]);
    }
}

void Dataset::sorty() {
    DepthSorter().sortByDepth(*this);
}

} // namespace morvane
