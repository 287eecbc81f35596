#include "TetraTestSupport.h"
#include "base/Mathe.h"
#include "draw/RecordingGraphics.h"
#include "tetra/Daten3D.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::callsBetween;
using test::centreRow;

std::vector<std::string> boldPass(const RecordingGraphics& g) {
    return callsBetween(g, "PenHeight 2", "PenWidth 1");
}

std::string lineBetween(const Daten3D& model, int first, int second) {
    const auto pixel = [&](int corner) {
        const datarow& row = model.tet[static_cast<std::size_t>(corner)];
        return std::to_string(static_cast<int>(row.PunktX + model.CenterX)) + "," +
               std::to_string(static_cast<int>(row.PunktY + model.CenterY));
    };
    return "DrawLine " + pixel(first) + "," + pixel(second);
}

} // namespace

TEST(HiddenEdges, AtAnglesZeroTheBackDiagonalStaysGrey) {
    Daten3D model;
    model.data = centreRow();
    RecordingGraphics g(400, 400);
    Mathe::ScopedLogCapture trace;
    model.draw(nullptr, g, 1);
    // D-B is behind A-C where they cross. The bold pass draws the other five in list order
    // (D-C, D-A, C-B, B-A, A-C), each from its left end as the crossing search left it.
    EXPECT_EQ(boldPass(g),
              (std::vector<std::string>{"ForeColor 0,0,0", "DrawLine 100,100,300,100",
                                        "DrawLine 100,100,100,300", "DrawLine 300,100,300,300",
                                        "DrawLine 100,300,300,300", "DrawLine 100,300,300,100"}));
    EXPECT_EQ(callsBetween(g, "DrawOval 194,194,12,12", "PenHeight 2"),
              (std::vector<std::string>{"ForeColor 0,0,0", "PenWidth 2"}));
    // The search ends with the crossing: its trace lines are the last ones.
    ASSERT_GE(trace.lines().size(), 8u);
    EXPECT_EQ(trace.lines().back(),
              "p2         = -0.000000000000 / +1.000000000000 / +0.000000000000");
}

TEST(HiddenEdges, ACornerInsideTheOutlineAndBehindHidesItsThreeEdges) {
    Daten3D model;
    model.data = centreRow();
    model.WinkelPosition(55, 45, 90);
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    const datarow& a = model.tet[Daten3D::cornerA];
    EXPECT_NEAR(a.y, -std::sqrt(3.0), 0.01);
    EXPECT_LT(std::abs(a.PunktX), 25);
    EXPECT_LT(std::abs(a.PunktY), 25);

    const std::vector<std::string> bold = boldPass(g);
    ASSERT_EQ(bold.size(), 4u);
    EXPECT_EQ(bold[0], "ForeColor 0,0,0");
    // D-C, D-B, C-B in list order; the ends of each as the crossing search ordered them.
    const auto either = [&](const std::string& call, int first, int second) {
        return call == lineBetween(model, first, second) ||
               call == lineBetween(model, second, first);
    };
    EXPECT_TRUE(either(bold[1], Daten3D::cornerD, Daten3D::cornerC)) << bold[1];
    EXPECT_TRUE(either(bold[2], Daten3D::cornerD, Daten3D::cornerB)) << bold[2];
    EXPECT_TRUE(either(bold[3], Daten3D::cornerC, Daten3D::cornerB)) << bold[3];
}

TEST(HiddenEdges, AreDecidedEvenWhenNoEdgeIsDrawn) {
    Daten3D model;
    model.data = centreRow();
    model.showline = false;
    RecordingGraphics g(400, 400);
    Mathe::ScopedLogCapture trace;
    model.draw(nullptr, g, 1);
    EXPECT_TRUE(boldPass(g).empty());
    EXPECT_EQ(trace.lines().back(),
              "p2         = -0.000000000000 / +1.000000000000 / +0.000000000000");
}

TEST(HiddenEdges, AnEdgeWhoseCornerIsMarkedHiddenIsSkippedAndMarked) {
    Daten3D model;
    model.ScaleFactor = 100;
    model.CenterX = 200;
    model.CenterY = 200;
    model.rotationsmatrix();
    model.tetraederberechnung();
    model.tet[Daten3D::cornerA].verdeckt = true;
    RecordingGraphics g(400, 400);
    Linie ba(model.tet[Daten3D::cornerB], model.tet[Daten3D::cornerA]);
    model.drawlinie(nullptr, g, ba);
    EXPECT_TRUE(g.calls.empty());
    EXPECT_TRUE(ba.verdeckt);
    Linie dc(model.tet[Daten3D::cornerD], model.tet[Daten3D::cornerC]);
    model.drawlinie(nullptr, g, dc);
    EXPECT_EQ(g.calls, std::vector<std::string>{"DrawLine 100,100,300,100"});
    EXPECT_FALSE(dc.verdeckt);
}

} // namespace morvane
