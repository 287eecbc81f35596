#include "draw/PixelShapes.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace morvane {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels pixelsOf(const std::vector<PixelRun>& runs, int x = 0, int y = 0) {
    Pixels pixels;
    for (const PixelRun& run : runs) {
        for (int i = run.left; i < run.right; ++i) {
            pixels.insert({x + i, y + run.y});
        }
    }
    return pixels;
}

// Rows of '#' and '.' over the box w x h.
std::vector<std::string> art(const Pixels& pixels, int w, int h) {
    std::vector<std::string> rows(static_cast<std::size_t>(h), std::string(w, '.'));
    for (const auto& [x, y] : pixels) {
        rows.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x)) = '#';
    }
    return rows;
}

Pixels lineCover(int x1, int y1, int x2, int y2, int penWidth, int penHeight,
                 PixelClip clip = {-1000, -1000, 1000, 1000}) {
    Pixels pixels;
    PixelShapes::lineRects(x1, y1, x2, y2, penWidth, penHeight, clip,
                           [&](int x, int y, int w, int h) {
                               for (int row = y; row < y + h; ++row) {
                                   for (int column = x; column < x + w; ++column) {
                                       if (column >= clip.left && column < clip.right &&
                                           row >= clip.top && row < clip.bottom) {
                                           pixels.insert({column, row});
                                       }
                                   }
                               }
                           });
    return pixels;
}

TEST(PixelShapes, DiscAndRingOfTheSampleMarkers) {
    // The 3D diagram's default sample: a disc of 10 one pixel inside a ring of 12.
    const std::vector<std::string> disc = {
        "...####...", //
        ".########.", //
        ".########.", //
        "##########", //
        "##########", //
        "##########", //
        "##########", //
        ".########.", //
        ".########.", //
        "...####...",
    };
    EXPECT_EQ(art(pixelsOf(PixelShapes::filledOval(10, 10)), 10, 10), disc);
    const std::vector<std::string> ring = {
        "....####....", //
        "..##....##..", //
        ".#........#.", //
        ".#........#.", //
        "#..........#", //
        "#..........#", //
        "#..........#", //
        "#..........#", //
        ".#........#.", //
        ".#........#.", //
        "..##....##..", //
        "....####....",
    };
    EXPECT_EQ(art(pixelsOf(PixelShapes::framedOval(12, 12, 1, 1)), 12, 12), ring);

    // Disc and ring tile the 12-pixel oval exactly: no gap, no overlap.
    const Pixels discPixels = pixelsOf(PixelShapes::filledOval(10, 10), 1, 1);
    const Pixels ringPixels = pixelsOf(PixelShapes::framedOval(12, 12, 1, 1));
    Pixels both = discPixels;
    both.insert(ringPixels.begin(), ringPixels.end());
    EXPECT_EQ(both.size(), discPixels.size() + ringPixels.size());
    EXPECT_EQ(both, pixelsOf(PixelShapes::filledOval(12, 12)));
}

TEST(PixelShapes, SmallOvals) {
    EXPECT_EQ(art(pixelsOf(PixelShapes::filledOval(1, 1)), 1, 1), std::vector<std::string>{"#"});
    EXPECT_EQ(art(pixelsOf(PixelShapes::filledOval(2, 2)), 2, 2),
              (std::vector<std::string>{"##", "##"}));
    EXPECT_EQ(art(pixelsOf(PixelShapes::filledOval(3, 3)), 3, 3),
              (std::vector<std::string>{"###", "###", "###"}));
    EXPECT_EQ(art(pixelsOf(PixelShapes::filledOval(4, 4)), 4, 4),
              (std::vector<std::string>{".##.", "####", "####", ".##."}));
    // Thin ovals keep their ends.
    EXPECT_EQ(art(pixelsOf(PixelShapes::filledOval(9, 2)), 9, 2),
              (std::vector<std::string>{"#########", "#########"}));
    EXPECT_EQ(art(pixelsOf(PixelShapes::filledOval(12, 3)), 12, 3),
              (std::vector<std::string>{"..########..", "############", "..########.."}));
    EXPECT_EQ(art(pixelsOf(PixelShapes::framedOval(3, 3, 1, 1)), 3, 3),
              (std::vector<std::string>{"###", "#.#", "###"}));
    // A pen that meets itself in the middle fills the oval.
    EXPECT_EQ(PixelShapes::framedOval(4, 4, 2, 2), PixelShapes::filledOval(4, 4));
    EXPECT_TRUE(PixelShapes::filledOval(0, 5).empty());
    EXPECT_TRUE(PixelShapes::filledOval(5, -1).empty());
    EXPECT_TRUE(PixelShapes::framedOval(5, 5, 0, 1).empty());
}

