#pragma once

#include "data/Dataset.h"

#include <cstdint>
#include <vector>

namespace morvane {

// Sorts the rows of a data set by ascending depth y into exactly the order of Dataset::sorty,
// the classic exchange sort's (ties and not-a-number depths included), faster:
// - rows already in order (a redraw at the same angles) are found so in one pass and left;
// - without equal or not-a-number depths every correct sort gives the one permutation, found
//   with a radix sort in O(n);
// - otherwise the exact O(n log n) order of exchangeSortOrder is used.
// The rows are then moved into place in O(n) moves. Without ties the buffers are kept between
// drawings, so such a drawing allocates nothing once they have grown to the data set's size.
class DepthSorter {
public:
    void sortByDepth(Dataset& data);

private:
    bool collectKeys(const Dataset& data, bool& hasNaN);
    void radixSort();
    bool hasEqualKeys() const;
    void exactOrder(const Dataset& data);
    void moveRows(Dataset& data);

    std::vector<std::uint64_t> m_keys; // depth bits, ordered like the depths
    std::vector<std::uint64_t> m_keysScratch;
    std::vector<std::uint32_t> m_order; // position p receives the row that stood at m_order[p]
    std::vector<std::uint32_t> m_orderScratch;
};

} // namespace morvane
