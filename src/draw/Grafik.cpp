#include "draw/Grafik.h"

#include "draw/Graphics.h"
#include "draw/RGBSurface.h"

#include <array>
#include <cmath>

namespace morvane::Grafik {
namespace {

constexpr std::array<Color, 16> colourTable = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

int lighter(int channel) {
    return static_cast<int>(channel / 2.0 + 128);
}

int blend(double weight, int foreground, int old) {
    return static_cast<int>(weight * foreground + (1 - weight) * old);
}

void blendPixel(RGBSurface& surface, double ix, double iy, double weight, Color foreground) {
    // ix, iy are whole numbers held in doubles; outside the surface nothing is read or written.
    if (ix < 0 || iy < 0 || ix >= surface.Width() || iy >= surface.Height()) {
        return;
    }
    const int x = static_cast<int>(ix);
    const int y = static_cast<int>(iy);
    const Color old = surface.Pixel(x, y);
    surface.setPixel(x, y,
                     RGB(blend(weight, foreground.red(), old.red()),
                         blend(weight, foreground.green(), old.green()),
                         blend(weight, foreground.blue(), old.blue())));
}

} // namespace

Color GetFarbe(std::int32_t index) {
    if (index < 0 || index >= static_cast<std::int32_t>(colourTable.size())) {
        return RGB(0, 0, 0);
    }
    return colourTable[static_cast<std::size_t>(index)];
}

Color heller(Color color) {
    return RGB(lighter(color.red()), lighter(color.green()), lighter(color.blue()));
}

void drawfineline(const Graphics& g, RGBSurface& surface, double x1, double y1, double x2,
                  double y2) {
    const Color foreground = g.ForeColor();
    // Differences and positions stay in doubles (whole values where the rule truncates), so
    // that no coordinate is ever converted to an integer outside its range.
    const double dx = std::trunc(x2 - x1);
    const double dy = std::trunc(y2 - y1);
    const double n = std::max(std::abs(dx), std::abs(dy));
    if (!std::isfinite(n) || !std::isfinite(x1) || !std::isfinite(y1) || n == 0) {
        return;
    }
    const double sx = dx / n;
    const double sy = dy / n;
    // The diagrams' lines lie inside the picture; a longer one cannot touch more than the
    // picture's perimeter, so absurd lengths are cut off rather than walked pixel by pixel.
    const double maxPasses = 4.0 * (surface.Width() + surface.Height()) + 16;
    const long passes = static_cast<long>(std::min(n, std::max(maxPasses, 1.0)));
    double x = x1;
    double y = y1;
    for (long i = 0; i < passes; ++i) {
        const double ix = std::trunc(x);
        const double iy = std::trunc(y);
        const double fx = x - ix;
        const double fy = y - iy;
        blendPixel(surface, ix, iy, (1 - fx) * (1 - fy), foreground);
        blendPixel(surface, ix + 1, iy, fx * (1 - fy), foreground);
        blendPixel(surface, ix, iy + 1, fy * (1 - fx), foreground);
        blendPixel(surface, ix + 1, iy + 1, fx * fy, foreground);
        x = x + sx;
        y = y + sy;
    }
}

} // namespace morvane::Grafik
