#pragma once

#include "draw/Picture.h"
#include "draw/qt/QtGraphics.h"

#include <QImage>

namespace morvane {

// Pixel access to a QImage; reads outside the image give white, writes there are ignored.
class QtRGBSurface : public RGBSurface {
public:
    explicit QtRGBSurface(QImage& image) : m_image(image) {}

    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    Color Pixel(int x, int y) const override;
    void setPixel(int x, int y, Color color) override;

private:
    QImage& m_image;
};

// A picture on a QImage of Format_RGB32, with its drawing surface (QtGraphics drawing straight
// into the pixels) and its pixel surface. Made by QtPictureFactory.
class QtPicture : public Picture {
public:
    // Takes the image as it is, converted to RGB32 if need be (QtPictureFactory makes a white
    // one at 72 dpi).
    explicit QtPicture(QImage image);
    QtPicture(const QtPicture&) = delete;
    QtPicture& operator=(const QtPicture&) = delete;

    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    Graphics& graphics() override { return m_graphics; }
    RGBSurface& rgbSurface() override { return m_surface; }
    void setHorizontalResolution(double dpi) override;
    void setVerticalResolution(double dpi) override;
    // Dots per inch, as stored (whole dots per metre).
    double horizontalResolution() const;
    double verticalResolution() const;

    // The pixels, e.g. to show the picture on a canvas or put it on the clipboard.
    const QImage& image() const { return m_image; }

private:
    QImage m_image;
    QtGraphics m_graphics;
    QtRGBSurface m_surface;
};

// The image behind a picture made by QtPictureFactory; none for any other picture.
const QImage* pictureImage(const Picture& picture);

// Makes QtPictures: blank white, Format_RGB32, 72 dpi.
class QtPictureFactory : public PictureFactory {
public:
    // Sides above this many pixels are refused (QuickDraw's coordinate range).
    static constexpr int maxSide = 32767;
    // More pixel memory than this is refused.
    static constexpr long long maxBytes = 1LL << 30;

    // Any depth gives a 32-bit picture. None when a side is below 1 or beyond the limits, or
    // when the memory cannot be had.
    std::unique_ptr<Picture> NewPicture(int width, int height, int depth) const override;
};

} // namespace morvane
