#include "draw/gemeinsames.h"
#include "draw/qt/BundledFonts.h"
#include "draw/qt/QtGraphics.h"
#include "draw/qt/QtPicture.h"

#include <QFontInfo>
#include <QImage>
#include <gtest/gtest.h>

namespace morvane {
namespace {

// Liberation Sans, like Helvetica: "M" is 1706 units of 2048 wide, cap height 1409.
constexpr double widthOfM = 1706.0 / 2048;
// Qt measures in 1/64 pixel.
constexpr double qtPrecision = 1.0 / 64;

QImage whiteImage(int width, int height, double dpi) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

// Bounding box of the pixels darker than mid grey.
QRect inkBounds(const QImage& image, const QRect& within) {
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST(Text, HelveticaIsTheBundledFaceWhereTheSystemHasNone) {
    ASSERT_TRUE(registerBundledFonts());
    if (systemHasHelvetica()) {
        GTEST_SKIP() << "this system has its own Helvetica";
    }
    EXPECT_EQ(resolveFontFamily("Helvetica"), "Liberation Sans");
    EXPECT_EQ(resolveFontFamily("helvetica"), "Liberation Sans");
    EXPECT_EQ(resolveFontFamily(""), "Liberation Sans");
    EXPECT_EQ(resolveFontFamily("Courier"), "Courier");
    QImage image = whiteImage(10, 10, 72);
    QtGraphics g(image);
    EXPECT_EQ(QFontInfo(g.font(image)).family(), "Liberation Sans"); // the default font
    g.setTextFont("helvetica");
    EXPECT_EQ(QFontInfo(g.font(image)).family(), "Liberation Sans");
    // Code that makes its own QFont gets it too.
    EXPECT_EQ(QFontInfo(QFont("Helvetica")).family(), "Liberation Sans");
}

TEST(Text, OnePointIsOnePixelAtEveryResolution) {
    for (double dpi : {72.0, 96.0, 144.0}) {
        SCOPED_TRACE(dpi);
        QImage image = whiteImage(10, 10, dpi);
        QtGraphics g(image);
        g.setTextFont("Helvetica");
        g.setTextSize(18);
        EXPECT_NEAR(g.StringWidth("M"), 18 * widthOfM, qtPrecision);
    }
    // A printer laid out in 72-dpi points measures in points too.
    QImage device = whiteImage(40, 40, 600);
    QtGraphics printer(device, 600 / 72.0);
    printer.setTextSize(18);
    EXPECT_NEAR(printer.StringWidth("M"), 18 * widthOfM, qtPrecision);
}

TEST(Text, SizesBoldAndLineHeight) {
    QImage image = whiteImage(10, 10, 72);
    QtGraphics g(image);
    g.setTextFont("Helvetica");
    EXPECT_NEAR(g.StringWidth("M"), 12 * widthOfM, qtPrecision); // 12 until told otherwise
    g.setTextSize(13.5);                                         // fonts come in whole pixels: 14
    EXPECT_NEAR(g.StringWidth("MM"), 28 * widthOfM, qtPrecision);
    g.setTextSize(0);
    EXPECT_NEAR(g.StringWidth("M"), 12 * widthOfM, qtPrecision);
    EXPECT_EQ(g.StringWidth(""), 0);
    // Line spacing of Liberation Sans: (1854 + 434 + 67) / 2048 of the size.
    EXPECT_EQ(g.TextHeight(), 14); // 13.8
    g.setTextSize(18);
    EXPECT_EQ(g.TextHeight(), 21); // 20.7
    const double regular = g.StringWidth("Tetraeder");
    g.setBold(true);
    EXPECT_GT(g.StringWidth("Tetraeder"), regular);
}

TEST(Text, GlyphsStandOnTheBaselineAtTheirPixelSize) {
    QImage image = whiteImage(200, 200, 96); // the resolution must not matter
    QtGraphics g(image);
    g.setTextFont("Helvetica");
    g.setTextSize(100);
    g.DrawString("H", 10, 150);
    const QRect ink = inkBounds(image, image.rect());
    EXPECT_EQ(ink.bottom(), 149);
    EXPECT_NEAR(ink.height(), 1409 * 100.0 / 2048, 1.0); // the cap height, 68.8 pixels
    EXPECT_GE(ink.left(), 10);
    EXPECT_LT(ink.left(), 20);
}

TEST(Text, LabelDigitsAreSmallAndTwoPixelsLower) {
    auto picture = QtPictureFactory().NewPicture(200, 100, 32);
    ASSERT_TRUE(picture);
    Graphics& g = picture->graphics();
    g.setTextFont("Helvetica");
    g.setTextSize(18);
    const int digitStart = 20 + static_cast<int>(g.StringWidth("H"));
    gemeinsames::drawstring(g, "H2", 20, 60);
    const QImage& image = *pictureImage(*picture);
    const QRect letter = inkBounds(image, QRect(0, 0, digitStart, 100));
    const QRect digit = inkBounds(image, QRect(digitStart, 0, 200 - digitStart, 100));
    EXPECT_EQ(letter.bottom(), 59);
    EXPECT_EQ(digit.bottom(), 61);
    EXPECT_NEAR(digit.height(), 1409 * 10.0 / 2048, 1.0); // a 10-pixel digit
    EXPECT_NEAR(letter.height(), 1409 * 18.0 / 2048, 1.0);
}

} // namespace
} // namespace morvane
