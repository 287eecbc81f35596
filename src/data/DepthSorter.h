#pragma once

#include "data/Dataset.h"

#include <cstdint>
#include <vector>

namespace morvane {

// Sorts the rows of a data set by ascending depth y into exactly the order of the classic
// exchange sort (ties and not-a-number depths included), by the cheapest way that is exact:
// - rows already in order (a redraw at the same angles) are found so in one pass and left;
// - otherwise the depths are radix sorted in O(n); without equal depths every correct sort gives
//   the one permutation, and runs of equal depths are rearranged as the exchange sort leaves them;
// - not-a-number depths go the way of exchangeSortOrder, O(n log n).
// The rows are then moved into place, each once. The buffers are kept, so a sorter that lives
// from drawing to drawing allocates nothing once they have grown to the data set's size.
class DepthSorter {
public:
    void sortByDepth(Dataset& data);

private:
    bool collectKeys(const Dataset& data, bool& hasNaN);
    bool hasEqualKeys() const;
    void exactOrder(const Dataset& data);

    std::vector<std::uint64_t> m_keys; // depth bits, ordered like the depths
    std::vector<std::uint64_t> m_keysScratch;
    std::vector<std::uint32_t> m_order; // position p receives the row that stood at m_order[p]
    std::vector<std::uint32_t> m_orderScratch;
};

} // namespace morvane
