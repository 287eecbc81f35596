#include "tetra/DepthOrder.h"

#include "data/ExchangeSortOrder.h"

#include <array>
#include <bit>
#include <cmath>
#include <numeric>

namespace morvane {
namespace {

constexpr std::uint64_t signBit = std::uint64_t{1} << 63;
constexpr int digitBits = 11;
constexpr int digitCount = (64 + digitBits - 1) / digitBits;
constexpr std::uint64_t digitMask = (std::uint64_t{1} << digitBits) - 1;
constexpr std::uint32_t moved = UINT32_MAX;
// How many rows ahead of the one being moved are fetched into the cache.
constexpr int lookAhead = 16;

// Unsigned integers in the order of the doubles they come from (not-a-number excluded); -0 is
// made +0 first, so that equal depths give equal keys.
std::uint64_t orderedBits(double depth) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(depth + 0.0);
    return (bits & signBit) ? ~bits : bits | signBit;
}

template <typename T>
void release(std::vector<T>& buffer) {
    std::vector<T>().swap(buffer);
}

void prefetchRow(const datarow* row) {
    __builtin_prefetch(row);
    __builtin_prefetch(reinterpret_cast<const char*>(row) + 64);
}

} // namespace

void DepthSorter::sortByDepth(Dataset& data) {
    const std::size_t n = static_cast<std::size_t>(std::max(data.anzahl(), 0));
    if (n < 2) {
        return;
    }
    bool hasNaN = false;
    if (collectKeys(data, hasNaN)) {
        return; // no row stands after a row of greater depth: the exchange sort swaps nothing
    }
    if (hasNaN) {
        exactOrder(data);
    } else {
        m_order.resize(n);
        std::iota(m_order.begin(), m_order.end(), 0u);
        radixSort();
        if (hasEqualKeys()) {
            exactOrder(data);
        }
    }
    moveRows(data);
}

// Fills m_keys; true when the rows are already in order (not-a-number depths never compare).
bool DepthSorter::collectKeys(const Dataset& data, bool& hasNaN) {
    const std::size_t n = static_cast<std::size_t>(data.anzahl());
    m_keys.resize(n);
    bool inOrder = true;
    double previous = -INFINITY;
    for (std::size_t i = 0; i < n; ++i) {
        const double depth = data.reihen[i + 1].y;
        if (std::isnan(depth)) {
            hasNaN = true;
            m_keys[i] = 0;
            continue;
        }
        inOrder = inOrder && !(depth < previous);
        previous = depth;
        m_keys[i] = orderedBits(depth);
    }
    return inOrder;
}

// Stable least-significant-digit radix sort of m_keys, carrying m_order along.
void DepthSorter::radixSort() {
    const std::size_t n = m_keys.size();
    std::array<std::array<std::uint32_t, digitMask + 1>, digitCount> counts{};
    for (const std::uint64_t key : m_keys) {
        for (int digit = 0; digit < digitCount; ++digit) {
            ++counts[digit][(key >> (digit * digitBits)) & digitMask];
        }
    }
    m_keysScratch.resize(n);
    m_orderScratch.resize(n);
    for (int digit = 0; digit < digitCount; ++digit) {
        auto& count = counts[static_cast<std::size_t>(digit)];
        const std::uint64_t first = (m_keys[0] >> (digit * digitBits)) & digitMask;
        if (count[first] == n) {
            continue; // every key has this digit: the pass would change nothing
        }
        std::uint32_t offset = 0;
        for (std::uint32_t& bucket : count) {
            const std::uint32_t size = bucket;
            bucket = offset;
            offset += size;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t target = count[(m_keys[i] >> (digit * digitBits)) & digitMask]++;
            m_keysScratch[target] = m_keys[i];
            m_orderScratch[target] = m_order[i];
        }
        m_keys.swap(m_keysScratch);
        m_order.swap(m_orderScratch);
    }
}

bool DepthSorter::hasEqualKeys() const {
    for (std::size_t i = 1; i < m_keys.size(); ++i) {
        if (m_keys[i] == m_keys[i - 1]) {
            return true;
        }
    }
    return false;
}

// Where depths are equal or not a number the order of the exchange sort itself decides.
void DepthSorter::exactOrder(const Dataset& data) {
    // The exact order needs buffers of its own: the radix sort's are given back first, so that
    // a large set with ties never holds both (a million rows: some 20 MB less at the peak).
    release(m_keys);
    release(m_keysScratch);
    release(m_order);
    release(m_orderScratch);
    const std::size_t n = static_cast<std::size_t>(data.anzahl());
    std::vector<double> depths(n);
    for (std::size_t i = 0; i < n; ++i) {
        depths[i] = data.reihen[i + 1].y;
    }
    m_order = exchangeSortOrder(depths);
}

// Follows the cycles of the permutation, moving each row once. The next rows of a cycle are
// fetched ahead: for large sets the rows lie far apart in memory.
void DepthSorter::moveRows(Dataset& data) {
    datarow* rows = data.reihen.data() + 1;
    std::uint32_t* order = m_order.data();
    const std::uint32_t n = static_cast<std::uint32_t>(m_order.size());
    for (std::uint32_t start = 0; start < n; ++start) {
        if (order[start] == moved || order[start] == start) {
            continue;
        }
        const datarow saved = rows[start];
        std::uint32_t position = start;
        std::uint32_t ahead = start;
        for (int i = 0; i < lookAhead && order[ahead] != start; ++i) {
            ahead = order[ahead];
            prefetchRow(&rows[ahead]);
        }
        while (true) {
            const std::uint32_t source = order[position];
            order[position] = moved;
            if (source == start) {
                rows[position] = saved;
                break;
            }
            if (ahead != start && order[ahead] != moved) {
                ahead = order[ahead];
                prefetchRow(&rows[ahead]);
            }
            rows[position] = rows[source];
            position = source;
        }
    }
}

} // namespace morvane
