#pragma once

#include "draw/Color.h"

#include <cstdint>

namespace morvane {
class Graphics;
class RGBSurface;
} // namespace morvane

// Drawing knowledge both diagrams share: the colour table, the lighter colour of the face
// projection markers, and the smoothed line.
namespace morvane::Grafik {

// The 16 colours of the colour index; any other index is black.
Color GetFarbe(std::int32_t index);

// Each channel v becomes the whole part of v / 2 + 128: black gives (128, 128, 128).
Color heller(Color color);

// Anti-aliased line from (x1, y1) towards (x2, y2) in g's foreground colour, drawn by reading
// and blending pixels of `surface` (the pixel surface of the same picture). One pass per pixel
// of the longer axis, starting at (x1, y1); the end point itself is not painted, and a line
// whose differences both truncate to 0 paints nothing. Each pass spreads the point over the
// four pixels around it. Pixels outside the surface are skipped. The pen size does not apply.
void drawfineline(const Graphics& g, RGBSurface& surface, double x1, double y1, double x2,
                  double y2);

} // namespace morvane::Grafik
