#pragma once

#include <cstdint>
#include <string>

namespace morvane {

// One measurement row, also the tetrahedron's general 3D point record (corners, crossings).
// Doubles come first, so no padding falls between the fields: a row takes 112 bytes, a million
// rows 112 MB.
struct datarow {
    double a = 0; // component values as read
    double b = 0;
    double c = 0;
    double d = 0;
    double RelA = 0; // components divided by their sum (calc)
    double RelB = 0;
    double RelC = 0;
    double RelD = 0;
    double x = 0; // rotated position in model space; y is depth, larger is nearer
    double y = 0;
    double z = 0;
    double PunktY = 0;       // screen y of the last projection (real), see PunktX
    std::int32_t anr = 0;    // sample number; only rows with anr > 0 enter a data set
    std::int32_t farbe = 0;  // colour index, 0 to 15 in practice
    std::int32_t PunktX = 0; // screen x of the last projection (whole pixels)
    bool verdeckt = false;   // hidden mark; nothing sets it, the edge drawing honours it

    datarow() = default;
    datarow(double px, double py, double pz) : x(px), y(py), z(pz) {}

    // RelA..RelD = component / (((a + b) + c) + d). A zero sum gives NaN or infinities.
    void calc();
    void nullsetzen() { x = y = z = 0; }
    // True when some coordinate differs by more than 0.01 (tested x, then y, then z).
    bool ungleich(const datarow& other) const;
    // "+0.500000000000 / -1.000000000000 / +0.000000000000": position for diagnostics.
    std::string text() const;
};

} // namespace morvane
