#pragma once

#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace morvane::test {

// The classic exchange sort, run as written: the reference for every faster depth sort.
// Returns the original indices in their final order.
inline std::vector<std::uint32_t> plainExchangeSort(const std::vector<double>& keys) {
    std::vector<std::uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[order[j]] < keys[order[i]]) {
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}

// The same on (depth, sample number) pairs: the sample numbers in final order.
inline std::vector<int> exchangeSorted(const std::vector<std::pair<double, int>>& rows) {
    std::vector<double> keys;
    for (const auto& row : rows) {
        keys.push_back(row.first);
    }
    std::vector<int> numbers;
    for (const std::uint32_t index : plainExchangeSort(keys)) {
        numbers.push_back(rows[index].second);
    }
    return numbers;
}

} // namespace morvane::test
