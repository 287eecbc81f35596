#include "ternary/TriangleGeometry.h"

#include "data/Dataset.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace morvane::ternary {
namespace {

// The sine of 10.47198 radians (just over 10 pi / 3), about -0.86602765: the factor that turns
// the top share into an upward pixel offset.
const double riseFactor = std::sin(10.47198);

// Values of one face's corners, and their sum in the order the diagram adds them.
struct FaceValues {
    double left = 0;
    double right = 0;
    double top = 0;
    double sum = 0;
};

FaceValues faceValues(const datarow& row, std::int32_t face) {
    switch (face) {
    case 0:
        return {row.a, row.b, row.c, row.a + row.b + row.c};
    case 1:
        return {row.b, row.c, row.d, row.b + row.c + row.d};
    case 2:
        return {row.a, row.c, row.d, row.a + row.c + row.d};
    case 3:
        return {row.a, row.b, row.d, row.a + row.b + row.d};
    default:
        return {};
    }
}

} // namespace

TriangleLayout triangleLayout(int width, int height) {
    TriangleLayout layout;
    // In 64 bits so that no size can overflow; the results are whole numbers or halves.
    const std::int64_t side = std::min(std::int64_t{width} - 100, std::int64_t{height} - 100);
    layout.s = static_cast<double>(side);
    layout.x0 = static_cast<double>(std::int64_t{width} - side) / 2;
    layout.yt = static_cast<double>(std::int64_t{height} - side) / 2;
    layout.yb = layout.yt + layout.s * heightRatio;
    return layout;
}

StepSegments gridLines(double x0, double yb, double s) {
    const double h = s * heightRatio;
    StepSegments lines;
    for (int i = 1; i <= gridSteps; ++i) {
        const double rowY = yb - i * h / 10;
        const double right = x0 + s - i * s / 20;
        const double base = x0 + s - 2 * i * s / 20;
        Segment* step = &lines[static_cast<std::size_t>(3 * (i - 1))];
        step[0] = {x0 + i * s / 20, rowY, right, rowY};
        step[1] = {right, rowY, base, yb};
        step[2] = {base, yb, x0 + (10 - i) * s / 20, yb - (10 - i) * h / 10};
    }
    return lines;
}

StepSegments tickStrokes(double x0, double yb, double s) {
    const double h = s * heightRatio;
    StepSegments ticks;
    for (int i = 1; i <= gridSteps; ++i) {
        const double rightX = x0 + s - i * s / 20;
        const double rightY = yb - i * h / 10;
        const double leftX = x0 + (10 - i) * s / 20;
        const double leftY = yb - (10 - i) * h / 10;
        const double baseX = x0 + s - 2 * i * s / 20;
        Segment* step = &ticks[static_cast<std::size_t>(3 * (i - 1))];
        step[0] = {rightX, rightY, rightX + 3, rightY - 6};
        step[1] = {leftX - 2, leftY - 2, leftX - 4, leftY - 6};
        step[2] = {baseX, yb, baseX, yb + 5};
    }
    return ticks;
}

std::array<Segment, 3> borderLines(double x0, double yb, double s) {
    const double h = s * heightRatio;
    return {Segment{x0 - 2, yb, x0 - 2 + s / 2, yb - h - 2},
            Segment{x0 - 1 + s / 2, yb - h - 3, x0 + s, yb}, Segment{x0 - 2, yb, x0 + s, yb}};
}

double tickLabelX(double x0, double s, int k) {
    return x0 - 10 + k * s / 5;
}

bool validFace(std::int32_t face) {
    return face >= 0 && face <= 3;
}

const std::string& cornerName(const Dataset& data, std::int32_t face, Corner corner) {
    static const std::string none;
    if (!validFace(face)) {
        return none;
    }
    switch (corner) {
    case Corner::Left:
        return face == 1 ? data.b : data.a;
    case Corner::Right:
        return face == 0 || face == 3 ? data.b : data.c;
    case Corner::Top:
        return face == 0 ? data.c : data.d;
    }
    return none;
}

FacePoint facePoint(const datarow& row, std::int32_t face, const TriangleLayout& layout) {
    const FaceValues values = faceValues(row, face);
    const double left = values.left * 100 / values.sum;
    const double right = values.right * 100 / values.sum;
    const double top = values.top * 100 / values.sum;
    const double u = (right - left + 100) / 2;
    const double t = top;
    FacePoint point;
    point.px = layout.x0 + u * layout.s / 100;
    point.py = layout.yb + t * riseFactor * layout.s / 100;
    // Also false for a sum that is not a number.
    point.placeable = values.sum > 0;
    return point;
}

std::optional<int> wholePixel(double v) {
    // Comparisons with NaN are false, so it fails the range test too.
    const double whole = std::trunc(v);
    if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

std::optional<DotBoxes> dotBoxes(double px, double py, std::int32_t diameter) {
    const std::optional<int> punktX = wholePixel(px);
    if (!punktX || !wholePixel(py)) {
        return std::nullopt;
    }
    DotBoxes boxes;
    boxes.punktX = *punktX;
    const std::int64_t fill = std::int64_t{diameter} - 2;
    if (fill > 0) {
        const double half = static_cast<double>(fill / 2);
        const std::optional<int> x = wholePixel(px - half);
        const std::optional<int> y = wholePixel(py - half);
        if (!x || !y) {
            return std::nullopt;
        }
        boxes.fillX = *x;
        boxes.fillY = *y;
        boxes.fillSize = static_cast<int>(fill);
    }
    if (diameter > 0) {
        const double half = static_cast<double>(diameter / 2);
        const std::optional<int> x = wholePixel(px - half);
        const std::optional<int> y = wholePixel(py - half);
        if (!x || !y) {
            return std::nullopt;
        }
        boxes.frameX = *x;
        boxes.frameY = *y;
        boxes.frameSize = diameter;
    }
    return boxes;
}

} // namespace morvane::ternary
