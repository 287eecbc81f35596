#pragma once

#include "draw/Graphics.h"
#include "draw/PixelShapes.h"

#include <QColor>
#include <QFont>
#include <memory>
#include <optional>
#include <string>

class QImage;
class QPainter;
class QPaintDevice;

namespace morvane {

class ImagePixels;

// Graphics on any Qt paint device: pictures, canvases and printers alike. Pixels, origin top
// left, y down; text sizes are pixels (points of a 72-dpi screen) whatever the device's
// resolution; no antialiasing of shapes (text is smoothed).
//
// Where one pixel of this surface is one device pixel (an image or a canvas without scaling),
// lines, rectangles and ovals cover exactly the pixels PixelShapes gives: a w x h box covers
// x .. x + w - 1 and y .. y + h - 1, a line covers both end points, and the pen hangs below
// and to the right. On an RGB32 or ARGB32 QImage these shapes and single pixels are written
// straight into the image, which makes thousands of discs cheap. Where the painter scales (a
// printer laid out in 72-dpi points), the same shapes are drawn as smooth outlines of the same
// boxes and pen areas.
//
// Fonts: "Helvetica" (any case) and the default font resolve to the bundled face when the
// system has no Helvetica (see BundledFonts.h); text needs a QGuiApplication.
class QtGraphics : public Graphics {
public:
    // Draws on `device`; `scale` device pixels make one pixel of this surface (a printer at
    // 600 dpi passes 600 / 72.0), so Width and Height are the device's size divided by it,
    // truncated. An RGB32/ARGB32 QImage at scale 1 is drawn on directly, with a short-lived
    // painter for text only; any other device gets a painter for the life of this object
    // (ending it finishes a print job).
    explicit QtGraphics(QPaintDevice& device, double scale = 1.0);
    // Draws through a painter that the caller keeps active (a widget's paint event); width and
    // height in the painter's coordinates.
    QtGraphics(QPainter& painter, int width, int height);
    ~QtGraphics() override;
    QtGraphics(const QtGraphics&) = delete;
    QtGraphics& operator=(const QtGraphics&) = delete;

    Color ForeColor() const override { return m_foreColor; }
    void setForeColor(Color color) override { m_foreColor = color; }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

    void setTextFont(std::string_view name) override { m_fontName = name; }
    // Pixels; 0 (or less) means defaultTextSize. Qt loads fonts at whole pixel sizes, so a
    // fraction is rounded to the nearest whole size.
    void setTextSize(double points) override { m_textSize = points; }
    void setBold(bool bold) override { m_bold = bold; }
    // Below 1 pixel, lines and frames draw nothing.
    void setPenWidth(int pixels) override { m_penWidth = pixels; }
    void setPenHeight(int pixels) override { m_penHeight = pixels; }
    // The font's line spacing (ascent + descent + leading), rounded to whole pixels.
    int TextHeight() const override;

    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawOval(int x, int y, int w, int h) override;
    void FillOval(int x, int y, int w, int h) override;
    void DrawRect(int x, int y, int w, int h) override;
    void FillRect(int x, int y, int w, int h) override;
    void ClearRect(int x, int y, int w, int h) override;
    void DrawString(std::string_view text, int x, int y) override;
    double StringWidth(std::string_view text) const override;
    // Pictures made by QtPictureFactory are copied directly; others pixel by pixel.
    void DrawPicture(const Picture& picture, int x, int y) override;
    void setPixel(int x, int y, Color color) override;
    // A 32 x 32 warning triangle with its top left at x, y.
    void DrawCautionIcon(int x, int y) override;

    static constexpr double defaultTextSize = 12;

    // The font that text is drawn and measured with now, for `device`'s resolution.
    QFont font(const QPaintDevice& device) const;

private:
    // The painter of a painter-drawn device, or a fresh one on the image for text.
    class PainterScope;

    bool drawsPixels() const;
    PixelClip pixelClip() const;
    void fillPixelRect(int x, int y, int w, int h, Color color);
    void fillPixelRuns(int x, int y, const std::vector<PixelRun>& runs, Color color);
    void fillLargeOval(int x, int y, int w, int h, int penWidth, int penHeight);
    void fillSmoothOval(int x, int y, int w, int h, int penWidth, int penHeight);
    const QPaintDevice& measuringDevice() const;

    QImage* m_image = nullptr;             // drawn on directly
    std::unique_ptr<ImagePixels> m_pixels; // with m_image
    std::unique_ptr<QPainter> m_ownPainter;
    QPainter* m_painter = nullptr; // the painter of every other device
    int m_width = 0;
    int m_height = 0;
    OvalShapeCache m_ovals;

    Color m_foreColor;
    std::string m_fontName;
    double m_textSize = defaultTextSize;
    bool m_bold = false;
    int m_penWidth = 1;
    int m_penHeight = 1;
};

} // namespace morvane
