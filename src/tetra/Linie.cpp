#include "tetra/Linie.h"

#include "base/Mathe.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

namespace morvane {
namespace {

std::string numberText(double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%+.12f", value);
    return buffer;
}

void traceCrossing(const Linie& self, const Linie& other, const datarow& p1, const datarow& p2) {
    Mathe::log("start      = " + self.start->text());
    Mathe::log("ende       = " + self.ende->text());
    Mathe::log("steigung   = " + numberText(self.steigungZ));
    Mathe::log("l.start    = " + other.start->text());
    Mathe::log("l.ende     = " + other.ende->text());
    Mathe::log("l.steigung = " + numberText(other.steigungZ));
    Mathe::log("p1         = " + p1.text());
    Mathe::log("p2         = " + p2.text());
}

} // namespace

void Linie::delta() {
    if (ende->PunktX < start->PunktX) {
        std::swap(start, ende);
    }
    dx = ende->x - start->x;
    dy = ende->y - start->y;
    dz = ende->z - start->z;
    if (dx != 0) {
        steigungZ = dz / dx;
        steigungy = dy / dx;
    } else {
        steigungZ = 0;
        steigungy = 0;
    }
    anfangy = start->y - start->x * steigungy;
    anfangz = start->z - start->x * steigungZ;
}

Linie* Linie::SchnittXZ(Linie& other) {
    other.delta();
    delta();
    const double diff = other.steigungZ - steigungZ;
    if (diff == 0) {
        return nullptr; // parallel in the picture
    }
    const double xs = (anfangz - other.anfangz) / diff;
    const double zs = anfangz + xs * steigungZ;
    const double y1 = anfangy + xs * steigungy;
    const double y2 = other.anfangy + xs * other.steigungy;
    // Both depths lie within the body's reach (|y| <= sqrt 3) only for a real crossing; the
    // negated test also turns away not-a-number.
    if (!(std::abs(y1) + std::abs(y2) < 3)) {
        return nullptr;
    }
    const datarow p1(xs, y1, zs);
    const datarow p2(xs, y2, zs);
    const bool awayFromEnds =
        p1.ungleich(*start) && p1.ungleich(*ende) && p2.ungleich(*start) && p2.ungleich(*ende);
    traceCrossing(*this, other, p1, p2);
    const bool onThis = start->x <= xs && xs <= ende->x;
    const bool onOther = other.start->x <= xs && xs <= other.ende->x;
    if (awayFromEnds && onThis && onOther) {
        return y2 < y1 ? this : &other;
    }
    return nullptr;
}

} // namespace morvane
