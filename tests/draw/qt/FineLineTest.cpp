#include "draw/Grafik.h"
#include "draw/qt/QtPicture.h"

#include <gtest/gtest.h>
#include <map>

namespace morvane {
namespace {

// Smoothed lines on a real picture, black on white; every pixel not listed must stay white.
struct FineLineCase {
    const char* name;
    double x1, y1, x2, y2;
    std::map<std::pair<int, int>, int> grey; // pixel -> value of each channel
};

std::map<std::pair<int, int>, int> run(int from, int to, int y, int value) {
    std::map<std::pair<int, int>, int> pixels;
    for (int x = from; x <= to; ++x) {
        pixels[{x, y}] = value;
    }
    return pixels;
}

std::map<std::pair<int, int>, int> merged(std::map<std::pair<int, int>, int> a,
                                          const std::map<std::pair<int, int>, int>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

const FineLineCase fineLineCases[] = {
    {"whole pixels", 10, 10, 20, 10, run(10, 19, 10, 0)},
    // Half a pixel to the right: the first pixel gets half once (127), the inner ones twice
    // (127, then 63), and (20, 10) the last pass's right half.
    {"half pixels", 10.5, 10, 20.5, 10,
     merged(merged(run(10, 10, 10, 127), run(11, 19, 10, 63)), run(20, 20, 10, 127))},
    {"shorter than a pixel", 5.2, 7.9, 5.9, 7.1, {}},
    // Steep: one pass per row, spread over two columns at x = 3.25 (weights 0.75 and 0.25).
    {"vertical quarter", 3.25, 0, 3.25, 3,
     merged(merged(run(3, 3, 0, 63), run(4, 4, 0, 191)),
            merged(merged(run(3, 3, 1, 63), run(4, 4, 1, 191)),
                   merged(run(3, 3, 2, 63), run(4, 4, 2, 191))))},
    // One pass with fractions in both axes (fx 0.25, fy 0.375): each of the four pixels gets
    // its own weight, 0.46875, 0.15625, 0.28125 and 0.09375, in the order of the rule.
    {"both fractions", 2.25, 2.375, 3.25, 3.375,
     merged(merged(run(2, 2, 2, 135), run(3, 3, 2, 215)),
            merged(run(2, 2, 3, 183), run(3, 3, 3, 231)))},
    // Starting far outside: the passes inside the picture are drawn as from any start.
    {"entering from far away", -100000, 10, 30, 10, run(0, 29, 10, 0)},
    // The last column and row: the neighbours beyond the picture are skipped.
    {"along the far edges", 35.5, 39, 40.5, 39, merged(run(35, 35, 39, 127), run(36, 39, 39, 63))},
};

TEST(Drawfineline, PixelsOfSmoothedLines) {
    QtPictureFactory factory;
    for (const FineLineCase& c : fineLineCases) {
        SCOPED_TRACE(c.name);
        auto picture = factory.NewPicture(40, 40, 32);
        ASSERT_TRUE(picture);
        picture->graphics().setForeColor(RGB(0, 0, 0));
        Grafik::drawfineline(picture->graphics(), picture->rgbSurface(), c.x1, c.y1, c.x2, c.y2);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const auto found = c.grey.find({x, y});
                const int value = found == c.grey.end() ? 255 : found->second;
                ASSERT_EQ(picture->rgbSurface().Pixel(x, y), RGB(value, value, value))
                    << "pixel " << x << "," << y;
            }
        }
    }
}

TEST(Drawfineline, BlendsTheForegroundColourIntoWhatIsThere) {
    auto picture = QtPictureFactory().NewPicture(20, 20, 32);
    ASSERT_TRUE(picture);
    picture->rgbSurface().setPixel(5, 5, RGB(0, 0, 200));
    picture->graphics().setForeColor(RGB(255, 0, 0));
    Grafik::drawfineline(picture->graphics(), picture->rgbSurface(), 4.5, 5, 6.5, 5);
    // (5, 5): half of the first pass (127 red + 100 blue), then half again.
    EXPECT_EQ(picture->rgbSurface().Pixel(5, 5), RGB(191, 0, 50));
    EXPECT_EQ(picture->rgbSurface().Pixel(4, 5), RGB(255, 127, 127));
}

TEST(Drawfineline, WeightsOutsideZeroToOneStayWithinTheChannelRange) {
    // Left of x = 0 the truncation toward zero makes the fraction negative; the blend must not
    // wrap around 8 bits.
    auto picture = QtPictureFactory().NewPicture(20, 20, 32);
    ASSERT_TRUE(picture);
    picture->graphics().setForeColor(RGB(0, 0, 0));
    Grafik::drawfineline(picture->graphics(), picture->rgbSurface(), -0.5, 5, 9.5, 5);
    EXPECT_EQ(picture->rgbSurface().Pixel(0, 5), RGB(0, 0, 0));
    EXPECT_EQ(picture->rgbSurface().Pixel(1, 5), RGB(63, 63, 63));
}

} // namespace
} // namespace morvane
