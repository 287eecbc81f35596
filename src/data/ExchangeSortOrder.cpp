#include "data/ExchangeSortOrder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <utility>

namespace morvane {
namespace {

// Fenwick tree of counts over positions 0..size-1.
class CountTree {
public:
    explicit CountTree(std::size_t size) : m_tree(size + 1, 0) {}

    // All positions present once, built in O(n).
    static CountTree full(std::size_t size) {
        CountTree tree(size);
        for (std::size_t i = 1; i <= size; ++i) {
            tree.m_tree[i] += 1;
            const std::size_t parent = i + (i & (~i + 1));
            if (parent <= size) {
                tree.m_tree[parent] += tree.m_tree[i];
            }
        }
        return tree;
    }

    void add(std::size_t position, std::int32_t delta) {
        for (std::size_t i = position + 1; i < m_tree.size(); i += i & (~i + 1)) {
            m_tree[i] += delta;
        }
    }

    // Count of positions < end.
    std::int64_t prefix(std::size_t end) const {
        std::int64_t sum = 0;
        for (std::size_t i = end; i > 0; i -= i & (~i + 1)) {
            sum += m_tree[i];
        }
        return sum;
    }

    // Position of the present element with the given 0-based rank.
    std::size_t nth(std::int64_t rank) const {
        std::size_t position = 0;
        std::size_t step = 1;
        while (step * 2 < m_tree.size()) {
            step *= 2;
        }
        for (; step > 0; step /= 2) {
            const std::size_t next = position + step;
            if (next < m_tree.size() && m_tree[next] <= rank) {
                position = next;
                rank -= m_tree[next];
            }
        }
        return position; // 0-based: the element is at index position
    }

private:
    std::vector<std::int32_t> m_tree;
};

// Stable sort of the rows' keys; small inputs skip the radix passes' fixed cost.
void sortKeys(std::vector<std::uint64_t>& keys, std::vector<std::uint32_t>& order) {
    if (keys.size() < 2048) {
        std::vector<std::uint32_t> positions(keys.size());
        for (std::uint32_t i = 0; i < positions.size(); ++i) {
            positions[i] = i;
        }
        std::stable_sort(positions.begin(), positions.end(),
                         [&](std::uint32_t x, std::uint32_t y) { return keys[x] < keys[y]; });
        std::vector<std::uint64_t> sortedKeys(keys.size());
        std::vector<std::uint32_t> sortedOrder(keys.size());
        for (std::size_t p = 0; p < positions.size(); ++p) {
            sortedKeys[p] = keys[positions[p]];
            sortedOrder[p] = order[positions[p]];
        }
        keys.swap(sortedKeys);
        order.swap(sortedOrder);
        return;
    }
    std::vector<std::uint64_t> keyScratch;
    std::vector<std::uint32_t> orderScratch;
    radixSortByKey(keys, order, keyScratch, orderScratch);
}

// Final order of one group of equal keys; members in original order, smaller rows counted by
// `placed`.
void orderGroup(std::span<const std::uint32_t> members, const CountTree& placed, std::size_t n,
                std::span<std::uint32_t> out) {
    const std::size_t count = members.size();
    std::vector<std::uint32_t> shift(count); // r_j = g_j mod j, stored at j-1
    for (std::size_t j = 0; j < count; ++j) {
        const std::size_t from = members[j] + 1;
        const std::size_t to = j + 1 < count ? members[j + 1] : n;
        const std::int64_t between = placed.prefix(to) - placed.prefix(from);
        shift[j] = static_cast<std::uint32_t>(between % static_cast<std::int64_t>(j + 1));
    }
    // Replay backwards: after step j the first j entries are a rotation of the list of step
    // j-1 followed by m_j, so m_j sits at index j-1-r_j and the rest continues cyclically
    // after it. Slots are assigned through ranks among the still free slots.
    CountTree freeSlots = CountTree::full(count);
    std::size_t start = 0;
    for (std::size_t j = count; j >= 1; --j) {
        const std::size_t rank = (start + (j - 1 - shift[j - 1])) % j;
        const std::size_t slot = freeSlots.nth(static_cast<std::int64_t>(rank));
        out[slot] = members[j - 1];
        freeSlots.add(slot, -1);
        if (j > 1) {
            start = rank % (j - 1);
        }
    }
}

} // namespace

std::uint64_t orderedKey(double key) {
    // Adding +0 turns -0 into +0: the exchange sort sees them as one key.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(key + 0.0);
    return (bits & 0x8000000000000000ULL) != 0 ? ~bits : bits | 0x8000000000000000ULL;
}

void radixSortByKey(std::vector<std::uint64_t>& keys, std::vector<std::uint32_t>& order,
                    std::vector<std::uint64_t>& keyScratch,
                    std::vector<std::uint32_t>& orderScratch) {
    constexpr int digitBits = 11;
    constexpr int digitCount = (64 + digitBits - 1) / digitBits;
    constexpr std::uint64_t digitMask = (std::uint64_t{1} << digitBits) - 1;
    const std::size_t n = keys.size();
    if (n < 2) {
        return;
    }
    // One pass counts every digit; 32-bit counts hold any row count the rows can have.
    std::vector<std::array<std::uint32_t, digitMask + 1>> counts(digitCount);
    for (const std::uint64_t key : keys) {
        for (int digit = 0; digit < digitCount; ++digit) {
            ++counts[static_cast<std::size_t>(digit)][(key >> (digit * digitBits)) & digitMask];
        }
    }
    keyScratch.resize(n);
    orderScratch.resize(n);
    for (int digit = 0; digit < digitCount; ++digit) {
        auto& count = counts[static_cast<std::size_t>(digit)];
        if (count[(keys[0] >> (digit * digitBits)) & digitMask] == n) {
            continue; // every key has this digit: the pass would change nothing
        }
        std::uint32_t offset = 0;
        for (std::uint32_t& bucket : count) {
            offset += std::exchange(bucket, offset);
        }
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t target = count[(keys[i] >> (digit * digitBits)) & digitMask]++;
            keyScratch[target] = keys[i];
            orderScratch[target] = order[i];
        }
        keys.swap(keyScratch);
        order.swap(orderScratch);
    }
}

