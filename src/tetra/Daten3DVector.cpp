// The vector twins of the tetrahedron drawing: the same pipeline into a VectorRecorder. They
// differ from the raster steps only where the recorder does: whole-pixel text widths, no bold,
// no smoothing, rings only for the projection markers.
#include "draw/Grafik.h"
#include "draw/VectorRecorder.h"
#include "draw/gemeinsames.h"
#include "tetra/Daten3D.h"
#include "tetra/Pixels.h"

#include <cmath>

namespace morvane {

using tetra::toPixel;

namespace {

constexpr Color black = RGB(0, 0, 0);
constexpr Color edgeGrey = RGB(100, 100, 100);
constexpr int labelDistance = 20;

} // namespace

std::string Daten3D::CopyVectorImage(std::int32_t width, std::int32_t height) {
    std::unique_ptr<VectorRecorder> p = m_services.newRecorder ? m_services.newRecorder() : nullptr;
    if (!p) {
        return vectorImageErrorMessage(-1);
    }
    p->CreatePicture(width, height);
    drawV(*p, 1);
    const int err = p->CopyPicture();
    return err == 0 ? std::string() : vectorImageErrorMessage(err);
}

void Daten3D::drawV(VectorRecorder& p, int /*mode*/) {
    if (!data) {
        return;
    }
    const std::lock_guard lock(m_drawing);
    setupFrame(p.Width(), p.Height());
    rotationsmatrix();
    tetraederberechnung();
    TetraederKantenV(p);
    projectFace();
    RaumPunkteV(p);
    NochmalTetraederV(p);
    p.setForeColor(black);
    p.setTextSize(fontsize);
    const int creditX = (p.Width() - p.StringWidth(creditLine)) / 2;
    int creditY = 0;
    if (toPixel(CenterY * 1.6, creditY)) {
        p.DrawString(creditLine, creditX, creditY);
    }
    printdatumV(p);
}

void Daten3D::TetraederKantenV(VectorRecorder& p) {
    const datarow& d = tet[cornerD];
    const datarow& c = tet[cornerC];
    const datarow& b = tet[cornerB];
    const datarow& a = tet[cornerA];
    if (showline) {
        p.setForeColor(edgeGrey);
        drawlineV(p, d, c);
        drawlineV(p, d, b);
        drawlineV(p, d, a);
        drawlineV(p, a, c);
        drawlineV(p, c, b);
        drawlineV(p, b, a);
        p.setForeColor(black);
    }
    if (showtext && data) {
        int labelSize = 0;
        p.setTextSize(toPixel(fontsize * 1.5, labelSize) ? labelSize : 18);
        const std::string* labels[] = {&data->d, &data->c, &data->b, &data->a};
        for (int corner = cornerD; corner <= cornerA; ++corner) {
            int x = tet[corner].PunktX;
            int y = 0;
            toPixel(tet[corner].PunktY, y);
            moveoutv(p, x, y, *labels[corner]);
            int left = 0;
            int baseline = 0;
            if (toPixel(x + CenterX, left) && toPixel(y + CenterY, baseline)) {
                gemeinsames::drawstringV(p, *labels[corner], left, baseline);
            }
        }
    }
}

void Daten3D::drawlineV(VectorRecorder& p, const datarow& first, const datarow& second) {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (toPixel(first.PunktX + CenterX, x1) && toPixel(first.PunktY + CenterY, y1) &&
        toPixel(second.PunktX + CenterX, x2) && toPixel(second.PunktY + CenterY, y2)) {
        p.Drawline(x1, y1, x2, y2);
    }
}

void Daten3D::moveoutv(VectorRecorder& p, int& x, int& y, std::string_view label) {
    const double s = std::abs(static_cast<double>(x)) + std::abs(static_cast<double>(y));
    const double u = s == 0 ? 0 : x / s;
    const double v = s == 0 ? 0 : y / s;
    const double dx = u < 0 ? -p.StringWidth(label) : 0;
    const double dy = v > 0 ? p.TextSize() : 0;
    toPixel(u * labelDistance + x + dx, x);
    toPixel(v * labelDistance + y + dy, y);
}

void Daten3D::RaumPunkteV(VectorRecorder& p) {
    if (!data) {
        return;
    }
    placeRows();
    const std::int32_t count = data->anzahl();
    if (which >= 1 && which <= 4) {
        p.setForeColor(Grafik::heller(projektionsfarbe));
        for (std::int32_t i = 1; i <= count; ++i) {
            const datarow& row = data->row(i);
            int py = 0;
            if (row.PunktX > 0 && toPixel(row.PunktY, py) && py > 0) {
                p.FrameOval(row.PunktX - 1, py - 1, 3, 3);
            }
        }
    }
    if (showdata) {
        const std::int64_t fill = std::int64_t{kreisdicke} - 2;
        const std::int64_t ring = kreisdicke;
        const int fillSize = fill > 0 ? static_cast<int>(fill) : 0;
        const int ringSize = ring > 0 ? static_cast<int>(ring) : 0;
        for (std::int32_t i = 1; i <= count; ++i) {
            const datarow& row = data->row(i);
            int u = 0;
            int v = 0;
            if (!toPixel(CenterX + row.x * ScaleFactor, u) ||
                !toPixel(CenterY + row.z * ScaleFactor, v)) {
                continue;
            }
            p.setForeColor(Grafik::GetFarbe(row.farbe));
            if (fillSize > 0) {
                p.PaintOval(u - fillSize / 2, v - fillSize / 2, fillSize, fillSize);
            }
            p.setForeColor(black);
            if (ringSize > 0) {
                p.FrameOval(u - ringSize / 2, v - ringSize / 2, ringSize, ringSize);
            }
        }
    }
    p.setForeColor(black);
}

void Daten3D::NochmalTetraederV(VectorRecorder& p) {
    std::array<Linie, 6> edges = findHiddenEdges();
    if (!showline) {
        return;
    }
    p.setPenWidth(2);
    p.setPenHeight(2);
    p.setForeColor(black);
    for (Linie& edge : edges) {
        drawliniev(p, edge);
    }
    p.setPenWidth(1);
    p.setPenHeight(1);
}

void Daten3D::drawliniev(VectorRecorder& p, Linie& segment) {
    if (!segment.verdeckt && !segment.start->verdeckt && !segment.ende->verdeckt) {
        drawlineV(p, *segment.start, *segment.ende);
    } else {
        segment.verdeckt = true;
    }
}

void Daten3D::printdatumV(VectorRecorder& p) {
    gemeinsames::printdatumV(p, data.get(), services(), fontsize);
}

} // namespace morvane
