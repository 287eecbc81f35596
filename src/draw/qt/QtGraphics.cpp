#include "draw/qt/QtGraphics.h"

#include "draw/qt/BundledFonts.h"
#include "draw/qt/ImagePixels.h"
#include "draw/qt/QtPicture.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace morvane {
namespace {

QColor toQColor(Color color) {
    return QColor(color.red(), color.green(), color.blue());
}

QRgb toQRgb(Color color) {
    return 0xFF000000u | color.rgb;
}

// The rectangle x, y, w, h cut to the clip, in 64 bits so that absurd sizes cannot overflow.
bool clipRect(const PixelClip& clip, int& x, int& y, int& w, int& h) {
    const long long left = std::max<long long>(x, clip.left);
    const long long top = std::max<long long>(y, clip.top);
    const long long right =
        std::min(static_cast<long long>(x) + w, static_cast<long long>(clip.right));
    const long long bottom =
        std::min(static_cast<long long>(y) + h, static_cast<long long>(clip.bottom));
    if (left >= right || top >= bottom) {
        return false;
    }
    x = static_cast<int>(left);
    y = static_cast<int>(top);
    w = static_cast<int>(right - left);
    h = static_cast<int>(bottom - top);
    return true;
}

} // namespace

class QtGraphics::PainterScope {
public:
    explicit PainterScope(QtGraphics& graphics) {
        if (graphics.m_painter != nullptr) {
            m_painter = graphics.m_painter;
            m_painter->save();
        } else if (graphics.m_image != nullptr) {
            m_own.emplace(graphics.m_image);
            m_painter = &*m_own;
        }
        if (m_painter != nullptr) {
            m_painter->setRenderHint(QPainter::Antialiasing, false);
            m_painter->setRenderHint(QPainter::TextAntialiasing, true);
        }
    }
    ~PainterScope() {
        if (m_own) {
            m_own->end();
        } else if (m_painter != nullptr) {
            m_painter->restore();
        }
    }
    PainterScope(const PainterScope&) = delete;
    PainterScope& operator=(const PainterScope&) = delete;

    explicit operator bool() const { return m_painter != nullptr && m_painter->isActive(); }
    QPainter* operator->() const { return m_painter; }

private:
    std::optional<QPainter> m_own;
    QPainter* m_painter = nullptr;
};

QtGraphics::QtGraphics(QPaintDevice& device, double scale) {
    if (scale == 1.0 && device.devType() == QInternal::Image) {
        auto& image = static_cast<QImage&>(device);
        if (ImagePixels::suits(image)) {
            m_image = &image;
            m_pixels = std::make_unique<ImagePixels>(image);
            m_width = image.width();
            m_height = image.height();
            return;
        }
    }
    if (!(scale > 0) || !std::isfinite(scale)) {
        scale = 1.0;
    }
    m_width = static_cast<int>(device.width() / scale);
    m_height = static_cast<int>(device.height() / scale);
    m_ownPainter = std::make_unique<QPainter>();
    if (m_ownPainter->begin(&device)) {
        m_painter = m_ownPainter.get();
        m_painter->scale(scale, scale);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
}

QtGraphics::QtGraphics(QPainter& painter, int width, int height)
    : m_painter(painter.isActive() ? &painter : nullptr), m_width(width), m_height(height) {}

QtGraphics::~QtGraphics() = default;

bool QtGraphics::drawsPixels() const {
    if (m_pixels) {
        return true;
    }
    if (m_painter == nullptr) {
        return false;
    }
    const QTransform& transform = m_painter->transform();
    return transform.type() <= QTransform::TxTranslate &&
           transform.dx() == std::trunc(transform.dx()) &&
           transform.dy() == std::trunc(transform.dy());
}

PixelClip QtGraphics::pixelClip() const {
    if (m_pixels) {
        return m_pixels->clip();
    }
    if (m_painter == nullptr) {
        return {0, 0, 0, 0};
    }
    // The device's area in this surface's coordinates, with a pixel to spare where the painter
    // scales.
    const QRectF area = m_painter->transform().inverted().mapRect(
        QRectF(0, 0, m_painter->device()->width(), m_painter->device()->height()));
    return {static_cast<int>(std::floor(area.left())) - 1,
            static_cast<int>(std::floor(area.top())) - 1,
            static_cast<int>(std::ceil(area.right())) + 1,
            static_cast<int>(std::ceil(area.bottom())) + 1};
}

void QtGraphics::fillPixelRect(int x, int y, int w, int h, Color color) {
    if (m_pixels) {
        m_pixels->fillRect(x, y, w, h, toQRgb(color));
    } else if (m_painter != nullptr && clipRect(pixelClip(), x, y, w, h)) {
        m_painter->fillRect(x, y, w, h, toQColor(color));
    }
}

void QtGraphics::fillPixelRuns(int x, int y, const std::vector<PixelRun>& runs, Color color) {
    if (m_pixels) {
        m_pixels->fillRuns(x, y, runs, toQRgb(color));
        return;
    }
    if (m_painter == nullptr) {
        return;
    }
    // One painter call for the whole shape: per-run calls cost more than the pixels.
    const PixelClip clip = pixelClip();
    QVarLengthArray<QRect, 64> rects;
    for (const PixelRun& run : runs) {
        const long long row = static_cast<long long>(y) + run.y;
        const long long left = std::max<long long>(static_cast<long long>(x) + run.left, clip.left);
        const long long right =
            std::min<long long>(static_cast<long long>(x) + run.right, clip.right);
        if (row >= clip.top && row < clip.bottom && left < right) {
            rects.append(QRect(static_cast<int>(left), static_cast<int>(row),
                               static_cast<int>(right - left), 1));
        }
    }
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(toQColor(color));
    m_painter->drawRects(rects.constData(), static_cast<int>(rects.size()));
}

void QtGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    if (m_penWidth < 1 || m_penHeight < 1) {
        return;
    }
    if (drawsPixels()) {
        PixelShapes::lineRects(
            x1, y1, x2, y2, m_penWidth, m_penHeight, pixelClip(),
            [&](int x, int y, int w, int h) { fillPixelRect(x, y, w, h, m_foreColor); });
        return;
    }
    if (m_painter == nullptr) {
        return;
    }
    QPolygonF outline;
    for (const auto& [x, y] : PixelShapes::penSweep(x1, y1, x2, y2, m_penWidth, m_penHeight)) {
        outline << QPointF(x, y);
    }
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(toQColor(m_foreColor));
    m_painter->drawPolygon(outline);
}

