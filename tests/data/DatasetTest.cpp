#include "data/Dataset.h"

#include <gtest/gtest.h>

namespace morvane {

TEST(Dataset, AddrowDropsRowsWithoutPositiveSampleNumber) {
    Dataset data;
    for (int anr : {3, 0, -2, 7}) {
        datarow row;
        row.anr = anr;
        row.a = 2;
        row.b = 2;
        data.addrow(row);
    }
    ASSERT_EQ(data.anzahl(), 2);
    EXPECT_EQ(data.row(1).anr, 3);
    EXPECT_EQ(data.row(2).anr, 7);
    EXPECT_EQ(data.row(2).RelA, 0.5);  // normalised on adding
    EXPECT_EQ(data.reihen.size(), 3u); // position 0 stays empty
}

struct HeaderCase {
    const char* headline;
    const char* names[4];
};

void PrintTo(const HeaderCase& headerCase, std::ostream* out) {
    *out << headerCase.names[0];
}

class ComponentNames : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(ComponentNames, ComeFromHeaderFieldsTwoToFive) {
    Dataset data;
    data.headline = GetParam().headline;
    data.getmenunames();
    EXPECT_EQ(data.a, GetParam().names[0]);
    EXPECT_EQ(data.b, GetParam().names[1]);
    EXPECT_EQ(data.c, GetParam().names[2]);
    EXPECT_EQ(data.d, GetParam().names[3]);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ComponentNames,
    ::testing::Values(HeaderCase{"Nr\tSiO2\tAl2O3\tFeO\tMgO", {"SiO2", "Al2O3", "FeO", "MgO"}},
                      HeaderCase{"Nr\tSiO2\t\tMgO", {"SiO2", "B", "MgO", "D"}},
                      HeaderCase{"no tabs at all", {"A", "B", "C", "D"}},
                      HeaderCase{"", {"A", "B", "C", "D"}},
                      HeaderCase{"Nr\t a \tb\tc\td\tFarbe\textra", {" a ", "b", "c", "d"}},
                      HeaderCase{"Nr\tx\ty\t", {"x", "y", "C", "D"}}),
    [](const auto& testInfo) { return "Header" + std::to_string(testInfo.index); });

std::vector<double> depthsAfterSort(std::initializer_list<double> ys) {
    Dataset data;
    int anr = 1;
    for (double y : ys) {
        datarow row;
        row.anr = anr++;
        row.y = y;
        data.addrow(row);
    }
    data.sorty();
    std::vector<double> result;
    for (int i = 1; i <= data.anzahl(); ++i) {
        result.push_back(data.row(i).y);
    }
    return result;
}

TEST(Dataset, SortyOrdersByAscendingDepth) {
    EXPECT_EQ(depthsAfterSort({3, 1, 2}), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(depthsAfterSort({}), std::vector<double>{});
    EXPECT_EQ(depthsAfterSort({5}), std::vector<double>{5});
}

TEST(Dataset, SortyMovesWholeRowsAndKeepsTheChangeState) {
    Dataset data;
    for (int anr : {1, 2, 3}) {
        datarow row;
        row.anr = anr;
        row.farbe = anr * 10;
        row.y = -anr;
        data.addrow(row);
    }
    data.changed = 1;
    data.sorty();
    EXPECT_EQ(data.row(1).anr, 3);
    EXPECT_EQ(data.row(1).farbe, 30);
    EXPECT_EQ(data.row(3).anr, 1);
    EXPECT_EQ(data.changed, 1);
}

} // namespace morvane
