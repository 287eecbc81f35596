#include "draw/qt/QtGraphics.h"

#include "draw/PixelShapes.h"
#include "draw/qt/QtPicture.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

namespace morvane {
namespace {

using Pixels = std::set<std::pair<int, int>>;

const QRgb white = 0xFFFFFFFFu;

// Every pixel that is not white.
Pixels marked(const QImage& image) {
    Pixels pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != white) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

Pixels box(int x, int y, int w, int h) {
    Pixels pixels;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            pixels.insert({column, row});
        }
    }
    return pixels;
}

Pixels shifted(const std::vector<PixelRun>& runs, int x, int y) {
    Pixels pixels;
    for (const PixelRun& run : runs) {
        for (int i = run.left; i < run.right; ++i) {
            pixels.insert({x + i, y + run.y});
        }
    }
    return pixels;
}

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(white);
    return image;
}

TEST(QtGraphics, LinesPixelsAndBoxesLandOnTheirPixels) {
    QImage image = whiteImage(60, 40);
    QtGraphics g(image);
    EXPECT_EQ(g.Width(), 60);
    EXPECT_EQ(g.Height(), 40);

    g.DrawLine(10, 10, 20, 10);
    EXPECT_EQ(marked(image), box(10, 10, 11, 1)); // both end points, nothing else
    image.fill(white);

    g.setPenWidth(2);
    g.setPenHeight(2);
    g.DrawLine(10, 10, 10, 20);
    EXPECT_EQ(marked(image), box(10, 10, 2, 12)); // the pen hangs right and below
    image.fill(white);

    g.setPixel(59, 39, RGB(1, 2, 3));
    g.setPixel(60, 39, RGB(1, 2, 3)); // outside: ignored
    g.setPixel(-1, 0, RGB(1, 2, 3));
    EXPECT_EQ(marked(image), (Pixels{{59, 39}}));
    EXPECT_EQ(image.pixel(59, 39), qRgb(1, 2, 3));
    image.fill(white);

    g.setForeColor(RGB(255, 0, 0));
    g.FillRect(5, 6, 7, 8);
    EXPECT_EQ(marked(image), box(5, 6, 7, 8));
    EXPECT_EQ(image.pixel(5, 6), qRgb(255, 0, 0));
    g.ClearRect(6, 7, 5, 6);
    Pixels frame = box(5, 6, 7, 8);
    for (const auto& pixel : box(6, 7, 5, 6)) {
        frame.erase(pixel);
    }
    EXPECT_EQ(marked(image), frame);
    image.fill(white);

    g.DrawRect(0, 0, 10, 10); // pen 2 x 2: a band of 2 inside the box
    Pixels band = box(0, 0, 10, 10);
    for (const auto& pixel : box(2, 2, 6, 6)) {
        band.erase(pixel);
    }
    EXPECT_EQ(marked(image), band);
}

TEST(QtGraphics, SampleDiscInsideItsRing) {
    // The 3D diagram's point of kreisdicke 12 at (200, 200): disc 10 at (195, 195) in the row's
    // colour, ring 12 at (194, 194) in black.
    QImage image = whiteImage(400, 400);
    QtGraphics g(image);
    g.setForeColor(RGB(255, 0, 0));
    g.FillOval(195, 195, 10, 10);
    g.setForeColor(RGB(0, 0, 0));
    g.DrawOval(194, 194, 12, 12);
    const Pixels all = marked(image);
    EXPECT_EQ(all, shifted(PixelShapes::filledOval(12, 12), 194, 194));
    EXPECT_EQ(image.pixel(200, 200), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(194, 200), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(199, 194), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(195, 200), qRgb(255, 0, 0));
    // The box is symmetric about the disc's centre at 200: 195 .. 204.
    EXPECT_EQ(image.pixel(204, 200), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(205, 200), qRgb(0, 0, 0));
}