void QtGraphics::fillLargeOval(int x, int y, int w, int h, int penWidth, int penHeight) {
    const PixelClip clip = pixelClip();
    const long long first = std::max(0LL, static_cast<long long>(clip.top) - y);
    const long long last =
        std::min(static_cast<long long>(h), static_cast<long long>(clip.bottom) - y);
    PixelRun runs[2];
    for (long long j = first; j < last; ++j) {
        int count = 0;
        if (penWidth < 0) {
            const auto [left, right] = PixelShapes::ovalRow(w, h, static_cast<int>(j));
            runs[0] = {static_cast<int>(j), left, right};
            count = left < right ? 1 : 0;
        } else {
            count =
                PixelShapes::framedOvalRow(w, h, penWidth, penHeight, static_cast<int>(j), runs);
        }
        for (int i = 0; i < count; ++i) {
            const long long left =
                std::max<long long>(static_cast<long long>(x) + runs[i].left, clip.left);
            const long long right =
                std::min<long long>(static_cast<long long>(x) + runs[i].right, clip.right);
            if (left < right) {
                fillPixelRect(static_cast<int>(left), static_cast<int>(y + j),
                              static_cast<int>(right - left), 1, m_foreColor);
            }
        }
    }
}

void QtGraphics::fillSmoothOval(int x, int y, int w, int h, int penWidth, int penHeight) {
    if (m_painter == nullptr) {
        return;
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(QRectF(x, y, w, h));
    if (penWidth >= 1 && 2 * penWidth < w && 2 * penHeight < h) {
        path.addEllipse(QRectF(x + penWidth, y + penHeight, w - 2 * penWidth, h - 2 * penHeight));
    }
    m_painter->fillPath(path, toQColor(m_foreColor));
}

void QtGraphics::DrawOval(int x, int y, int w, int h) {
    if (w < 1 || h < 1 || m_penWidth < 1 || m_penHeight < 1) {
        return;
    }
    if (!drawsPixels()) {
        fillSmoothOval(x, y, w, h, m_penWidth, m_penHeight);
    } else if (w <= OvalShapeCache::largeOval && h <= OvalShapeCache::largeOval) {
        fillPixelRuns(x, y, m_ovals.framed(w, h, m_penWidth, m_penHeight), m_foreColor);
    } else {
        fillLargeOval(x, y, w, h, m_penWidth, m_penHeight);
    }
}

void QtGraphics::FillOval(int x, int y, int w, int h) {
    if (w < 1 || h < 1) {
        return;
    }
    if (!drawsPixels()) {
        fillSmoothOval(x, y, w, h, -1, -1);
    } else if (w <= OvalShapeCache::largeOval && h <= OvalShapeCache::largeOval) {
        fillPixelRuns(x, y, m_ovals.filled(w, h), m_foreColor);
    } else {
        fillLargeOval(x, y, w, h, -1, -1);
    }
}

void QtGraphics::DrawRect(int x, int y, int w, int h) {
    PixelShapes::frameRects(x, y, w, h, m_penWidth, m_penHeight,
                            [&](int left, int top, int width, int height) {
                                fillPixelRect(left, top, width, height, m_foreColor);
                            });
}

void QtGraphics::FillRect(int x, int y, int w, int h) {
    if (w >= 1 && h >= 1) {
        fillPixelRect(x, y, w, h, m_foreColor);
    }
}

void QtGraphics::ClearRect(int x, int y, int w, int h) {
    if (w >= 1 && h >= 1) {
        fillPixelRect(x, y, w, h, RGB(255, 255, 255));
    }
}

void QtGraphics::setPixel(int x, int y, Color color) {
    if (m_pixels) {
        m_pixels->setPixel(x, y, toQRgb(color));
    } else {
        fillPixelRect(x, y, 1, 1, color);
    }
}

const QPaintDevice& QtGraphics::measuringDevice() const {
    if (m_image != nullptr) {
        return *m_image;
    }
    if (m_painter != nullptr) {
        return *m_painter->device();
    }
    // A detached surface still measures text, at the resolution of a fresh picture.
    static const QImage reference = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(2835);
        return image;
    }();
    return reference;
}

