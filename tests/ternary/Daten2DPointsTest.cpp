// The data points of the triangle diagram on the window's canvas of 625 x 449 (s 349, x0 138,
// yb 352.234).
#include "draw/RecordingGraphics.h"
#include "ternary/Daten2D.h"
#include "ternary/TernaryTestSupport.h"

#include <gtest/gtest.h>
#include <limits>

namespace morvane {
namespace {

using test::datasetOf;
using test::indexOf;
using test::RowValues;
using test::slice;

// The calls of the point loop: after the credit line, up to the corner labels.
std::vector<std::string> pointCalls(const RecordingGraphics& g) {
    std::size_t credit = 0;
    for (std::size_t i = 0; i < g.calls.size(); ++i) {
        if (g.calls[i].find(Daten2D::creditLine) != std::string::npos) {
            credit = i;
        }
    }
    const std::size_t labels = indexOf(g.calls, "TextSize 18", credit);
    return slice(g.calls, credit + 1, labels);
}

std::vector<std::string> ovals(const RecordingGraphics& g) {
    std::vector<std::string> found;
    for (const std::string& call : g.calls) {
        if (call.starts_with("FillOval ") || call.starts_with("DrawOval ")) {
            found.push_back(call);
        }
    }
    return found;
}

struct FacePointCase {
    int face;
    const char* fill;
    const char* frame;
    std::int32_t punktX;
    double punktY;
};

class DotOnFace : public ::testing::TestWithParam<FacePointCase> {};

// Row 1, 2, 3, 4 in colour 9 (red), kreisdicke 12: a disc of 10 at (px - 5, py - 5) in red, then
// a black ring of 12 at (px - 6, py - 6); the truncated px and the real py are stored.
TEST_P(DotOnFace, DiscAndRingAtTheFacesSharesAndPositionStored) {
    Daten2D model;
    model.data = datasetOf({{1, 2, 3, 4, 9}});
    model.which = GetParam().face;
    RecordingGraphics g(625, 449);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(pointCalls(g),
              (std::vector<std::string>{"ForeColor 255,0,0", GetParam().fill, "ForeColor 0,0,0",
                                        GetParam().frame, "ForeColor 0,0,0"}));
    EXPECT_EQ(model.data->row(1).PunktX, GetParam().punktX);
    EXPECT_NEAR(model.data->row(1).PunktY, GetParam().punktY, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, DotOnFace,
    ::testing::Values(FacePointCase{0, "FillOval 336,196,10,10", "DrawOval 335,195,12,12", 341,
                                    201.1121754601689},
                      FacePointCase{1, "FillOval 326,212,10,10", "DrawOval 325,211,12,12", 331,
                                    217.90348929792793},
                      FacePointCase{2, "FillOval 351,196,10,10", "DrawOval 350,195,12,12", 356,
                                    201.1121754601689},
                      FacePointCase{3, "FillOval 332,174,10,10", "DrawOval 331,173,12,12", 337,
                                    179.5233433830502}),
    [](const auto& testInfo) { return "Face" + std::to_string(testInfo.param.face); });

struct DiameterCase {
    std::int32_t kreisdicke;
    std::vector<std::string> ovals;
};

class Diameter : public ::testing::TestWithParam<DiameterCase> {};

// A pure-A row sits on the left corner (138, 352.234).
TEST_P(Diameter, DiscTwoSmallerThanTheRingAndNothingBelowOne) {
    Daten2D model;
    model.data = datasetOf({{7, 0, 0, 0, 2}});
    model.kreisdicke = GetParam().kreisdicke;
    RecordingGraphics g(625, 449);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(ovals(g), GetParam().ovals);
    // The position is stored even when no dot is drawn.
    EXPECT_EQ(model.data->row(1).PunktX, 138);
    EXPECT_DOUBLE_EQ(model.data->row(1).PunktY, 352.234);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Diameter,
    ::testing::Values(DiameterCase{12, {"FillOval 133,347,10,10", "DrawOval 132,346,12,12"}},
                      DiameterCase{7, {"FillOval 136,350,5,5", "DrawOval 135,349,7,7"}},
                      DiameterCase{3, {"FillOval 138,352,1,1", "DrawOval 137,351,3,3"}},
                      DiameterCase{2, {"DrawOval 137,351,2,2"}}, DiameterCase{0, {}},
                      DiameterCase{-4, {}},
                      DiameterCase{std::numeric_limits<std::int32_t>::min(), {}}),
    [](const auto& testInfo) { return "Case" + std::to_string(testInfo.index); });

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(Points, RowsThatCannotBePlacedDrawNothingAndKeepTheirPosition) {
    Daten2D model;
    model.data = datasetOf({
        {0, 0, 0, 5, 1},                // sum 0 (D is not on face ABC)
        {1, -1, 0, 5, 1},               // sum 0
        {2, -5, 1, 0, 1},               // negative sum
        {nan, 1, 1, 0, 1},              // no number
        {1e308, 1e308, 1, 0, 1},        // the sum overflows: shares are not numbers
        {infinity, 1, 1, 0, 1},         // infinite component
        {-1e15, 1e15 + 1, 0, 0, 1},     // sum 1, but a thousand billion pixels away
        {1e-320, 1e-320, 1e-320, 0, 1}, // subnormal but positive: placeable
    });
    for (std::int32_t i = 1; i <= model.data->anzahl(); ++i) {
        model.data->row(i).PunktX = -7;
        model.data->row(i).PunktY = -7.5;
    }
    RecordingGraphics g(625, 449);
    model.draw(nullptr, g, 1);
    for (std::int32_t i = 1; i < model.data->anzahl(); ++i) {
        EXPECT_EQ(model.data->row(i).PunktX, -7) << "row " << i;
        EXPECT_EQ(model.data->row(i).PunktY, -7.5) << "row " << i;
    }
    // Only the last row is drawn: in the middle of the triangle.
    EXPECT_EQ(ovals(g).size(), 2u);
    EXPECT_EQ(model.data->row(8).PunktX, 312);
}

TEST(Points, DataSetWithoutPlaceableRowsStillDrawsTriangleAndLabels) {
    Daten2D model;
    model.data = datasetOf({{0, 0, 0, 1, 9}, {0, 0, 0, 2, 9}}, "P", "Q", "R");
    RecordingGraphics g(625, 449);
    model.draw(nullptr, g, 1);
    EXPECT_TRUE(ovals(g).empty());
    EXPECT_EQ(g.callsStartingWith("DrawLine").size(), 30u);
    // The labels are black, not the colour of the undrawn last row.
    const std::size_t labels = indexOf(g.calls, "TextSize 18");
    ASSERT_LT(labels, g.calls.size());
    EXPECT_EQ(g.calls[labels - 1], "ForeColor 0,0,0");
    EXPECT_LT(indexOf(g.calls, "DrawString \"R\" 308,35"), g.calls.size());
}

TEST(Points, NegativeComponentIsDrawnOutsideTheTriangle) {
    Daten2D model;
    model.data = datasetOf({{-1, 1, 1, 0, 12}});
    RecordingGraphics g(625, 449);
    model.draw(nullptr, g, 1);
    // u = 150: right of the right corner (487), at the apex height; no clipping.
    EXPECT_EQ(ovals(g),
              (std::vector<std::string>{"FillOval 656,44,10,10", "DrawOval 655,43,12,12"}));
    EXPECT_EQ(model.data->row(1).PunktX, 661);
}

TEST(Points, RowsDrawnInOrderSoLaterRowsCoverEarlierOnes) {
    Daten2D model;
    model.data = datasetOf({{1, 1, 1, 0, 9}, {1, 1, 1, 0, 12}});
    RecordingGraphics g(625, 449);
    model.draw(nullptr, g, 1);
    const std::vector<std::string> calls = pointCalls(g);
    ASSERT_EQ(calls.size(), 9u);
    EXPECT_EQ(calls[0], "ForeColor 255,0,0");
    EXPECT_EQ(calls[4], "ForeColor 0,0,255");
    EXPECT_EQ(calls[1], calls[5]); // the same disc, blue over red
}

TEST(Points, HiddenPointsAreNeitherDrawnNorStored) {
    Daten2D model;
    model.data = datasetOf({{1, 2, 3, 4, 9}});
    model.showdata = false;
    RecordingGraphics g(625, 449);
    model.draw(nullptr, g, 1);
    EXPECT_TRUE(ovals(g).empty());
    EXPECT_EQ(model.data->row(1).PunktX, 0);
    EXPECT_EQ(model.data->row(1).PunktY, 0);
}

TEST(Points, WithoutDataSetNothingIsDrawn) {
    Daten2D model;
    RecordingGraphics g(625, 449);
    model.draw(nullptr, g, 1);
    model.erzeugebild(nullptr, g, 1, 0);
    EXPECT_TRUE(g.calls.empty());
}

} // namespace
} // namespace morvane
