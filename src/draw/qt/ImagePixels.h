#pragma once

#include "draw/PixelShapes.h"

#include <QImage>

namespace morvane {

// Writes shapes straight into the pixels of a 32-bit QImage (RGB32 or ARGB32), clipped to the
// image: the fast path of QtGraphics on pictures, where painting thousands of small discs
// through QPainter would cost a painter call each. Coordinates are image pixels; anything
// outside the image is ignored. The image may be painted on by a QPainter between calls.
class ImagePixels {
public:
    explicit ImagePixels(QImage& image) : m_image(image) {}

    static bool suits(const QImage& image);

    PixelClip clip() const { return {0, 0, m_image.width(), m_image.height()}; }

    void fillRect(int x, int y, int w, int h, QRgb color);
    // Each run shifted by (x, y).
    void fillRuns(int x, int y, const std::vector<PixelRun>& runs, QRgb color);
    void setPixel(int x, int y, QRgb color);
    // Opaque copy of an image of the same kind with its top left at x, y.
    void copyImage(const QImage& source, int x, int y);

private:
    QImage& m_image;
};

} // namespace morvane
