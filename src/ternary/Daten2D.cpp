#include "ternary/Daten2D.h"

#include "data/Dataset.h"
#include "draw/Grafik.h"
#include "draw/gemeinsames.h"

#include <optional>

namespace morvane {

using ternary::Corner;
using ternary::wholePixel;

namespace {

// Text with its left end at x and baseline at y, both truncated; nothing if they do not fit.
void drawText(Graphics& g, std::string_view text, double x, double y) {
    const std::optional<int> left = wholePixel(x);
    const std::optional<int> baseline = wholePixel(y);
    if (left && baseline) {
        g.DrawString(text, *left, *baseline);
    }
}

void drawLabel(Graphics& g, std::string_view label, double x, double y) {
    const std::optional<int> left = wholePixel(x);
    const std::optional<int> baseline = wholePixel(y);
    if (left && baseline) {
        gemeinsames::drawstring(g, label, *left, *baseline);
    }
}

} // namespace

Daten2D::Daten2D(DiagramServices services) : m_services(std::move(services)) {}

std::unique_ptr<Picture> Daten2D::makepicture(int width, int height,
                                              std::unique_ptr<Picture> previous) {
    if (!data) {
        return nullptr;
    }
    return drawnPicture(*this, m_services.pictures, width, height, std::move(previous), which);
}

void Daten2D::draw(RGBSurface* surface, Graphics& g, int mode) {
    if (data) {
        erzeugebild(surface, g, mode, which);
    }
}

void Daten2D::erzeugebild(RGBSurface* surface, Graphics& g, int /*mode*/, std::int32_t face) {
    if (!data) {
        return;
    }
    const ternary::TriangleLayout layout = ternary::triangleLayout(g.Width(), g.Height());
    printdatum(g);
    Dreieck(surface, g, layout.x0, layout.yb, layout.s);
    if (showdata) {
        drawPoints(g, face, layout);
    }
    if (showtext) {
        drawCornerLabels(g, face, layout);
    }
}

void Daten2D::Dreieck(RGBSurface* surface, Graphics& g, double x0, double yb, double s) {
    if (showraster) {
        g.setForeColor(gridGrey);
        for (const ternary::Segment& line : ternary::gridLines(x0, yb, s)) {
            drawline(surface, g, line.x1, line.y1, line.x2, line.y2);
        }
    } else if (showrand) {
        g.setPenWidth(2);
        g.setPenHeight(2);
        g.setForeColor(black);
        for (const ternary::Segment& tick : ternary::tickStrokes(x0, yb, s)) {
            drawline(surface, g, tick.x1, tick.y1, tick.x2, tick.y2);
        }
    }
    g.setForeColor(black);
    if (showrand) {
        g.setPenWidth(2);
        g.setPenHeight(2);
        for (const ternary::Segment& side : ternary::borderLines(x0, yb, s)) {
            drawline(surface, g, side.x1, side.y1, side.x2, side.y2);
        }
    }
    g.setPenWidth(1);
    g.setPenHeight(1);
    if (showtext) {
        g.setTextSize(fontsize);
        g.setBold(false);
        int k = 1;
        for (const std::string_view label : ternary::tickLabels) {
            drawText(g, label, ternary::tickLabelX(x0, s, k++), yb + 20);
        }
    }
    g.setForeColor(black);
    g.setTextSize(fontsize);
    drawText(g, creditLine, (g.Width() - g.StringWidth(creditLine)) / 2, yb + 35);
}

void Daten2D::drawline(RGBSurface* surface, Graphics& g, double x1, double y1, double x2,
                       double y2) {
    if (surface && m_services.smoothingOn()) {
        Grafik::drawfineline(g, *surface, x1, y1, x2, y2);
        return;
    }
    const std::optional<int> ix1 = wholePixel(x1);
    const std::optional<int> iy1 = wholePixel(y1);
    const std::optional<int> ix2 = wholePixel(x2);
    const std::optional<int> iy2 = wholePixel(y2);
    if (ix1 && iy1 && ix2 && iy2) {
        g.DrawLine(*ix1, *iy1, *ix2, *iy2);
    }
}

void Daten2D::printdatum(Graphics& g) {
    gemeinsames::printdatum(g, data.get(), m_services, fontsize);
}

void Daten2D::drawPoints(Graphics& g, std::int32_t face, const ternary::TriangleLayout& layout) {
    for (std::int32_t i = 1; i <= data->anzahl(); ++i) {
        datarow& row = data->row(i);
        g.setForeColor(Grafik::GetFarbe(row.farbe));
        const ternary::FacePoint point = ternary::facePoint(row, face, layout);
        if (!point.placeable) {
            continue;
        }
        const std::optional<ternary::DotBoxes> boxes =
            ternary::dotBoxes(point.px, point.py, kreisdicke);
        if (!boxes) {
            continue;
        }
        if (boxes->fillSize > 0) {
            g.FillOval(boxes->fillX, boxes->fillY, boxes->fillSize, boxes->fillSize);
        }
        g.setForeColor(black);
        if (boxes->frameSize > 0) {
            g.DrawOval(boxes->frameX, boxes->frameY, boxes->frameSize, boxes->frameSize);
        }
        row.PunktX = boxes->punktX;
        row.PunktY = point.py;
    }
    // A last row that was not drawn would otherwise leave its colour to the corner labels.
    g.setForeColor(black);
}

void Daten2D::drawCornerLabels(Graphics& g, std::int32_t face,
                               const ternary::TriangleLayout& layout) {
    if (!ternary::validFace(face)) {
        return;
    }
    const std::string& top = ternary::cornerName(*data, face, Corner::Top);
    const std::string& left = ternary::cornerName(*data, face, Corner::Left);
    const std::string& right = ternary::cornerName(*data, face, Corner::Right);
    g.setTextSize(1.5 * fontsize);
    drawLabel(g, top, (g.Width() - g.StringWidth(top)) / 2, layout.yt - 15);
    // Measured in the size the top label's last character left behind (10 after a digit).
    drawLabel(g, left, layout.x0 - 15 - g.StringWidth(left), layout.yb + 10);
    drawLabel(g, right, layout.x0 + layout.s + 15, layout.yb + 10);
}

} // namespace morvane
