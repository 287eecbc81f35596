#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

// Which pixels a line, a rectangle or an oval covers on a raster surface. Every raster surface
// (pictures, canvases at one device pixel per pixel) draws through these rules, so that a shape
// lands on the same pixels wherever it is drawn.
//
// The rules follow QuickDraw: a box at x, y of w x h covers the columns x .. x + w - 1 and the
// rows y .. y + h - 1 (right and bottom edges exclusive), and the pen, penWidth x penHeight
// pixels, hangs below and to the right of the point it is at. Coordinates are whole pixels,
// origin top left, y down.
namespace morvane {

// The pixels left .. right - 1 of row y, relative to the shape's origin.
struct PixelRun {
    int y;
    int left;
    int right;

    friend bool operator==(const PixelRun&, const PixelRun&) = default;
};

// A clipping rectangle: the columns left .. right - 1 and rows top .. bottom - 1.
struct PixelClip {
    int left;
    int top;
    int right;
    int bottom;
};

namespace PixelShapes {

// Row j (0 .. h - 1) of the oval inscribed in a w x h box, as columns [first, second) relative
// to the box; first == second when j is outside the box. Pixel (i, j) belongs to the oval when
// its centre (i + 0.5, j + 0.5) lies in or on the ellipse through the midpoints of the box's
// edges, and every pixel of the box's middle row(s) and middle column(s) does too, so that
// every oval touches all four sides of its box (for circles both rules agree; thin ovals keep
// their ends). The test is exact: whole-number arithmetic up to 32768 pixels a side. The oval
// is symmetric about both axes of its box, and w or h below 1 give nothing.
std::pair<int, int> ovalRow(int w, int h, int j);

// The runs of a filled oval, in row order, relative to the box's top left corner.
std::vector<PixelRun> filledOval(int w, int h);

// The outline of an oval drawn with a penWidth x penHeight pen: the oval minus the oval of the
// box inset by the pen on every side (at most two runs a row). A pen that fills the box gives
// the filled oval; a pen below 1 pixel gives nothing.
std::vector<PixelRun> framedOval(int w, int h, int penWidth, int penHeight);

// Row j of framedOval as up to two runs; returns how many were written to `runs`.
int framedOvalRow(int w, int h, int penWidth, int penHeight, int j, PixelRun runs[2]);

// The area a penWidth x penHeight pen covers when it moves from (x1, y1) to (x2, y2), for
// surfaces that draw smooth outlines instead of pixels (printers, vector pictures): the convex
// hull of the pen's rectangle at both ends, corner points clockwise (on screen, y down) from
// the top-most left-most one. Empty for a pen below 1 pixel.
std::vector<std::pair<double, double>> penSweep(int x1, int y1, int x2, int y2, int penWidth,
                                                int penHeight);

// The rectangles that make up the frame of a rectangle drawn with a penWidth x penHeight pen:
// four bands inside the box, or the whole box when the pen fills it. Calls rect(x, y, w, h).
template <typename Rect>
void frameRects(int x, int y, int w, int h, int penWidth, int penHeight, Rect&& rect) {
    if (w < 1 || h < 1 || penWidth < 1 || penHeight < 1) {
        return;
    }
    if (2 * static_cast<std::int64_t>(penWidth) >= w ||
        2 * static_cast<std::int64_t>(penHeight) >= h) {
        rect(x, y, w, h);
        return;
    }
    rect(x, y, w, penHeight);
    rect(x, y + h - penHeight, w, penHeight);
    rect(x, y + penHeight, penWidth, h - 2 * penHeight);
    rect(x + w - penWidth, y + penHeight, penWidth, h - 2 * penHeight);
}

// A line from (x1, y1) to (x2, y2), both end points included, drawn with a penWidth x penHeight
// pen: the pen is set at every point of the line's pixel path, which takes one pixel per
// column (per row when the line is steeper than 45 degrees) and rounds halves towards +y (+x).
// The path does not depend on the direction the line is drawn in. Calls rect(x, y, w, h) once
// per straight stretch of the path that touches the clip rectangle; points far outside the
// clip are skipped without being walked, so absurd coordinates cost nothing. A pen below 1
// pixel draws nothing.
template <typename Rect>
void lineRects(int x1, int y1, int x2, int y2, int penWidth, int penHeight, const PixelClip& clip,
               Rect&& rect);

} // namespace PixelShapes

// Remembers the runs of the last few oval shapes: a diagram draws thousands of discs and rings
// of one or two sizes. Shapes taller or wider than largeOval are not kept; callers draw them
// row by row with ovalRow / framedOvalRow instead.
class OvalShapeCache {
public:
    static constexpr int largeOval = 2048;

