#include "ternary/TriangleGeometry.h"

#include "data/datarow.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace morvane::ternary {
namespace {

struct LayoutCase {
    int width;
    int height;
    double s;
    double x0;
    double yt;
    double yb;
};

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, SideFromTheSmallerSizeBaseAtPoint866OfIt) {
    const LayoutCase& expected = GetParam();
    const TriangleLayout layout = triangleLayout(expected.width, expected.height);
    EXPECT_DOUBLE_EQ(layout.s, expected.s);
    EXPECT_DOUBLE_EQ(layout.x0, expected.x0);
    EXPECT_DOUBLE_EQ(layout.yt, expected.yt);
    EXPECT_DOUBLE_EQ(layout.yb, expected.yb);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Layout,
    ::testing::Values(LayoutCase{625, 449, 349, 138, 50, 352.234},   // the window's canvas
                      LayoutCase{637, 486, 386, 125.5, 50, 384.276}, // x0 keeps its half
                      LayoutCase{300, 500, 200, 50, 150, 323.2},     // width decides
                      LayoutCase{1875, 1347, 1247, 314, 50, 1129.902}),
    [](const auto& testInfo) {
        return std::to_string(testInfo.param.width) + "x" + std::to_string(testInfo.param.height);
    });

datarow rowOf(double a, double b, double c, double d) {
    datarow row;
    row.a = a;
    row.b = b;
    row.c = c;
    row.d = d;
    return row;
}

struct FaceCase {
    int face;
    double px;
    double py;
};

class PointOnFace : public ::testing::TestWithParam<FaceCase> {};

// Row 1, 2, 3, 4 on the 625 x 449 layout (s 349, x0 138, yb 352.234); u is half the right
// minus left percentage plus 50, t the top percentage, raised by sin(10.47198) = -0.86602765.
TEST_P(PointOnFace, PlacedByRightMinusLeftAndTopShares) {
    const FacePoint point = facePoint(rowOf(1, 2, 3, 4), GetParam().face, triangleLayout(625, 449));
    EXPECT_TRUE(point.placeable);
    EXPECT_NEAR(point.px, GetParam().px, 1e-9);
    EXPECT_NEAR(point.py, GetParam().py, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Faces, PointOnFace,
                         ::testing::Values(
                             // ABC: left 1, right 2, top 3 of 6: u 58.33, t 50
                             FaceCase{0, 341.58333333333337, 201.1121754601689},
                             // BCD: left 2, right 3, top 4 of 9: u 55.56, t 44.44
                             FaceCase{1, 331.8888888888889, 217.90348929792793},
                             // CDA: left A 1, right C 3, top 4 of 8: u 62.5, t 50
                             FaceCase{2, 356.125, 201.1121754601689},
                             // DAB: left A 1, right B 2, top 4 of 7: u 57.14, t 57.14
                             FaceCase{3, 337.42857142857144, 179.5233433830502}),
                         [](const auto& testInfo) {
                             return "Face" + std::to_string(testInfo.param.face);
                         });

TEST(PointOnFace, PureComponentsLieOnTheCorners) {
    const TriangleLayout layout = triangleLayout(625, 449);
    const FacePoint left = facePoint(rowOf(5, 0, 0, 9), 0, layout);
    const FacePoint right = facePoint(rowOf(0, 5, 0, 9), 0, layout);
    const FacePoint top = facePoint(rowOf(0, 0, 5, 9), 0, layout);
    EXPECT_DOUBLE_EQ(left.px, 138);
    EXPECT_DOUBLE_EQ(left.py, 352.234);
    EXPECT_DOUBLE_EQ(right.px, 487);
    EXPECT_DOUBLE_EQ(right.py, 352.234);
    EXPECT_DOUBLE_EQ(top.px, 312.5);
    // The apex by the sine factor lies a hair below yt = 50 (0.86602765 against 0.866).
    EXPECT_NEAR(top.py, 49.9904, 1e-4);
}

TEST(PointOnFace, ScaleOfTheValuesDoesNotMatter) {
    const TriangleLayout layout = triangleLayout(625, 449);
    const FacePoint small = facePoint(rowOf(1, 2, 3, 0), 0, layout);
    const FacePoint large = facePoint(rowOf(1e6, 2e6, 3e6, 0), 0, layout);
    EXPECT_NEAR(small.px, large.px, 1e-9);
    EXPECT_NEAR(small.py, large.py, 1e-9);
}

TEST(PointOnFace, OnlyAPositiveSumIsPlaceable) {
    const TriangleLayout layout = triangleLayout(625, 449);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(facePoint(rowOf(0, 0, 0, 7), 0, layout).placeable);
    EXPECT_FALSE(facePoint(rowOf(1, -1, 0, 7), 0, layout).placeable);
    EXPECT_FALSE(facePoint(rowOf(1, -3, 1, 7), 0, layout).placeable);
    EXPECT_FALSE(facePoint(rowOf(nan, 1, 1, 7), 0, layout).placeable);
    EXPECT_FALSE(facePoint(rowOf(1, 1, 1, 1), 7, layout).placeable); // no such face
    // The face decides which component is left out.
    EXPECT_TRUE(facePoint(rowOf(0, 0, 0, 7), 1, layout).placeable);
}

TEST(PointOnFace, NegativeComponentLiesOutsideTheTriangle) {
    // -1, 1, 1: left -100 %, right 100 %, top 100 %: u = 150, right of the right corner.
    const FacePoint point = facePoint(rowOf(-1, 1, 1, 0), 0, triangleLayout(625, 449));
    EXPECT_TRUE(point.placeable);
    EXPECT_DOUBLE_EQ(point.px, 661.5);
    EXPECT_NEAR(point.py, 49.9904, 1e-4);
}

TEST(WholePixel, TruncatesTowardZeroAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(wholePixel(12.9), 12);
    EXPECT_EQ(wholePixel(-12.9), -12);
    EXPECT_EQ(wholePixel(2147483647.5), 2147483647);
    EXPECT_EQ(wholePixel(-2147483648.9), -2147483647 - 1);
    EXPECT_EQ(wholePixel(2147483648.0), std::nullopt);
    EXPECT_EQ(wholePixel(-2147483649.0), std::nullopt);
    EXPECT_EQ(wholePixel(1e300), std::nullopt);
    EXPECT_EQ(wholePixel(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(wholePixel(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(DotBoxes, NothingWhenTheCentreCannotBeConverted) {
    EXPECT_FALSE(dotBoxes(std::numeric_limits<double>::quiet_NaN(), 10, 12));
    EXPECT_FALSE(dotBoxes(10, std::numeric_limits<double>::infinity(), 12));
    EXPECT_FALSE(dotBoxes(3e9, 10, 12));
    // The centre fits, the box corner does not.
    EXPECT_FALSE(dotBoxes(-2147483640.0, 10, 100));
    EXPECT_TRUE(dotBoxes(-2147483640.0, 10, 0));
    // A huge diameter is no overflow: its half still fits.
    const auto huge = dotBoxes(0, 0, std::numeric_limits<std::int32_t>::max());
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->frameX, -1073741823);
    const auto negative = dotBoxes(0, 0, std::numeric_limits<std::int32_t>::min());
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->fillSize, 0);
    EXPECT_EQ(negative->frameSize, 0);
}

} // namespace
} // namespace morvane::ternary
