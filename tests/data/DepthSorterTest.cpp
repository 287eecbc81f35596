#include "data/DepthSorter.h"

#include "support/PlainExchangeSort.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace morvane {

// The sorter on depths given directly: distinct depths (radix path), many ties, not-a-number,
// signed zeros, infinities, sequences already in order with not-a-number in between, and
// distinct depths with a single not-a-number.
TEST(DepthSorter, SorterMatchesThePlainExchangeSortOnEveryKindOfDepth) {
    std::mt19937 random(77);
    const double specials[] = {std::nan(""), -0.0, 0.0, std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity()};
    DepthSorter sorter; // reused, as a model reuses it from drawing to drawing
    for (int round = 0; round < 500; ++round) {
        const int kind = round % 5;
        const int count = std::uniform_int_distribution<int>(0, 300)(random);
        Dataset data;
        std::vector<std::pair<double, int>> keyed;
        for (int anr = 1; anr <= count; ++anr) {
            datarow row;
            row.anr = anr;
            if (kind == 0) {
                row.y = std::uniform_real_distribution<double>(-2, 2)(random);
            } else if (kind == 1) {
                row.y = std::uniform_int_distribution<int>(-3, 3)(random) * 0.25;
            } else if (kind == 2) {
                const bool special = std::uniform_int_distribution<int>(0, 4)(random) == 0;
                row.y = special ? specials[std::uniform_int_distribution<int>(0, 4)(random)]
                                : std::uniform_int_distribution<int>(-3, 3)(random) * 0.5;
            } else if (kind == 3) {
                const bool special = std::uniform_int_distribution<int>(0, 5)(random) == 0;
                row.y = special ? std::nan("") : anr * 0.001;
            } else {
                row.y = anr == count / 2 ? std::nan("")
                                         : std::uniform_real_distribution<double>(-2, 2)(random);
            }
            data.reihen.push_back(row);
            keyed.emplace_back(row.y, anr);
        }
        Dataset reference = data;
        reference.sorty();
        sorter.sortByDepth(data);
        const std::vector<int> expected = test::exchangeSorted(keyed);
        std::vector<int> actual;
        for (std::int32_t i = 1; i <= data.anzahl(); ++i) {
            actual.push_back(data.row(i).anr);
            ASSERT_EQ(data.row(i).anr, reference.row(i).anr);
        }
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

} // namespace morvane