QFont QtGraphics::font(const QPaintDevice& device) const {
    QFont result(resolveFontFamily(m_fontName));
    const double pixels = m_textSize > 0 ? m_textSize : defaultTextSize;
    // Qt turns points into pixels at the device's resolution; undo that so one point is one
    // pixel of this surface.
    result.setPointSizeF(pixels * 72.0 / std::max(device.logicalDpiY(), 1));
    result.setBold(m_bold);
    // Unhinted outlines keep advances linear in the size: the same widths on every machine.
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

int QtGraphics::TextHeight() const {
    const QPaintDevice& device = measuringDevice();
    return static_cast<int>(std::lround(QFontMetricsF(font(device), &device).lineSpacing()));
}

double QtGraphics::StringWidth(std::string_view text) const {
    const QPaintDevice& device = measuringDevice();
    return QFontMetricsF(font(device), &device)
        .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtGraphics::DrawString(std::string_view text, int x, int y) {
    if (text.empty()) {
        return;
    }
    PainterScope painter(*this);
    if (!painter) {
        return;
    }
    painter->setFont(font(*painter->device()));
    painter->setPen(toQColor(m_foreColor));
    painter->drawText(QPointF(x, y),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtGraphics::DrawPicture(const Picture& picture, int x, int y) {
    if (const QImage* image = pictureImage(picture)) {
        if (m_pixels) {
            m_pixels->copyImage(*image, x, y);
        } else if (m_painter != nullptr) {
            m_painter->drawImage(QPoint(x, y), *image);
        }
        return;
    }
    // Another kind of picture: copied through its pixel surface, which reading leaves unchanged.
    RGBSurface& source = const_cast<Picture&>(picture).rgbSurface();
    for (int row = 0; row < source.Height(); ++row) {
        for (int column = 0; column < source.Width(); ++column) {
            setPixel(x + column, y + row, source.Pixel(column, row));
        }
    }
}

void QtGraphics::DrawCautionIcon(int x, int y) {
    PainterScope painter(*this);
    if (!painter) {
        return;
    }
    const QPolygon triangle{QPoint(x + 15, y + 1),  QPoint(x + 16, y + 1), QPoint(x + 31, y + 29),
                            QPoint(x + 31, y + 30), QPoint(x + 0, y + 30), QPoint(x + 0, y + 29)};
    painter->setPen(QColor(0, 0, 0));
    painter->setBrush(QColor(255, 204, 0));
    painter->drawPolygon(triangle);
    painter->fillRect(x + 14, y + 9, 4, 12, QColor(0, 0, 0));
    painter->fillRect(x + 14, y + 24, 4, 4, QColor(0, 0, 0));
}

} // namespace morvane