// Pixel (i, j) is in when its centre lies in or on the ellipse, computed independently.
bool centreInside(int w, int h, int i, int j) {
    const double u = (2.0 * i + 1 - w) / w;
    const double v = (2.0 * j + 1 - h) / h;
    return u * u + v * v <= 1 + 1e-12;
}

bool middle(int size, int index) {
    return std::abs(2 * index + 1 - size) <= 1;
}

TEST(PixelShapes, OvalsFollowTheCentreRuleAndTouchEverySideOfTheirBox) {
    for (int w = 1; w <= 24; ++w) {
        for (int h = 1; h <= 24; ++h) {
            SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
            const Pixels oval = pixelsOf(PixelShapes::filledOval(w, h));
            std::set<int> rows;
            std::set<int> columns;
            for (int j = 0; j < h; ++j) {
                for (int i = 0; i < w; ++i) {
                    const bool in = oval.count({i, j}) != 0;
                    ASSERT_EQ(in, centreInside(w, h, i, j) || middle(w, i) || middle(h, j))
                        << i << "," << j;
                    ASSERT_EQ(in, oval.count({w - 1 - i, j}) != 0);
                    ASSERT_EQ(in, oval.count({i, h - 1 - j}) != 0);
                    if (in) {
                        rows.insert(j);
                        columns.insert(i);
                    }
                }
            }
            EXPECT_EQ(rows.size(), static_cast<std::size_t>(h));
            EXPECT_EQ(columns.size(), static_cast<std::size_t>(w));
        }
    }
}

TEST(PixelShapes, LargeOvalsKeepTheRule) {
    // Whole-number arithmetic up to 32768 a side, long double beyond.
    for (const auto& [w, h] : {std::pair{3001, 17}, {17, 3001}, {32768, 32767}, {40000, 50001}}) {
        for (int j : {0, 1, h / 3, h / 2, h - 1}) {
            const auto [left, right] = PixelShapes::ovalRow(w, h, j);
            ASSERT_LT(left, right);
            EXPECT_EQ(left + right, w) << "row " << j << " is centred";
            EXPECT_TRUE(centreInside(w, h, left, j));
            EXPECT_FALSE(left > 0 && centreInside(w, h, left - 1, j));
        }
    }
}

TEST(PixelShapes, RingsAreTheOvalMinusTheOvalInsetByThePen) {
    for (int size = 1; size <= 16; ++size) {
        for (const auto& [pw, ph] : {std::pair{1, 1}, {2, 2}, {2, 1}}) {
            SCOPED_TRACE(std::to_string(size) + " pen " + std::to_string(pw) + "x" +
                         std::to_string(ph));
            Pixels expected = pixelsOf(PixelShapes::filledOval(size, size + 3));
            for (const auto& pixel :
                 pixelsOf(PixelShapes::filledOval(size - 2 * pw, size + 3 - 2 * ph), pw, ph)) {
                expected.erase(pixel);
            }
            EXPECT_EQ(pixelsOf(PixelShapes::framedOval(size, size + 3, pw, ph)), expected);
        }
    }
}

TEST(PixelShapes, ShapeCacheAnswersLikeTheShapesThemselves) {
    OvalShapeCache cache;
    // More sizes than the cache holds, visited twice, alternating fills and frames.
    for (int round = 0; round < 2; ++round) {
        for (int size = 1; size <= 20; ++size) {
            EXPECT_EQ(cache.filled(size, size + 1), PixelShapes::filledOval(size, size + 1));
            EXPECT_EQ(cache.framed(size, size, 1, 1), PixelShapes::framedOval(size, size, 1, 1));
            EXPECT_EQ(cache.framed(size, size, 0, 1), std::vector<PixelRun>{});
        }
    }
}

