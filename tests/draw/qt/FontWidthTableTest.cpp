#include "FontWidthTable.h"

#include "data/TextCodec.h"
#include "draw/MacPictZeptar.h"
#include "draw/PictFontWidths.h"
#include "draw/qt/BundledFonts.h"
#include "draw/qt/QtGraphics.h"

#include <QFile>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace morvane {
namespace {

QByteArray bundledRegularFace() {
    registerBundledFonts();
    QFile face(":/morvane/fonts/LiberationSans-Regular.ttf");
    return face.open(QIODevice::ReadOnly) ? face.readAll() : QByteArray();
}

TEST(FontWidthTable, MatchesTheBundledFace) {
    // When this fails the face has changed: regenerate src/draw/PictFontWidths.cpp with
    // generate_font_widths.
    int unitsPerEm = 0;
    const auto advances = test::macRomanAdvances(bundledRegularFace(), unitsPerEm);
    ASSERT_EQ(unitsPerEm, PictFontWidths::unitsPerEm);
    for (std::size_t code = 0; code < advances.size(); ++code) {
        EXPECT_EQ(PictFontWidths::helvetica[code], advances[code]) << "code " << code;
    }
}

TEST(FontWidthTable, RecorderWidthsAreTheDrawingSurfacesRounded) {
    // The vector picture and the raster picture lay out labels alike.
    QImage image(10, 10, QImage::Format_RGB32);
    QtGraphics g(image);
    g.setTextFont("Helvetica");
    MacPictZeptar recorder;
    for (int size : {10, 12, 18}) {
        g.setTextSize(size);
        recorder.setTextSize(size);
        for (int code = 0x20; code < 256; ++code) {
            if (code == 0x7F || code == 0xF0) {
                continue; // no glyph: the Apple logo
            }
            const std::string character =
                TextCodec::decode(std::string(1, static_cast<char>(code)), TextEncoding::MacRoman);
            ASSERT_EQ(recorder.StringWidth(character),
                      static_cast<int>(std::lround(g.StringWidth(character))))
                << "code " << code << " at " << size;
        }
    }
}

} // namespace
} // namespace morvane
