#include "TetraTestSupport.h"
#include "draw/RecordingGraphics.h"
#include "tetra/Daten3D.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::centreRow;

struct Smoothing {
    int reads = 0;
    int onForReads = 1 << 30; // the check mark is on for this many reads, then off
    DiagramServices services() {
        DiagramServices result;
        result.smoothing = [this] {
            return reads++ < onForReads;
        };
        return result;
    }
};

bool isGrey(Color c) {
    return c == RGB(100, 100, 100);
}

} // namespace

TEST(Daten3DSmoothing, EdgesAreBlendedIntoThePixelSurface) {
    Smoothing smoothing;
    Daten3D model(smoothing.services());
    model.data = centreRow();
    RecordingGraphics g(400, 400);
    MemorySurface pixels(400, 400);
    model.draw(&pixels, g, 1);
    EXPECT_TRUE(g.callsStartingWith("DrawLine").empty());
    EXPECT_EQ(smoothing.reads, 11); // six grey edges, five bold ones
    // D-B is hidden and stays grey; the visible edges are black one-pixel lines over it.
    EXPECT_TRUE(isGrey(pixels.Pixel(150, 150)));
    EXPECT_EQ(pixels.Pixel(200, 100), RGB(0, 0, 0));       // D-C
    EXPECT_EQ(pixels.Pixel(100, 200), RGB(0, 0, 0));       // D-A
    EXPECT_EQ(pixels.Pixel(150, 250), RGB(0, 0, 0));       // A-C
    EXPECT_EQ(pixels.Pixel(200, 101), RGB(255, 255, 255)); // the pen size does not apply
    EXPECT_EQ(pixels.Pixel(200, 200), RGB(0, 0, 0));       // where A-C crosses D-B
}

TEST(Daten3DSmoothing, TheCheckMarkIsReadForEveryLine) {
    Smoothing smoothing;
    smoothing.onForReads = 6; // turned off after the grey pass
    Daten3D model(smoothing.services());
    model.data = centreRow();
    RecordingGraphics g(400, 400);
    MemorySurface pixels(400, 400);
    model.draw(&pixels, g, 1);
    EXPECT_EQ(g.callsStartingWith("DrawLine").size(), 5u);
    EXPECT_TRUE(isGrey(pixels.Pixel(200, 100)));
}

TEST(Daten3DSmoothing, NeverWithoutAPixelSurface) {
    Smoothing smoothing;
    Daten3D model(smoothing.services());
    model.data = centreRow();
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(g.callsStartingWith("DrawLine").size(), 11u);
}

} // namespace morvane
