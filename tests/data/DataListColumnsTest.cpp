#include "data/DataListColumns.h"

#include "data/MeasurementFile.h"

#include <gtest/gtest.h>

namespace morvane {

TEST(DataListColumns, HeadingsUseTheComponentNames) {
    const auto data = MeasurementFile::parse("Nr\tSiO2\tAl2O3\tFeO\tMgO\n");
    std::vector<std::string> headings;
    for (int column = 0; column < DataListColumns::allColumnCount; ++column) {
        headings.push_back(DataListColumns::heading(*data, column));
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"Anr", "SiO2", "Al2O3", "FeO", "MgO", "Farbe",
                                                  "nSiO2", "nAl2O3", "nFeO", "nMgO", "Summe"}));
}

TEST(DataListColumns, CellsOfAnEvenRowAndOfAZeroRow) {
    const auto data = MeasurementFile::parse("h\n12\t1\t1\t1\t1\t9\n13\t0\t0\t0\t0\t3\n");
    std::vector<std::string> even;
    std::vector<std::string> zero;
    for (int column = 0; column < DataListColumns::allColumnCount; ++column) {
        even.push_back(DataListColumns::cell(data->row(1), column));
        zero.push_back(DataListColumns::cell(data->row(2), column));
    }
    EXPECT_EQ(even, (std::vector<std::string>{"12", "1,00", "1,00", "1,00", "1,00", "9", "25,0",
                                              "25,0", "25,0", "25,0", "100"}));
    EXPECT_EQ(zero, (std::vector<std::string>{"13", "0,00", "0,00", "0,00", "0,00", "3", "n.d.",
                                              "n.d.", "n.d.", "n.d.", "n.d."}));
}

} // namespace morvane
