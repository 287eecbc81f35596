#pragma once

#include "data/datarow.h"

namespace morvane {

// One edge of the tetrahedron between two corner rows, with its slopes in the picture plane
// (x-z) and in depth (x-y). Coordinates are the rotated model coordinates of the corners, not
// pixels. The segment refers to the corner rows of the drawing (Daten3D::tet); it never copies
// or changes them, and must not outlive them.
class Linie {
public:
    Linie(datarow& first, datarow& second) : start(&first), ende(&second) {}

    datarow* start; // after delta: the end with the smaller screen x (PunktX)
    datarow* ende;
    bool verdeckt = false; // hidden behind the body; only ever set to true
    double dx = 0;         // ende.x - start.x
    double dy = 0;         // ende.y - start.y
    double anfangy = 0;    // y of the line at x = 0 in the x-y plane
    double steigungy = 0;  // dy / dx, 0 when dx is 0
    double dz = 0;         // ende.z - start.z
    double steigungZ = 0;  // dz / dx, 0 when dx is 0
    double anfangz = 0;    // z of the line at x = 0 in the x-z plane

    // Puts the end with the smaller PunktX first (equal values keep the order) and computes the
    // differences, slopes and axis crossings.
    void delta();

    // Whether this segment and `other` cross in the picture away from this segment's ends, and
    // if so which one is in front there: this segment, `other` (also on equal depth), or none.
    // Runs delta on both first, so it may exchange their ends. Every candidate crossing that
    // passes the depth plausibility test writes eight trace lines through Mathe::log.
    Linie* SchnittXZ(Linie& other);
};

} // namespace morvane
