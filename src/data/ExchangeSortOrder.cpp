#include "data/ExchangeSortOrder.h"

#include <algorithm>
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

// A key mapped to an unsigned integer with the same order (-0 already folded into +0), and the
// row it belongs to.
struct Keyed {
    std::uint64_t key;
    std::uint32_t index;
};

std::uint64_t orderedBits(double key) {
    // Adding +0 turns -0 into +0: the exchange sort sees them as one key.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(key + 0.0);
    return (bits & 0x8000000000000000ULL) != 0 ? ~bits : bits | 0x8000000000000000ULL;
}

// Stable LSD radix sort by key, 11 bits a pass; passes in which every key has the same digit
// are skipped (depths share their leading bits). Stability keeps equal keys in index order.
void radixSort(std::vector<Keyed>& items) {
    constexpr int digitBits = 11;
    constexpr std::size_t bucketCount = std::size_t{1} << digitBits;
    std::vector<Keyed> buffer(items.size());
    std::vector<std::size_t> counts(bucketCount);
    for (int shift = 0; shift < 64; shift += digitBits) {
        std::fill(counts.begin(), counts.end(), 0);
        for (const Keyed& item : items) {
            ++counts[(item.key >> shift) & (bucketCount - 1)];
        }
        if (std::find(counts.begin(), counts.end(), items.size()) != counts.end()) {
            continue;
        }
        std::size_t offset = 0;
        for (std::size_t& count : counts) {
            offset += std::exchange(count, offset);
        }
        for (const Keyed& item : items) {
            buffer[counts[(item.key >> shift) & (bucketCount - 1)]++] = item;
        }
        items.swap(buffer);
    }
}

void sortByKeyThenIndex(std::vector<Keyed>& items) {
    if (items.size() < 2048) {
        std::sort(items.begin(), items.end(), [](const Keyed& x, const Keyed& y) {
            return x.key < y.key || (x.key == y.key && x.index < y.index);
        });
    } else {
        radixSort(items);
    }
}

// Final order of one group of equal keys; members in original order, smaller rows counted by
// `placed`.
void orderGroup(std::span<const Keyed> members, const CountTree& placed, std::size_t n,
                std::span<std::uint32_t> out) {
    const std::size_t count = members.size();
    std::vector<std::uint32_t> shift(count); // r_j = g_j mod j, stored at j-1
    for (std::size_t j = 0; j < count; ++j) {
        const std::size_t from = members[j].index + 1;
        const std::size_t to = j + 1 < count ? members[j + 1].index : n;
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
        out[slot] = members[j - 1].index;
        freeSlots.add(slot, -1);
        if (j > 1) {
            start = rank % (j - 1);
        }
    }
}

} // namespace

std::vector<std::uint32_t> exchangeSortOrder(std::span<const double> keys) {
    const std::size_t n = keys.size();
    std::vector<std::uint32_t> order(n);
    std::vector<std::uint32_t> livePositions;
    std::vector<Keyed> sorted;
    livePositions.reserve(n);
    sorted.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        order[i] = static_cast<std::uint32_t>(i);
        if (!std::isnan(keys[i])) {
            livePositions.push_back(static_cast<std::uint32_t>(i));
            sorted.push_back({orderedBits(keys[i]), static_cast<std::uint32_t>(i)});
        }
    }
    sortByKeyThenIndex(sorted);

    std::vector<std::uint32_t> placedOrder(sorted.size());
    const bool hasTies = std::adjacent_find(sorted.begin(), sorted.end(), [](auto& x, auto& y) {
                             return x.key == y.key;
                         }) != sorted.end();
    if (!hasTies) {
        for (std::size_t p = 0; p < sorted.size(); ++p) {
            placedOrder[p] = sorted[p].index;
        }
    } else {
        CountTree placed(n);
        for (std::size_t groupStart = 0; groupStart < sorted.size();) {
            std::size_t groupEnd = groupStart + 1;
            while (groupEnd < sorted.size() && sorted[groupEnd].key == sorted[groupStart].key) {
                ++groupEnd;
            }
            const std::span<const Keyed> group(sorted.data() + groupStart, groupEnd - groupStart);
            const std::span<std::uint32_t> out(placedOrder.data() + groupStart, group.size());
            if (group.size() == 1) {
                out[0] = group[0].index;
            } else {
                orderGroup(group, placed, n, out);
            }
            for (const Keyed& member : group) {
                placed.add(member.index, 1);
            }
            groupStart = groupEnd;
        }
    }
    for (std::size_t p = 0; p < livePositions.size(); ++p) {
        order[livePositions[p]] = placedOrder[p];
    }
    return order;
}

} // namespace morvane
