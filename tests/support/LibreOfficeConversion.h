#pragma once

// Checks vector pictures with a reader nobody here wrote: LibreOffice (Debian package
// libreoffice-draw-nogui) converts a file, e.g. a .pict written by MacPictZeptar::savePict, to
// PNG or SVG, and these helpers find the drawing on the converted page and read the SVG's
// texts.
//
//   TemporaryFolder folder;
//   recorder.savePict(folder / "graph.pict");
//   auto png = convertWithLibreOffice(folder / "graph.pict", "png", folder.path());
//   ASSERT_TRUE(png) << png.log;                 // soffice exits 0 even when it rejects a file
//   QImage page(QString::fromStdString(png.output.string()));
//   PageLocation where = locateDrawing(page, QRectF(0, 0, width, height));
//   QColor centre = page.pixelColor(where.toPage(200.5, 150.5));
//
// LibreOffice puts the picture on an A4 page (794 x 1123 pixels at 96 dpi), centred and
// scaled, so pixels are found through locateDrawing. To make the drawing's extent known, paint
// two small marks at opposite corners of the frame, e.g. PaintOval(0, 0, 4, 4) and
// PaintOval(w - 4, h - 4, 4, 4), and pass the frame as `content`.
//
// Each conversion runs soffice with a private profile in a fresh temporary folder, so test
// programs may convert in parallel. A conversion takes a few seconds (LibreOffice's start).

#include <QImage>
#include <QPointF>
#include <QRect>
#include <filesystem>
#include <string>
#include <vector>

namespace morvane::test {

// The soffice program: $MORVANE_SOFFICE when set, else soffice on the PATH, else
// /usr/bin/soffice; empty when none exists.
std::filesystem::path libreOfficeProgram();

struct Conversion {
    std::filesystem::path output; // the converted file; empty when LibreOffice wrote none
    std::string log;              // what soffice printed, for failure messages
    explicit operator bool() const { return !output.empty(); }
};

// Converts `input` to `format` ("png", "svg", "pdf", ...) into `outputFolder`, where the result
// is named like the input with the format's extension. Blocks until soffice ends.
Conversion convertWithLibreOffice(const std::filesystem::path& input, const std::string& format,
                                  const std::filesystem::path& outputFolder);

// The bounding box of the pixels of `image` that are darker than `whiteLevel` in any channel;
// an empty rectangle when every pixel is white.
QRect nonWhiteBounds(const QImage& image, int whiteLevel = 250);

// Where a picture landed on a converted page: page = offset + scale * picture coordinate.
struct PageLocation {
    QRect drawing; // the non-white bounding box on the page; empty when nothing was drawn
    double scaleX = 0;
    double scaleY = 0;
    double offsetX = 0;
    double offsetY = 0;

    bool found() const { return !drawing.isEmpty(); }
    // The page pixel under the picture point (x, y), in picture pixels (use x + 0.5 for the
    // centre of pixel x).
    QPoint toPage(double x, double y) const;
};

// Matches the non-white bounding box of `page` to `content`, the extent in picture pixels of
// what was drawn (the right and bottom edges exclusive, as QuickDraw boxes).
PageLocation locateDrawing(const QImage& page, const QRectF& content, int whiteLevel = 250);

// One text of an SVG file written by LibreOffice.
struct SvgText {
    std::string text;    // UTF-8, the characters of all its spans
    double fontSize = 0; // as written (LibreOffice writes 1/100 mm: 635 for 18 points)
    std::string fontFamily;
    // Where the text starts: the first x and y inside it, in the units of the document.
    double x = 0;
    double y = 0;
};

// The texts of every <text> element of an SVG document, in document order.
std::vector<SvgText> svgTexts(const std::string& svg);

// Points to LibreOffice's SVG units (1/100 mm), rounded as LibreOffice rounds them.
int pointsToSvgUnits(double points);

} // namespace morvane::test