TEST(QtGraphics, OvalsAtTheEdgesAreClippedPartsOfTheWholeOval) {
    // Every size from 1 to 12, hanging over each edge and corner of a 30 x 20 picture: what is
    // drawn is the part of the same oval drawn whole on a larger picture.
    for (int size = 1; size <= 12; ++size) {
        for (const auto& [x, y] :
             {std::pair{-5, 3}, {25, 3}, {10, -6}, {10, 15}, {-7, -7}, {26, 16}, {-2, 18}}) {
            SCOPED_TRACE(std::to_string(size) + " at " + std::to_string(x) + "," +
                         std::to_string(y));
            QImage small = whiteImage(30, 20);
            QImage large = whiteImage(60, 50);
            {
                QtGraphics clipped(small);
                QtGraphics whole(large);
                clipped.FillOval(x, y, size, size);
                clipped.DrawOval(x - 1, y, size + 2, size);
                whole.FillOval(x + 15, y + 15, size, size);
                whole.DrawOval(x + 14, y + 15, size + 2, size);
            }
            EXPECT_EQ(small, large.copy(15, 15, 30, 20));
        }
    }
}

TEST(QtGraphics, LargeOvalsFollowTheSameRule) {
    // Beyond the shape cache's size the rows are computed for the visible part only.
    const int size = 3 * OvalShapeCache::largeOval;
    const int x = 60 - size / 2;
    const int y = -size + 70;
    QImage filled = whiteImage(120, 100);
    QImage framed = whiteImage(120, 100);
    QtGraphics(filled).FillOval(x, y, size, size);
    {
        QtGraphics g(framed);
        g.setPenWidth(2);
        g.setPenHeight(3);
        g.DrawOval(x, y, size, size);
    }
    Pixels expectedFill;
    Pixels expectedFrame;
    for (int row = 0; row < 100; ++row) {
        const auto [left, right] = PixelShapes::ovalRow(size, size, row - y);
        for (int i = left; i < right; ++i) {
            if (x + i >= 0 && x + i < 120) {
                expectedFill.insert({x + i, row});
            }
        }
        PixelRun runs[2];
        const int count = PixelShapes::framedOvalRow(size, size, 2, 3, row - y, runs);
        for (int r = 0; r < count; ++r) {
            for (int i = runs[r].left; i < runs[r].right; ++i) {
                if (x + i >= 0 && x + i < 120) {
                    expectedFrame.insert({x + i, row});
                }
            }
        }
    }
    EXPECT_EQ(marked(filled), expectedFill);
    EXPECT_EQ(marked(framed), expectedFrame);
    EXPECT_FALSE(expectedFrame.empty());
    EXPECT_LT(expectedFrame.size(), expectedFill.size());
}

// One scene of lines, frames, ovals and pixels in both pen sizes.
void drawScene(Graphics& g) {
    g.setForeColor(RGB(0, 0, 255));
    g.DrawLine(3, 4, 90, 37);
    g.DrawLine(50, 2, 41, 60);
    g.DrawLine(-20, 70, 120, 65);
    g.setPenWidth(2);
    g.setPenHeight(2);
    g.setForeColor(RGB(0, 128, 0));
    g.DrawLine(90, 5, 5, 70);
    g.DrawRect(60, 40, 25, 20);
    g.DrawOval(10, 40, 30, 20);
    g.setPenWidth(1);
    g.setPenHeight(1);
    for (int size = 1; size <= 12; ++size) {
        g.setForeColor(RGB(20 * size, 0, 0));
        g.FillOval(size * 8 - 6, 75, size, size);
        g.setForeColor(RGB(0, 0, 0));
        g.DrawOval(size * 8 - 7, 74, size + 2, size + 2);
    }
    g.FillRect(95, 0, 10, 10);
    g.setPixel(99, 99, RGB(9, 9, 9));
    g.setForeColor(RGB(200, 100, 0));
    g.DrawOval(-2000, -4050, 4100, 4100); // beyond the shape cache: drawn row by row
}

TEST(QtGraphics, PainterDevicesGetTheSamePixelsAsPictures) {
    // A canvas draws through QPainter; at one device pixel per pixel it must look exactly like
    // the picture, which writes the pixels itself.
    QImage direct = whiteImage(100, 100);
    QImage painted = whiteImage(100, 100);
    {
        QtGraphics g(direct);
        drawScene(g);
    }
    {
        QPainter painter(&painted);
        QtGraphics g(painter, 100, 100);
        drawScene(g);
    }
    EXPECT_EQ(direct, painted);
    EXPECT_GT(marked(direct).size(), 500u);
    EXPECT_EQ(direct.pixel(50, 49), qRgb(200, 100, 0)); // the bottom of the large oval
}

