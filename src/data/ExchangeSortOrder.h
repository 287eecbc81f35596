#pragma once

#include <cstdint>
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

// The step of exchangeSortOrder after sorting, for callers that hold the keys already: indices
// are the original positions (0..n-1) of not-NaN keys sorted stably by their orderedKey values
// (sortedKeys); each run of equal keys is rearranged in place into the exchange sort's order.
void orderTiedGroups(std::span<const std::uint64_t> sortedKeys, std::span<std::uint32_t> indices,
                     std::size_t n);

// An unsigned integer with the order of the (not-NaN) double; -0 and +0 give the same key.
std::uint64_t orderedKey(double key);

// Stable least-significant-digit radix sort of keys, carrying order along; equal keys keep
// their relative order. Passes in which all keys share a digit are skipped. The scratch
// vectors are working space that callers may keep between calls.
void radixSortByKey(std::vector<std::uint64_t>& keys, std::vector<std::uint32_t>& order,
                    std::vector<std::uint64_t>& keyScratch,
                    std::vector<std::uint32_t>& orderScratch);

// Rearranges [first, first + order.size()) so that position p receives the element that stood
// at order[p]. In place, following cycles, each element moved once; the elements further along
// a cycle are fetched into the cache ahead of time, since for large arrays they lie far apart.
// `order` is used up.
template <typename T>
void applyOrder(std::span<std::uint32_t> order, T* first) {
    constexpr std::uint32_t done = UINT32_MAX;
    constexpr int lookAhead = 16;
    const auto n = static_cast<std::uint32_t>(order.size());
    for (std::uint32_t start = 0; start < n; ++start) {
        if (order[start] == done || order[start] == start) {
            continue;
        }
        T saved = std::move(first[start]);
        std::uint32_t position = start;
        std::uint32_t ahead = start;
        for (int i = 0; i < lookAhead && order[ahead] != start; ++i) {
            ahead = order[ahead];
            __builtin_prefetch(&first[ahead]);
        }
        while (true) {
            const std::uint32_t source = order[position];
            order[position] = done;
            if (source == start) {
                first[position] = std::move(saved);
                break;
            }
            if (ahead != start && order[ahead] != done) {
                ahead = order[ahead];
                __builtin_prefetch(&first[ahead]);
            }
            first[position] = std::move(first[source]);
            position = source;
        }
    }
}

} // namespace morvane