void orderTiedGroups(std::span<const std::uint64_t> sortedKeys, std::span<std::uint32_t> indices,
                     std::size_t n) {
    CountTree placed(n);
    std::vector<std::uint32_t> members;
    for (std::size_t groupStart = 0; groupStart < sortedKeys.size();) {
        std::size_t groupEnd = groupStart + 1;
        while (groupEnd < sortedKeys.size() && sortedKeys[groupEnd] == sortedKeys[groupStart]) {
            ++groupEnd;
        }
        const std::span<std::uint32_t> group = indices.subspan(groupStart, groupEnd - groupStart);
        if (group.size() > 1) {
            members.assign(group.begin(), group.end());
            orderGroup(members, placed, n, group);
        }
        for (const std::uint32_t member : group) {
            placed.add(member, 1);
        }
        groupStart = groupEnd;
    }
}

std::vector<std::uint32_t> exchangeSortOrder(std::span<const double> keys) {
    const std::size_t n = keys.size();
    std::vector<std::uint32_t> order(n);
    std::vector<std::uint32_t> livePositions;
    std::vector<std::uint64_t> sortedKeys;
    livePositions.reserve(n);
    sortedKeys.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        order[i] = static_cast<std::uint32_t>(i);
        if (!std::isnan(keys[i])) {
            livePositions.push_back(static_cast<std::uint32_t>(i));
            sortedKeys.push_back(orderedKey(keys[i]));
        }
    }
    // Sorted stably, equal keys stay in original order: each group lists m1..mK as required.
    std::vector<std::uint32_t> sortedIndices = livePositions;
    sortKeys(sortedKeys, sortedIndices);

    orderTiedGroups(sortedKeys, sortedIndices, n);
    for (std::size_t p = 0; p < livePositions.size(); ++p) {
        order[livePositions[p]] = sortedIndices[p];
    }
    return order;
}

} // namespace morvane
