#include "tetra/Daten3D.h"

#include "base/Mathe.h"
#include "draw/Grafik.h"
#include "draw/Graphics.h"
#include "draw/RGBSurface.h"
#include "draw/gemeinsames.h"
#include "tetra/Pixels.h"

#include <algorithm>
#include <cmath>

namespace morvane {

using tetra::toPixel;

namespace {

// Stores a projected position as the face projection keeps it: PunktX whole, PunktY real.
void storeProjection(datarow& row, double px, double py) {
    int whole = 0;
    if (toPixel(px, whole) && std::abs(py) < tetra::pixelLimit) {
        row.PunktX = whole;
        row.PunktY = py;
    } else {
        row.PunktX = 0; // px <= 0: no marker
        row.PunktY = 0;
    }
}

// Places every row on a face from its renormalised shares (`place` sets x, y, z), rotates it
// and stores its absolute picture position.
template <typename Place>
void projectRows(Daten3D& model, Place place) {
    if (!model.data) {
        return;
    }
    for (std::int32_t i = 1; i <= model.data->anzahl(); ++i) {
        datarow& row = model.data->row(i);
        place(row);
        model.matrixm(row);
        storeProjection(row, model.CenterX + row.x * model.ScaleFactor,
                        model.CenterY + row.z * model.ScaleFactor);
    }
}

} // namespace

Daten3D::Daten3D(DiagramServices services) : m_services(std::move(services)) {}

void Daten3D::WinkelPosition(std::int32_t w1, std::int32_t w2, std::int32_t w3) {
    winkel1 = w1;
    winkel2 = w2;
    winkel3 = w3;
}

void Daten3D::setupFrame(int width, int height) {
    CenterX = width / 2.0;
    CenterY = height / 2.0;
    ScaleFactor = std::min(CenterX / 2, CenterY / 2);
}

void Daten3D::rotationsmatrix() {
    const double a = winkel1 * Mathe::pi / 180;
    const double b = winkel2 * Mathe::pi / 180;
    const double c = winkel3 * Mathe::pi / 180;
    const double ca = std::cos(a), sa = std::sin(a);
    const double cb = std::cos(b), sb = std::sin(b);
    const double cc = std::cos(c), sc = std::sin(c);
    mm(1, 1) = cb * cc;
    mm(1, 2) = ca * sc + sa * sb * cc;
    mm(1, 3) = sa * sc - ca * sb * cc;
    mm(2, 1) = -cb * sc;
    mm(2, 2) = ca * cc - sa * sb * sc;
    mm(2, 3) = sa * cc + ca * sb * sc;
    mm(3, 1) = sb;
    mm(3, 2) = -sa * cb;
    mm(3, 3) = ca * cb;
}

void Daten3D::tetraederberechnung() {
    tet = {datarow(-1, -1, -1), datarow(1, 1, -1), datarow(1, -1, 1), datarow(-1, 1, 1)};
    for (datarow& corner : tet) {
        matrixm(corner);
        int whole = 0;
        corner.PunktX = toPixel(corner.x * ScaleFactor, whole) ? whole : 0;
        corner.PunktY = corner.z * ScaleFactor;
    }
}

// The four faces differ in the component left out and in how the position formulas are
// grouped; each is evaluated exactly as written for its face.
void Daten3D::abcflaeche() {
    projectRows(*this, [](datarow& row) {
        const double s = (row.RelA + row.RelB) + row.RelC;
        const double a = row.RelA / s, b = row.RelB / s, c = row.RelC / s;
        row.x = (b + c) - a;
        row.y = (a + c) - b;
        row.z = (a + b) - c;
    });
}

void Daten3D::bcdflaeche() {
    projectRows(*this, [](datarow& row) {
        const double s = (row.RelB + row.RelC) + row.RelD;
        const double b = row.RelB / s, c = row.RelC / s, d = row.RelD / s;
        row.x = (b + c) - d;
        row.y = c - (b + d);
        row.z = b - (c + d);
    });
}

void Daten3D::acdflaeche() {
    projectRows(*this, [](datarow& row) {
        const double s = (row.RelA + row.RelC) + row.RelD;
        const double a = row.RelA / s, c = row.RelC / s, d = row.RelD / s;
        row.x = c - (a + d);
        row.y = (a + c) - d;
        row.z = a - (c + d);
    });
}

void Daten3D::ABDFLAECHE() {
    projectRows(*this, [](datarow& row) {
        const double s = (row.RelA + row.RelB) + row.RelD;
        const double a = row.RelA / s, b = row.RelB / s, d = row.RelD / s;
        row.x = b - (a + d);
        row.y = a - (b + d);
        row.z = a + (b - d);
    });
}

void Daten3D::projectFace() {
    switch (which) {
    case 1:
        abcflaeche();
        break;
    case 2:
        bcdflaeche();
        break;
    case 3:
        acdflaeche();
        break;
    case 4:
        ABDFLAECHE();
        break;
    default:
        break;
    }
}

void Daten3D::placeRows() {
    for (std::int32_t i = 1; i <= data->anzahl(); ++i) {
        datarow& row = data->row(i);
        row.x = (row.RelB + row.RelC) - (row.RelA + row.RelD);
        row.y = (row.RelA + row.RelC) - (row.RelB + row.RelD);
        row.z = (row.RelA + row.RelB) - (row.RelC + row.RelD);
        matrixm(row);
    }
    // Dataset::sorty, with the sorting buffers kept from drawing to drawing.
    m_depthSorter.sortByDepth(*data);
}

std::unique_ptr<Picture> Daten3D::makepicture(int width, int height,
                                              std::unique_ptr<Picture> previous) {
    if (!data) {
        return nullptr;
    }
    return drawnPicture(*this, m_services.pictures, width, height, std::move(previous), 1);
}

void Daten3D::draw(RGBSurface* surface, Graphics& g, int /*mode*/) {
    if (!data) {
        return;
    }
    const std::lock_guard lock(m_drawing);
    setupFrame(g.Width(), g.Height());
    rotationsmatrix();
    tetraederberechnung();
    Tetraederkanten(surface, g);
    projectFace();
    raumpunkte(g);
    NochmalTetraeder(surface, g);
    g.setForeColor(black);
    g.setTextSize(fontsize);
    int creditX = 0;
    int creditY = 0;
    if (toPixel((g.Width() - g.StringWidth(creditLine)) / 2, creditX) &&
        toPixel(CenterY * 1.6, creditY)) {
        g.DrawString(creditLine, creditX, creditY);
    }
    printdatum(g);
}

void Daten3D::Tetraederkanten(RGBSurface* surface, Graphics& g) {
    const datarow& d = tet[cornerD];
    const datarow& c = tet[cornerC];
    const datarow& b = tet[cornerB];
    const datarow& a = tet[cornerA];
    if (showline) {
        g.setForeColor(edgeGrey);
        drawline(surface, g, d, c);
        drawline(surface, g, d, b);
        drawline(surface, g, d, a);
        drawline(surface, g, a, c);
        drawline(surface, g, c, b);
        drawline(surface, g, b, a);
        g.setForeColor(black);
    }
    if (showtext && data) {
        g.setTextSize(fontsize * 1.5);
        g.setBold(true);
        const auto labels = cornerLabels();
        for (std::size_t corner = 0; corner < tet.size(); ++corner) {
            int x = tet[corner].PunktX;
            int y = 0;
            toPixel(tet[corner].PunktY, y);
            moveout(g, x, y, *labels[corner]);
            int left = 0;
            int baseline = 0;
            if (toPixel(x + CenterX, left) && toPixel(y + CenterY, baseline)) {
                gemeinsames::drawstring(g, *labels[corner], left, baseline);
            }
        }
        g.setBold(false);
    }
}

void Daten3D::moveout(Graphics& g, int& x, int& y, std::string_view label) {
    moveOutward(x, y, g.StringWidth(label), g.TextHeight());
}

std::array<const std::string*, 4> Daten3D::cornerLabels() const {
    return {&data->d, &data->c, &data->b, &data->a};
}

void Daten3D::moveOutward(int& x, int& y, double width, double drop) {
    const double s = std::abs(static_cast<double>(x)) + std::abs(static_cast<double>(y));
    // A corner on the centre has no outward direction; its label starts at the corner.
    const double u = s == 0 ? 0 : x / s;
    const double v = s == 0 ? 0 : y / s;
    const double dx = u < 0 ? -width : 0;
    const double dy = v > 0 ? drop : 0;
    toPixel(u * labelDistance + x + dx, x);
    toPixel(v * labelDistance + y + dy, y);
}

Daten3D::DiscSizes Daten3D::discSizes() const {
    const std::int64_t fill = std::int64_t{kreisdicke} - 2;
    return {fill > 0 ? static_cast<int>(fill) : 0, kreisdicke > 0 ? kreisdicke : 0};
}

bool Daten3D::drawnAgain(Linie& segment) {
    if (segment.verdeckt || segment.start->verdeckt || segment.ende->verdeckt) {
        segment.verdeckt = true;
        return false;
    }
    return true;
}

void Daten3D::drawline(RGBSurface* surface, Graphics& g, const datarow& first,
                       const datarow& second) {
    const double x1 = first.PunktX + CenterX;
    const double y1 = first.PunktY + CenterY;
    const double x2 = second.PunktX + CenterX;
    const double y2 = second.PunktY + CenterY;
    if (surface && m_services.smoothingOn()) {
        Grafik::drawfineline(g, *surface, x1, y1, x2, y2);
        return;
    }
    int ix1 = 0, iy1 = 0, ix2 = 0, iy2 = 0;
    if (toPixel(x1, ix1) && toPixel(y1, iy1) && toPixel(x2, ix2) && toPixel(y2, iy2)) {
        g.DrawLine(ix1, iy1, ix2, iy2);
    }
}

// The hot loop of a drawing: one pass over the rows for the markers and one for the discs, no
// allocation, the conversions checked before the oval boxes are computed.
void Daten3D::raumpunkte(Graphics& g) {
    if (!data) {
        return;
    }
    placeRows();
    const std::int32_t count = data->anzahl();
    if (which >= 1 && which <= 4) {
        g.setForeColor(Grafik::heller(projektionsfarbe));
        const Color marker = g.ForeColor();
        const int width = g.Width();
        const int height = g.Height();
        for (std::int32_t i = 1; i <= count; ++i) {
            int px = 0;
            int py = 0;
            if (markerCentre(data->row(i), px, py)) {
                if (px < width && py < height) {
                    g.setPixel(px, py, marker);
                }
                g.DrawOval(px - 1, py - 1, 3, 3);
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
                continue; // no place in any picture (components summing to 0, or absurd)
            }
            g.setForeColor(Grafik::GetFarbe(row.farbe));
            if (size.fill > 0) {
                g.FillOval(u - size.fill / 2, v - size.fill / 2, size.fill, size.fill);
            }
            g.setForeColor(black);
            if (size.ring > 0) {
                g.DrawOval(u - size.ring / 2, v - size.ring / 2, size.ring, size.ring);
            }
        }
    }
    g.setForeColor(black);
}

std::array<Linie, 6> Daten3D::findHiddenEdges() {
    datarow& d = tet[cornerD];
    datarow& c = tet[cornerC];
    datarow& b = tet[cornerB];
    datarow& a = tet[cornerA];
    std::array<Linie, 6> edges = {Linie(d, c), Linie(d, b), Linie(d, a),
                                  Linie(c, b), Linie(b, a), Linie(a, c)};
    for (std::size_t j = 0; j + 1 < edges.size(); ++j) {
        for (std::size_t k = j + 1; k < edges.size(); ++k) {
            if (const Linie* front = edges[j].SchnittXZ(edges[k])) {
                (front == &edges[j] ? edges[k] : edges[j]).verdeckt = true;
                return edges;
            }
        }
    }
    // No crossing: the outline is a triangle. A corner that is neither in front nor extreme in
    // x or z lies inside it or on its border, behind the body.
    const datarow* frontmost = &d;
    const datarow* rightmost = &d;
    const datarow* leftmost = &d;
    const datarow* topmost = &d;
    const datarow* bottommost = &d;
    for (const datarow* corner : {&c, &b, &a}) {
        if (corner->y >= frontmost->y) {
            frontmost = corner;
        }
        if (corner->x >= rightmost->x) {
            rightmost = corner;
        }
        if (corner->x <= leftmost->x) {
            leftmost = corner;
        }
        if (corner->z <= topmost->z) {
            topmost = corner;
        }
        if (corner->z >= bottommost->z) {
            bottommost = corner;
        }
    }
    for (const datarow* corner : {&d, &c, &b, &a}) {
        if (corner == frontmost || corner == rightmost || corner == leftmost || corner == topmost ||
            corner == bottommost) {
            continue;
        }
        for (Linie& edge : edges) {
            if (edge.start == corner || edge.ende == corner) {
                edge.verdeckt = true;
            }
        }
    }
    return edges;
}

void Daten3D::NochmalTetraeder(RGBSurface* surface, Graphics& g) {
    std::array<Linie, 6> edges = findHiddenEdges();
    if (!showline) {
        return;
    }
    g.setPenWidth(2);
    g.setPenHeight(2);
    g.setForeColor(black);
    for (Linie& edge : edges) {
        drawlinie(surface, g, edge);
    }
    g.setPenWidth(1);
    g.setPenHeight(1);
}

void Daten3D::drawlinie(RGBSurface* surface, Graphics& g, Linie& segment) {
    if (drawnAgain(segment)) {
        drawline(surface, g, *segment.start, *segment.ende);
    }
}

void Daten3D::printdatum(Graphics& g) {
    gemeinsames::printdatum(g, data.get(), m_services, fontsize);
}

} // namespace morvane
