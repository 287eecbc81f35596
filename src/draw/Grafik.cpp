#include "draw/Grafik.h"

#include "draw/Graphics.h"
#include "draw/RGBSurface.h"

#include <algorithm>
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

// Weights leave 0 to 1 only left of or above the origin (truncation toward zero); the channel
// is kept in range rather than wrapped around 8 bits.
int blend(double weight, int foreground, int old) {
    const int value = static_cast<int>(weight * foreground + (1 - weight) * old);
    return std::clamp(value, 0, 255);
}

// The passes i (0 .. n - 1) at which start + i * step lies in [-2, limit + 1], the only
// positions whose four pixels can touch a surface of `limit` pixels; widened by one pass on
// each side. first > last when there is none.
struct PassRange {
    double first;
    double last;
};

PassRange passesNear(double start, double step, double limit, double n) {
    if (step == 0) {
        return start >= -2 && start <= limit + 1 ? PassRange{0, n - 1} : PassRange{1, 0};
    }
    double from = (-2 - start) / step;
    double to = (limit + 1 - start) / step;
    if (from > to) {
        std::swap(from, to);
    }
    return {std::max(0.0, std::floor(from) - 1), std::min(n - 1, std::ceil(to) + 1)};
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
    // Differences and positions stay in doubles (whole values where the line truncates them),
    // so that no coordinate is ever converted to an integer outside its range.
    const double dx = std::trunc(x2 - x1);
    const double dy = std::trunc(y2 - y1);
    const double n = std::max(std::abs(dx), std::abs(dy));
    if (!std::isfinite(n) || !std::isfinite(x1) || !std::isfinite(y1) || n == 0) {
        return;
    }
    const double sx = dx / n;
    const double sy = dy / n;
    // Only the passes near the surface are walked, so a line that starts far outside costs no
    // more than one inside. A line that starts inside steps from its start by repeated
    // addition, pass by pass; one that starts outside jumps to its first pass near the surface.
    const PassRange alongX = passesNear(x1, sx, surface.Width(), n);
    const PassRange alongY = passesNear(y1, sy, surface.Height(), n);
    const double first = std::max(alongX.first, alongY.first);
    const double last = std::min(alongX.last, alongY.last);
    if (first > last) {
        return;
    }
    double x = first == 0 ? x1 : x1 + first * sx;
    double y = first == 0 ? y1 : y1 + first * sy;
    // One of the steps is a whole pixel, so this is at most the surface's size and a few more.
    const long passes = static_cast<long>(last - first) + 1;
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
