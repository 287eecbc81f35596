#pragma once

#include <cstdint>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

namespace morvane {

// The permutation that the classic exchange sort
//     for i in 0..n-2: for j in i+1..n-1: if key[j] < key[i]: swap(i, j)
// produces, computed in O(n log n). Result: order[p] is the original index of the element that
// ends at position p. NaN keys never move (every comparison with NaN is false); -0 and +0 are
// one key.
//
// How: rows with equal keys are placed group by group in ascending key order. One pass of the
// exchange sort moves each element of the chain of "next strictly smaller" elements over the
// block behind it, so for a key v only rows with keys <= v influence where the v-rows go; among
// those, every pass deletes the first smaller row and rotates the leading run of v-rows left by
// one. For a group m1..mK (original order) with g_j smaller rows between m_j and m_j+1 (g_K:
// after m_K), the final order is m1..mK after rotating, for j = 1..K in turn, the first j
// entries left by g_j mod j. The rotations are replayed backwards with an order-statistics tree.
std::vector<std::uint32_t> exchangeSortOrder(std::span<const double> keys);

// Rearranges [first, first + order.size()) so that position p receives the element that stood
// at order[p]. In place, by following cycles; O(n) moves.
template <typename RandomIt>
void applyOrder(std::vector<std::uint32_t> order, RandomIt first) {
    constexpr std::uint32_t done = UINT32_MAX;
    for (std::uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == done || order[start] == start) {
            continue;
        }
        auto saved = std::move(first[start]);
        std::uint32_t position = start;
        while (true) {
            const std::uint32_t source = order[position];
            order[position] = done;
            if (source == start) {
                first[position] = std::move(saved);
                break;
            }
            first[position] = std::move(first[source]);
            position = source;
        }
    }
}

} // namespace morvane
