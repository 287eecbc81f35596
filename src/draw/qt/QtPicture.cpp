#include "draw/qt/QtPicture.h"

#include <cmath>
#include <new>

namespace morvane {
namespace {

constexpr double metresPerInch = 0.0254;

int dotsPerMetre(double dpi) {
    if (!(dpi > 0) || !std::isfinite(dpi)) {
        return static_cast<int>(std::lround(72 / metresPerInch));
    }
    return static_cast<int>(std::lround(std::min(dpi, 1e6) / metresPerInch));
}

QImage asRgb32(QImage image) {
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

Color QtRGBSurface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) {
        return RGB(255, 255, 255);
    }
    const QRgb pixel = reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x];
    return Color{pixel & 0xFFFFFFu};
}

void QtRGBSurface::setPixel(int x, int y, Color color) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) {
        return;
    }
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = 0xFF000000u | color.rgb;
}

QtPicture::QtPicture(QImage image)
    : m_image(asRgb32(std::move(image))), m_graphics(m_image), m_surface(m_image) {}

void QtPicture::setHorizontalResolution(double dpi) {
    m_image.setDotsPerMeterX(dotsPerMetre(dpi));
}

void QtPicture::setVerticalResolution(double dpi) {
    m_image.setDotsPerMeterY(dotsPerMetre(dpi));
}

double QtPicture::horizontalResolution() const {
    return m_image.dotsPerMeterX() * metresPerInch;
}

double QtPicture::verticalResolution() const {
    return m_image.dotsPerMeterY() * metresPerInch;
}

const QImage* pictureImage(const Picture& picture) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
    return qtPicture != nullptr ? &qtPicture->image() : nullptr;
}

std::unique_ptr<Picture> QtPictureFactory::NewPicture(int width, int height, int) const {
    if (width < 1 || height < 1 || width > maxSide || height > maxSide ||
        static_cast<long long>(width) * height * 4 > maxBytes) {
        return nullptr;
    }
    try {
        QImage image(width, height, QImage::Format_RGB32);
        if (image.isNull()) {
            return nullptr; // Qt could not allocate the pixels
        }
        image.fill(0xFFFFFFFFu);
        image.setDotsPerMeterX(dotsPerMetre(72));
        image.setDotsPerMeterY(dotsPerMetre(72));
        return std::make_unique<QtPicture>(std::move(image));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace morvane