    // Requires 1 <= w, h <= largeOval.
    const std::vector<PixelRun>& filled(int w, int h);
    const std::vector<PixelRun>& framed(int w, int h, int penWidth, int penHeight);

private:
    struct Entry {
        int w;
        int h;
        int penWidth; // -1 for a filled oval
        int penHeight;
        std::vector<PixelRun> runs;
    };
    const std::vector<PixelRun>& find(int w, int h, int penWidth, int penHeight);

    static constexpr std::size_t capacity = 8;
    std::vector<Entry> m_entries; // most recently used first
};

namespace PixelShapes {
namespace detail {

// step * along / length rounded to the nearest whole number, halves upwards; length > 0. Uses
// long double where the product could leave 64 bits.
inline std::int64_t roundedRatio(std::int64_t step, std::int64_t along, std::int64_t length) {
    constexpr std::int64_t safe = std::int64_t{1} << 30;
    if (std::llabs(step) < safe && std::llabs(along) < safe) {
        const std::int64_t numerator = 2 * step * along + length;
        const std::int64_t denominator = 2 * length;
        std::int64_t quotient = numerator / denominator;
        if (numerator % denominator != 0 && numerator < 0) {
            --quotient;
        }
        return quotient;
    }
    const long double exact =
        static_cast<long double>(step) * static_cast<long double>(along) / length;
    return static_cast<std::int64_t>(std::floor(exact + 0.5L));
}

// Walks the major axis from `from` to `to` (from <= to), limited to [low, high]; `minor(m)` is
// the minor coordinate at major coordinate m. Calls run(majorStart, majorEnd, minor) for each
// stretch of constant minor coordinate.
template <typename Minor, typename Run>
void walkRuns(std::int64_t from, std::int64_t to, std::int64_t low, std::int64_t high,
              Minor&& minor, Run&& run) {
    const std::int64_t first = from > low ? from : low;
    const std::int64_t last = to < high ? to : high;
    if (first > last) {
        return;
    }
    std::int64_t start = first;
    std::int64_t current = minor(first);
    for (std::int64_t m = first + 1; m <= last; ++m) {
        const std::int64_t next = minor(m);
        if (next != current) {
            run(start, m - 1, current);
            start = m;
            current = next;
        }
    }
    run(start, last, current);
}

} // namespace detail

template <typename Rect>
void lineRects(int x1, int y1, int x2, int y2, int penWidth, int penHeight, const PixelClip& clip,
               Rect&& rect) {
    if (penWidth < 1 || penHeight < 1) {
        return;
    }
    using std::int64_t;
    const int64_t dx = int64_t{x2} - x1;
    const int64_t dy = int64_t{y2} - y1;
    // A point whose pen reaches into the clip lies within these limits.
    const int64_t left = int64_t{clip.left} - penWidth + 1;
    const int64_t top = int64_t{clip.top} - penHeight + 1;
    const int64_t right = int64_t{clip.right} - 1;
    const int64_t bottom = int64_t{clip.bottom} - 1;
    auto report = [&](int64_t x, int64_t y, int64_t w, int64_t h) {
        if (x > right || y > bottom || x + w - 1 < left || y + h - 1 < top) {
            return;
        }
        rect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h));
    };
    if (std::llabs(dx) >= std::llabs(dy)) {
        const bool leftToRight = dx >= 0;
        const int64_t sx = leftToRight ? x1 : x2;
        const int64_t sy = leftToRight ? y1 : y2;
        const int64_t length = std::llabs(dx);
        const int64_t rise = leftToRight ? dy : -dy;
        auto minor = [&](int64_t x) {
            return length == 0 ? sy : sy + detail::roundedRatio(rise, x - sx, length);
        };
        detail::walkRuns(sx, sx + length, left, right, minor,
                         [&](int64_t from, int64_t to, int64_t y) {
                             report(from, y, to - from + penWidth, penHeight);
                         });
    } else {
        const bool topToBottom = dy >= 0;
        const int64_t sx = topToBottom ? x1 : x2;
        const int64_t sy = topToBottom ? y1 : y2;
        const int64_t length = std::llabs(dy);
        const int64_t run = topToBottom ? dx : -dx;
        auto minor = [&](int64_t y) {
            return sx + detail::roundedRatio(run, y - sy, length);
        };
        detail::walkRuns(sy, sy + length, top, bottom, minor,
                         [&](int64_t from, int64_t to, int64_t x) {
                             report(x, from, penWidth, to - from + penHeight);
                         });
    }
}

} // namespace PixelShapes
} // namespace morvane
