#include "data/DepthSorter.h"

#include "data/ExchangeSortOrder.h"

#include <cmath>
#include <numeric>

namespace morvane {

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
        radixSortByKey(m_keys, m_order, m_keysScratch, m_orderScratch);
        if (hasEqualKeys()) {
            orderTiedGroups(m_keys, m_order, n);
        }
    }
    applyOrder<datarow>(m_order, data.reihen.data() + 1);
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
        m_keys[i] = orderedKey(depth);
    }
    return inOrder;
}

bool DepthSorter::hasEqualKeys() const {
    for (std::size_t i = 1; i < m_keys.size(); ++i) {
        if (m_keys[i] == m_keys[i - 1]) {
            return true;
        }
    }
    return false;
}

// Not-a-number depths stay where they are, which the exact order of the exchange sort handles.
// The radix buffers are given back first: the exact order needs room of its own.
void DepthSorter::exactOrder(const Dataset& data) {
    m_keysScratch = {};
    m_orderScratch = {};
    const std::size_t n = static_cast<std::size_t>(data.anzahl());
    std::vector<double> depths(n);
    for (std::size_t i = 0; i < n; ++i) {
        depths[i] = data.reihen[i + 1].y;
    }
    m_order = exchangeSortOrder(depths);
}

} // namespace morvane
