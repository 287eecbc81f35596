#include "draw/qt/ImagePixels.h"

#include <algorithm>
#include <cstring>

namespace morvane {
namespace {

// Clips [from, from + length) to [0, limit); false when nothing is left.
bool clipSpan(long long& from, long long& to, int limit) {
    from = std::max(from, 0LL);
    to = std::min(to, static_cast<long long>(limit));
    return from < to;
}

} // namespace

bool ImagePixels::suits(const QImage& image) {
    return !image.isNull() &&
           (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
            image.format() == QImage::Format_ARGB32_Premultiplied);
}

void ImagePixels::fillRect(int x, int y, int w, int h, QRgb color) {
    long long left = x;
    long long right = static_cast<long long>(x) + w;
    long long top = y;
    long long bottom = static_cast<long long>(y) + h;
    if (!clipSpan(left, right, m_image.width()) || !clipSpan(top, bottom, m_image.height())) {
        return;
    }
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (long long row = top; row < bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(bits + row * stride);
        std::fill(line + left, line + right, color);
    }
}

void ImagePixels::fillRuns(int x, int y, const std::vector<PixelRun>& runs, QRgb color) {
    const int width = m_image.width();
    const int height = m_image.height();
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const long long originX = x;
    const long long originY = y;
    for (const PixelRun& run : runs) {
        const long long row = originY + run.y;
        if (row < 0 || row >= height) {
            continue;
        }
        const long long left = std::max(originX + run.left, 0LL);
        const long long right = std::min(originX + run.right, static_cast<long long>(width));
        if (left >= right) {
            continue;
        }
        auto* line = reinterpret_cast<QRgb*>(bits + row * stride);
        std::fill(line + left, line + right, color);
    }
}

void ImagePixels::setPixel(int x, int y, QRgb color) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) {
        return;
    }
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = color;
}

void ImagePixels::copyImage(const QImage& source, int x, int y) {
    const QImage converted =
        source.format() == m_image.format() ? source : source.convertToFormat(m_image.format());
    long long left = x;
    long long right = static_cast<long long>(x) + converted.width();
    long long top = y;
    long long bottom = static_cast<long long>(y) + converted.height();
    if (!clipSpan(left, right, m_image.width()) || !clipSpan(top, bottom, m_image.height())) {
        return;
    }
    for (long long row = top; row < bottom; ++row) {
        const auto* from =
            reinterpret_cast<const QRgb*>(converted.constScanLine(static_cast<int>(row - y)));
        auto* to = reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(row)));
        std::memmove(to + left, from + (left - x),
                     static_cast<std::size_t>(right - left) * sizeof(QRgb));
    }
}

} // namespace morvane
