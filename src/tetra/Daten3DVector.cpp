// The vector twins of the tetrahedron drawing: the same pipeline into a VectorRecorder. They
// differ from the raster steps only where the recorder does: whole-pixel text widths, no bold,
// no smoothing, rings only for the projection markers.
#include "draw/Grafik.h"
#include "draw/VectorRecorder.h"
#include "draw/gemeinsames.h"
#include "tetra/Daten3D.h"
#include "tetra/Pixels.h"

namespace morvane {

using tetra::toPixel;

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
    int creditX = 0;
    int creditY = 0;
    if (toPixel((static_cast<double>(p.Width()) - p.StringWidth(creditLine)) / 2, creditX) &&
        toPixel(CenterY * 1.6, creditY)) {
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
        const auto labels = cornerLabels();
        for (std::size_t corner = 0; corner < tet.size(); ++corner) {
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
    moveOutward(x, y, p.StringWidth(label), p.TextSize());
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
            int px = 0;
            int py = 0;
            if (markerCentre(data->row(i), px, py)) {
                p.FrameOval(px - 1, py - 1, 3, 3);
            }
        }
    }
    if (showdata) {
        const DiscSizes size = discSizes();
        for (std::int32_t i = 1; i <= count; ++i) {
            const datarow& row = data->row(i);
            int u = 0;
            int v = 0;
            if (!discCentre(row, u, v)) {
                continue;
            }
            p.setForeColor(Grafik::GetFarbe(row.farbe));
            if (size.fill > 0) {
                p.PaintOval(u - size.fill / 2, v - size.fill / 2, size.fill, size.fill);
            }
            p.setForeColor(black);
            if (size.ring > 0) {
                p.FrameOval(u - size.ring / 2, v - size.ring / 2, size.ring, size.ring);
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
    if (drawnAgain(segment)) {
        drawlineV(p, *segment.start, *segment.ende);
    }
}

void Daten3D::printdatumV(VectorRecorder& p) {
    gemeinsames::printdatumV(p, data.get(), m_services, fontsize);
}

} // namespace morvane
