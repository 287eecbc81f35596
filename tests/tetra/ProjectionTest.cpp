#include "TetraTestSupport.h"
#include "draw/RecordingGraphics.h"
#include "tetra/Daten3D.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::callsOf;
using test::centreRow;
using test::datasetOf;

// Marker and disc calls of a drawing without edges and labels.
std::vector<std::string> pointCalls(Daten3D& model, int width = 400, int height = 400) {
    model.showline = false;
    model.showtext = false;
    RecordingGraphics g(width, height);
    model.draw(nullptr, g, 1);
    std::vector<std::string> calls = callsOf(g, {"ForeColor", "Pixel", "DrawOval", "FillOval"});
    calls.pop_back(); // credit line colour
    return calls;
}

} // namespace

TEST(FaceProjection, CentreRowProjectsToTheCentreOfFaceABC) {
    Daten3D model;
    model.data = centreRow(9);
    model.which = 1;
    EXPECT_EQ(pointCalls(model),
              (std::vector<std::string>{"ForeColor 128,128,128", "Pixel 233,233,128,128,128",
                                        "DrawOval 232,232,3,3", "ForeColor 255,0,0",
                                        "FillOval 195,195,10,10", "ForeColor 0,0,0",
                                        "DrawOval 194,194,12,12", "ForeColor 0,0,0"}));
    EXPECT_EQ(model.data->row(1).PunktX, 233);
    EXPECT_NEAR(model.data->row(1).PunktY, 233.333, 0.001);
}

TEST(FaceProjection, MarkersAreTheLighterVariantOfTheProjectionColour) {
    struct Case {
        Color base;
        const char* marker;
    };
    for (const Case& c : {Case{RGB(0, 0, 0), "ForeColor 128,128,128"},
                          Case{RGB(255, 0, 0), "ForeColor 255,128,128"},
                          Case{RGB(0, 0, 128), "ForeColor 128,128,192"}}) {
        Daten3D model;
        model.data = centreRow();
        model.which = 1;
        model.projektionsfarbe = c.base;
        EXPECT_EQ(pointCalls(model).at(0), c.marker);
    }
}

TEST(FaceProjection, EachFaceLeavesOutItsOppositeComponent) {
    // A row on a face projects onto itself: marker and disc share their centre.
    struct Case {
        int which;
        test::Composition row;
    };
    for (const Case& c : {Case{1, {1, 2, 3, 0, 0}}, Case{2, {0, 1, 2, 3, 0}},
                          Case{3, {3, 0, 1, 2, 0}}, Case{4, {2, 3, 0, 1, 0}}}) {
        Daten3D model;
        model.data = datasetOf({c.row});
        model.which = c.which;
        model.WinkelPosition(73, 345, 34);
        const std::vector<std::string> calls = pointCalls(model);
        ASSERT_EQ(calls.size(), 8u) << "which " << c.which;
        const datarow& row = model.data->row(1);
        const int u = static_cast<int>(model.CenterX + row.x * model.ScaleFactor);
        const int v = static_cast<int>(model.CenterY + row.z * model.ScaleFactor);
        EXPECT_NEAR(row.PunktX, u, 1) << "which " << c.which;
        EXPECT_NEAR(row.PunktY, v, 1) << "which " << c.which;
    }
}

TEST(FaceProjection, OtherFacesOfTheCentreRowAtAnglesZero) {
    // Face centres at the angles 0: BCD (1/3, -1/3, -1/3), ACD (-1/3, 1/3, -1/3),
    // ABD (-1/3, -1/3, 1/3); x and z give the picture position around (200, 200).
    struct Case {
        int which;
        int punktX;
        double punktY;
    };
    for (const Case& c : {Case{2, 233, 166.667}, Case{3, 166, 166.667}, Case{4, 166, 233.333}}) {
        Daten3D model;
        model.data = centreRow();
        model.which = c.which;
        pointCalls(model);
        EXPECT_EQ(model.data->row(1).PunktX, c.punktX) << "which " << c.which;
        EXPECT_NEAR(model.data->row(1).PunktY, c.punktY, 0.001) << "which " << c.which;
    }
}

TEST(FaceProjection, MarkersOnTheEdgeOrOutsideOfThePicture) {
    // The marker rule on given screen fields: no marker on column or row 0, only the ring
    // when the centre lies right of or below the surface.
    Daten3D model;
    model.data = datasetOf({{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}});
    model.which = 1;
    model.showdata = false;
    const int fields[4][2] = {{0, 50}, {50, 0}, {450, 50}, {50, 399}};
    for (int i = 0; i < 4; ++i) {
        model.data->row(i + 1).PunktX = fields[i][0];
        model.data->row(i + 1).PunktY = fields[i][1] + 0.9;
    }
    RecordingGraphics g(400, 400);
    model.raumpunkte(g);
    EXPECT_EQ(g.calls, (std::vector<std::string>{"ForeColor 128,128,128", "DrawOval 449,49,3,3",
                                                 "Pixel 50,399,128,128,128", "DrawOval 49,398,3,3",
                                                 "ForeColor 0,0,0"}));
}

TEST(FaceProjection, ARowWithoutThreeFaceComponentsGetsNoMarker) {
    // Only D: its ABC components sum to 0. The ordinary row still gets its marker.
    Daten3D model;
    model.data = datasetOf({{0, 0, 0, 5}, {1, 1, 1, 1}});
    model.which = 1;
    model.data->row(1).PunktX = 100; // stale values from an earlier drawing must not show
    model.data->row(1).PunktY = 100;
    const std::vector<std::string> calls = pointCalls(model);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Pixel 233,233,128,128,128"), 1);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& call) { return call.starts_with("Pixel"); }),
              1);
    const datarow& onlyD = model.data->row(1).anr == 1 ? model.data->row(1) : model.data->row(2);
    EXPECT_EQ(onlyD.PunktX, 0);
}

TEST(FaceProjection, NoneLeavesTheScreenFieldsAlone) {
    Daten3D model;
    model.data = centreRow();
    model.data->row(1).PunktX = 17;
    model.data->row(1).PunktY = 18.5;
    const std::vector<std::string> calls = pointCalls(model);
    EXPECT_EQ(model.data->row(1).PunktX, 17);
    EXPECT_EQ(model.data->row(1).PunktY, 18.5);
    EXPECT_TRUE(std::none_of(calls.begin(), calls.end(),
                             [](const std::string& call) { return call.starts_with("Pixel"); }));
}

} // namespace morvane
