#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace morvane {

// Splits a line at tab characters into its first `count` fields; fields beyond the end of the
// line are left as they are (empty when the array was). Returns how many fields the line has,
// counted up to count + 1, which is enough to tell "more than count".
template <std::size_t count>
std::size_t splitTabFields(std::string_view line, std::array<std::string_view, count>& fields) {
    std::size_t found = 0;
    std::size_t start = 0;
    while (found < count) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields[found++] = line.substr(start);
            return found;
        }
        fields[found++] = line.substr(start, tab - start);
        start = tab + 1;
    }
    return found + 1;
}

} // namespace morvane
