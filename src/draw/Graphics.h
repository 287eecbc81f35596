#pragma once

#include "draw/Color.h"

#include <string_view>

namespace morvane {

class Picture;

// A drawing surface: a picture, a canvas, a printed page. Pixels, origin top left, y down; the
// caller converts reals to whole pixels. Text is UTF-8. Text sizes are points of a 72-dpi
// screen, so one point is one pixel.
class Graphics {
public:
    virtual ~Graphics() = default;

    virtual Color ForeColor() const = 0;
    virtual void setForeColor(Color color) = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // "Helvetica" (any case); a surface without it uses a face with the same metrics.
    virtual void setTextFont(std::string_view name) = 0;
    // Point size, fractions accepted; 0 means the default size.
    virtual void setTextSize(double points) = 0;
    virtual void setBold(bool bold) = 0;
    // Pen size in pixels for lines and frames (1 or 2). The pen hangs below and to the right.
    virtual void setPenWidth(int pixels) = 0;
    virtual void setPenHeight(int pixels) = 0;
    // Line height of the current font in whole pixels.
    virtual int TextHeight() const = 0;

    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // Ellipse outline / filled ellipse inscribed in the box at x, y of w x h pixels.
    virtual void DrawOval(int x, int y, int w, int h) = 0;
    virtual void FillOval(int x, int y, int w, int h) = 0;
    virtual void DrawRect(int x, int y, int w, int h) = 0;
    virtual void FillRect(int x, int y, int w, int h) = 0;
    // Erases to the blank (white) background.
    virtual void ClearRect(int x, int y, int w, int h) = 0;
    // One line of text: x at its left end, y on its baseline; no wrapping.
    virtual void DrawString(std::string_view text, int x, int y) = 0;
    // Width with the current font, size and style, in (fractional) pixels.
    virtual double StringWidth(std::string_view text) const = 0;
    // The whole picture unscaled with its top left at x, y (which may be negative).
    virtual void DrawPicture(const Picture& picture, int x, int y) = 0;
    virtual void setPixel(int x, int y, Color color) = 0;
    virtual void DrawCautionIcon(int x, int y) = 0;
};

} // namespace morvane