TEST(QtGraphics, ScaledDevicesDrawTheSameBoxesSmoothly) {
    // A printer at 4 device pixels a pixel: the surface is a quarter of the device, and shapes
    // cover the device pixels of their boxes and pen areas.
    QImage device = whiteImage(400, 300);
    {
        QtGraphics g(device, 4.0);
        EXPECT_EQ(g.Width(), 100);
        EXPECT_EQ(g.Height(), 75);
        g.setForeColor(RGB(255, 0, 0));
        g.FillOval(10, 10, 20, 20);
        g.setForeColor(RGB(0, 0, 0));
        g.DrawLine(50, 60, 90, 60); // the band 60 .. 61 in pixels: 240 .. 243 on the device
        g.DrawOval(50, 10, 20, 20);
        g.FillRect(0, 0, 2, 2);
    }
    EXPECT_EQ(device.pixel(80, 80), qRgb(255, 0, 0)); // centre of the disc
    EXPECT_EQ(device.pixel(41, 80), qRgb(255, 0, 0)); // just inside its left end
    EXPECT_EQ(device.pixel(38, 80), white);           // just outside
    EXPECT_EQ(device.pixel(44, 44), white);           // outside the circle, inside the box
    EXPECT_EQ(device.pixel(280, 241), qRgb(0, 0, 0)); // on the line
    EXPECT_EQ(device.pixel(280, 238), white);         // above it
    EXPECT_EQ(device.pixel(280, 245), white);         // below it
    EXPECT_EQ(device.pixel(362, 241), qRgb(0, 0, 0)); // the end point's pixel is covered
    EXPECT_EQ(device.pixel(202, 80), qRgb(0, 0, 0));  // the outline, one pixel wide
    EXPECT_EQ(device.pixel(210, 80), white);          // inside it
    EXPECT_EQ(device.pixel(7, 7), qRgb(0, 0, 0));
    EXPECT_EQ(device.pixel(8, 8), white);
}

TEST(QtGraphics, DrawPictureCopiesTheWholePictureAtNegativeOffsets) {
    QtPictureFactory factory;
    auto source = factory.NewPicture(20, 30, 32);
    auto target = factory.NewPicture(40, 40, 32);
    ASSERT_TRUE(source && target);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 20; ++x) {
            source->rgbSurface().setPixel(x, y, RGB(x * 10, y * 8, 7));
        }
    }
    target->graphics().DrawPicture(*source, -5, -7);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const Color expected =
                x < 15 && y < 23 ? RGB((x + 5) * 10, (y + 7) * 8, 7) : RGB(255, 255, 255);
            ASSERT_EQ(target->rgbSurface().Pixel(x, y), expected) << x << "," << y;
        }
    }
    // Through a painter the same.
    QImage painted = whiteImage(40, 40);
    {
        QPainter painter(&painted);
        QtGraphics g(painter, 40, 40);
        g.DrawPicture(*source, -5, -7);
    }
    EXPECT_EQ(painted, *pictureImage(*target));
}

TEST(QtGraphics, DrawsNothingWithoutAPenOrABox) {
    QImage image = whiteImage(20, 20);
    QtGraphics g(image);
    g.FillOval(5, 5, 0, 5);
    g.DrawOval(5, 5, 5, -1);
    g.FillRect(5, 5, -3, 4);
    g.setPenWidth(0);
    g.DrawLine(0, 0, 19, 19);
    g.DrawOval(2, 2, 10, 10);
    g.DrawRect(2, 2, 10, 10);
    EXPECT_TRUE(marked(image).empty());
}

TEST(QtGraphics, CautionIconFitsIts32PixelSquare) {
    QImage image = whiteImage(64, 64);
    {
        QtGraphics g(image);
        g.DrawCautionIcon(16, 16);
    }
    const Pixels icon = marked(image);
    ASSERT_FALSE(icon.empty());
    for (const auto& [x, y] : icon) {
        EXPECT_TRUE(x >= 16 && x < 48 && y >= 16 && y < 48) << x << "," << y;
    }
}

} // namespace
} // namespace morvane
