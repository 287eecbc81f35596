#include "TetraTestSupport.h"
#include "draw/RecordingGraphics.h"
#include "tetra/Daten3D.h"

#include <cmath>
#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::callsBetween;
using test::centreRow;

struct CornerPixel {
    int x;
    int y;
};

// Where a corner row is drawn: its centre-relative screen fields plus the centre, truncated.
CornerPixel drawnAt(const Daten3D& model, int corner) {
    const datarow& row = model.tet[static_cast<std::size_t>(corner)];
    return {static_cast<int>(row.PunktX + model.CenterX),
            static_cast<int>(row.PunktY + model.CenterY)};
}

std::vector<std::string> greyEdges(const RecordingGraphics& g) {
    return callsBetween(g, "ForeColor 100,100,100", "ForeColor 0,0,0");
}

} // namespace

TEST(Daten3DGeometry, CornersAtAnglesZeroOnASquarePicture) {
    Daten3D model;
    model.data = centreRow();
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);

    EXPECT_EQ(model.CenterX, 200);
    EXPECT_EQ(model.CenterY, 200);
    EXPECT_EQ(model.ScaleFactor, 100);
    const int corners[] = {Daten3D::cornerD, Daten3D::cornerC, Daten3D::cornerB, Daten3D::cornerA};
    const CornerPixel expected[] = {{100, 100}, {300, 100}, {300, 300}, {100, 300}};
    const double depth[] = {-1, 1, -1, 1}; // A and C in front
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(drawnAt(model, corners[i]).x, expected[i].x);
        EXPECT_EQ(drawnAt(model, corners[i]).y, expected[i].y);
        EXPECT_EQ(model.tet[static_cast<std::size_t>(corners[i])].y, depth[i]);
    }
    // The grey edges D-C, D-B, D-A, A-C, C-B, B-A join exactly these pixels.
    EXPECT_EQ(greyEdges(g),
              (std::vector<std::string>{"DrawLine 100,100,300,100", "DrawLine 100,100,300,300",
                                        "DrawLine 100,100,100,300", "DrawLine 100,300,300,100",
                                        "DrawLine 300,100,300,300", "DrawLine 300,300,100,300"}));
}

TEST(Daten3DGeometry, TurningAboutXLiftsTheFrontCornerDown) {
    Daten3D model;
    model.data = centreRow();
    model.winkel1 = 30;
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);

    const datarow& a = model.tet[Daten3D::cornerA];
    EXPECT_DOUBLE_EQ(a.x, -1);
    EXPECT_NEAR(a.y, 0.3660254, 1e-7);
    EXPECT_NEAR(a.z, 1.3660254, 1e-7);
    const datarow& d = model.tet[Daten3D::cornerD];
    EXPECT_DOUBLE_EQ(d.x, -1);
    EXPECT_NEAR(d.y, -0.3660254, 1e-7);
    EXPECT_NEAR(d.z, -1.3660254, 1e-7);
    EXPECT_EQ(drawnAt(model, Daten3D::cornerA).x, 100);
    EXPECT_EQ(drawnAt(model, Daten3D::cornerA).y, 336);
    EXPECT_EQ(drawnAt(model, Daten3D::cornerD).x, 100);
    EXPECT_EQ(drawnAt(model, Daten3D::cornerD).y, 63);
    // Third grey edge: D to A.
    EXPECT_EQ(greyEdges(g).at(2), "DrawLine 100,63,100,336");
}

TEST(Daten3DGeometry, FrameIsAQuarterOfTheShorterSide) {
    struct Case {
        int width, height;
        double centerX, centerY, scale;
    };
    for (const Case& c : {Case{300, 500, 150, 250, 75}, Case{637, 486, 318.5, 243, 121.5},
                          Case{301, 201, 150.5, 100.5, 50.25}}) {
        Daten3D model;
        model.data = centreRow();
        RecordingGraphics g(c.width, c.height);
        model.draw(nullptr, g, 1);
        EXPECT_EQ(model.CenterX, c.centerX) << c.width << "x" << c.height;
        EXPECT_EQ(model.CenterY, c.centerY) << c.width << "x" << c.height;
        EXPECT_EQ(model.ScaleFactor, c.scale) << c.width << "x" << c.height;
    }
}

TEST(Daten3DGeometry, RotationIsRxRyRzOfTheAnglesInDegrees) {
    Daten3D model;
    model.WinkelPosition(55, 45, 90);
    EXPECT_EQ(model.winkel1, 55);
    EXPECT_EQ(model.winkel2, 45);
    EXPECT_EQ(model.winkel3, 90);
    model.rotationsmatrix();
    // A point on the x axis turns first about z by 90 degrees onto y, then about y (which
    // keeps it) and about x by 55 degrees: (0, cos 55, sin 55).
    datarow point(1, 0, 0);
    model.matrixm(point);
    const double radians = 55 * std::acos(-1.0) / 180;
    EXPECT_NEAR(point.x, 0, 1e-15);
    EXPECT_NEAR(point.y, std::cos(radians), 1e-15);
    EXPECT_NEAR(point.z, std::sin(radians), 1e-15);
    // The matrix is orthonormal: lengths survive.
    datarow other(0.3, -0.7, 0.2);
    model.matrixm(other);
    EXPECT_NEAR(other.x * other.x + other.y * other.y + other.z * other.z, 0.62, 1e-14);
}

class CentreRow : public ::testing::TestWithParam<std::array<int, 3>> {};

TEST_P(CentreRow, IsDrawnAtThePictureCentreAtEveryAngle) {
    Daten3D model;
    model.data = centreRow();
    const auto [w1, w2, w3] = GetParam();
    model.WinkelPosition(w1, w2, w3);
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(g.callsStartingWith("FillOval"), std::vector<std::string>{"FillOval 195,195,10,10"});
    EXPECT_EQ(g.callsStartingWith("DrawOval"), std::vector<std::string>{"DrawOval 194,194,12,12"});
}

INSTANTIATE_TEST_SUITE_P(Angles, CentreRow,
                         ::testing::Values(std::array<int, 3>{0, 0, 0},
                                           std::array<int, 3>{30, 0, 0},
                                           std::array<int, 3>{73, 345, 34},
                                           std::array<int, 3>{55, 45, 90},
                                           std::array<int, 3>{-360, 181, 7}));

TEST(Daten3DGeometry, RowOfOnlyTheFirstComponentLiesOnCornerA) {
    Daten3D model;
    model.data = test::datasetOf({{5, 0, 0, 0, 1}});
    model.WinkelPosition(73, 345, 34);
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    const datarow& row = model.data->row(1);
    const datarow& a = model.tet[Daten3D::cornerA];
    EXPECT_NEAR(row.x, a.x, 1e-15);
    EXPECT_NEAR(row.y, a.y, 1e-15);
    EXPECT_NEAR(row.z, a.z, 1e-15);
}

} // namespace morvane