TEST(PixelShapes, LinesCoverBothEndsWithThePenBelowAndRight) {
    Pixels horizontal;
    for (int x = 10; x <= 20; ++x) {
        horizontal.insert({x, 10});
    }
    EXPECT_EQ(lineCover(10, 10, 20, 10, 1, 1), horizontal);
    EXPECT_EQ(lineCover(20, 10, 10, 10, 1, 1), horizontal);

    Pixels thick;
    for (int x = 10; x <= 21; ++x) {
        thick.insert({x, 10});
        thick.insert({x, 11});
    }
    EXPECT_EQ(lineCover(10, 10, 20, 10, 2, 2), thick);

    EXPECT_EQ(lineCover(5, 5, 5, 5, 1, 1), (Pixels{{5, 5}}));
    EXPECT_EQ(lineCover(0, 0, 3, 3, 1, 1), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    // A shallow line takes one pixel per column, a steep one one per row.
    EXPECT_EQ(lineCover(0, 0, 4, 1, 1, 1), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(lineCover(0, 0, 1, 4, 1, 1), (Pixels{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4}}));
    EXPECT_TRUE(lineCover(0, 0, 9, 9, 0, 1).empty());
}

TEST(PixelShapes, LinesDoNotDependOnTheirDirection) {
    const int ends[][4] = {{0, 0, 7, 3}, {3, 9, -4, 1}, {0, 0, 5, -10}, {2, 2, -9, 6}};
    for (const auto& e : ends) {
        for (int pen = 1; pen <= 2; ++pen) {
            EXPECT_EQ(lineCover(e[0], e[1], e[2], e[3], pen, pen),
                      lineCover(e[2], e[3], e[0], e[1], pen, pen));
        }
    }
}

TEST(PixelShapes, ClippedLinesAreTheVisiblePartOfTheWholeLine) {
    const PixelClip clip{0, 0, 50, 40};
    const Pixels whole = lineCover(-300, -20, 400, 90, 2, 2, {-1000, -1000, 1000, 1000});
    Pixels visible;
    for (const auto& [x, y] : whole) {
        if (x >= 0 && x < 50 && y >= 0 && y < 40) {
            visible.insert({x, y});
        }
    }
    ASSERT_FALSE(visible.empty());
    EXPECT_EQ(lineCover(-300, -20, 400, 90, 2, 2, clip), visible);

    // End points at the limits of int are not walked pixel by pixel.
    int calls = 0;
    PixelShapes::lineRects(INT_MIN, 5, INT_MAX, 5, 1, 1, clip, [&](int x, int y, int w, int h) {
        ++calls;
        EXPECT_EQ(y, 5);
        EXPECT_EQ(h, 1);
        EXPECT_LE(x, 0);
        EXPECT_GE(static_cast<long long>(x) + w, 50);
    });
    EXPECT_EQ(calls, 1);
}

TEST(PixelShapes, RectangleFramesAreBandsInsideTheBox) {
    std::vector<std::array<int, 4>> rects;
    auto collect = [&](int x, int y, int w, int h) {
        rects.push_back({x, y, w, h});
    };
    PixelShapes::frameRects(10, 20, 30, 40, 2, 2, collect);
    EXPECT_EQ(rects, (std::vector<std::array<int, 4>>{
                         {10, 20, 30, 2}, {10, 58, 30, 2}, {10, 22, 2, 36}, {38, 22, 2, 36}}));
    rects.clear();
    PixelShapes::frameRects(0, 0, 3, 9, 2, 1, collect);
    EXPECT_EQ(rects, (std::vector<std::array<int, 4>>{{0, 0, 3, 9}}));
}

double signedArea(const std::vector<std::pair<double, double>>& polygon) {
    double area = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const auto& [x1, y1] = polygon[i];
        const auto& [x2, y2] = polygon[(i + 1) % polygon.size()];
        area += x1 * y2 - x2 * y1;
    }
    return area / 2;
}

TEST(PixelShapes, PenSweepIsTheAreaThePenCovers) {
    // Horizontal: an 11 x 1 strip, the pixels of the line.
    const auto strip = PixelShapes::penSweep(10, 10, 20, 10, 1, 1);
    EXPECT_EQ(strip.size(), 4u);
    EXPECT_DOUBLE_EQ(std::abs(signedArea(strip)), 11);
    // Diagonal with a 2 x 2 pen: two squares joined by a band, a hexagon.
    const auto band = PixelShapes::penSweep(0, 0, 10, 10, 2, 2);
    EXPECT_EQ(band.size(), 6u);
    EXPECT_DOUBLE_EQ(std::abs(signedArea(band)), 4 + 10 * 2 * 2);
    // Clockwise on screen (y down) means a positive area in these coordinates.
    EXPECT_GT(signedArea(band), 0);
    EXPECT_TRUE(PixelShapes::penSweep(0, 0, 1, 1, 0, 2).empty());
}

} // namespace
} // namespace morvane
