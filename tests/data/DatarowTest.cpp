#include "data/datarow.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace morvane {

TEST(Datarow, CalcDividesByTheSumOfAllFour) {
    datarow row;
    row.a = 1;
    row.b = 1;
    row.c = 1;
    row.d = 1;
    row.calc();
    EXPECT_EQ(row.RelA, 0.25);
    EXPECT_EQ(row.RelD, 0.25);
}

TEST(Datarow, ZeroSumGivesNaNAndInfinities) {
    datarow zero;
    zero.calc();
    EXPECT_TRUE(std::isnan(zero.RelA) && std::isnan(zero.RelB) && std::isnan(zero.RelC) &&
                std::isnan(zero.RelD));

    datarow opposite;
    opposite.a = 1;
    opposite.b = -1;
    opposite.calc();
    EXPECT_EQ(opposite.RelA, std::numeric_limits<double>::infinity());
    EXPECT_EQ(opposite.RelB, -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(opposite.RelC));
    EXPECT_TRUE(std::isnan(opposite.RelD));
}

TEST(Datarow, UngleichNeedsMoreThanOneHundredthInSomeCoordinate) {
    // Against the origin the difference is the coordinate itself, exactly 0.01 in binary too.
    const datarow origin(0, 0, 0);
    EXPECT_FALSE(origin.ungleich(datarow(0.01, 0, 0)));
    EXPECT_FALSE(origin.ungleich(datarow(-0.01, 0.005, 0.01)));
    EXPECT_TRUE(origin.ungleich(datarow(0, 0, 0.0101)));
    EXPECT_TRUE(origin.ungleich(datarow(-0.0101, 0, 0)));
    EXPECT_TRUE(origin.ungleich(datarow(0, 0.02, 0)));
}

TEST(Datarow, TextWritesSignedTwelveDecimalsJoinedBySlashes) {
    EXPECT_EQ(datarow(0.5, -1, 0).text(), "+0.500000000000 / -1.000000000000 / +0.000000000000");
}

TEST(Datarow, NewRowIsAllZero) {
    const datarow row;
    EXPECT_EQ(row.anr, 0);
    EXPECT_EQ(row.PunktX, 0);
    EXPECT_FALSE(row.verdeckt);
    datarow moved(1, 2, 3);
    moved.nullsetzen();
    EXPECT_FALSE(moved.ungleich(row));
}

} // namespace morvane
