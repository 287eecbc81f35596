#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {
struct datarow;
class Dataset;
} // namespace morvane

// Geometry of the triangle diagram shared by its raster and vector drawings. Pixels, origin top
// left, y down; all values are reals until a drawing converts them with wholePixel.
namespace morvane::ternary {

// Placement of the triangle on a surface of the given size.
struct TriangleLayout {
    double s = 0;  // side length: the smaller of width - 100 and height - 100
    double x0 = 0; // left (and base) corner: (width - s) / 2
    double yt = 0; // apex: (height - s) / 2
    double yb = 0; // base line: yt + s * 0.866
};

// The triangle's height per side length. The diagram uses this rounded value, not sqrt(3) / 2,
// so that its pictures keep their exact pixel positions.
inline constexpr double heightRatio = 0.866;

TriangleLayout triangleLayout(int width, int height);

// A line from (x1, y1) to (x2, y2).
struct Segment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// Nine steps of three lines each, at every 10 % of the side.
inline constexpr int gridSteps = 9;
using StepSegments = std::array<Segment, 3 * gridSteps>;

// The grid of constant top, right and left share, in drawing order: for i = 1 to 9 the line of
// constant top share, then of constant right share, then of constant left share.
StepSegments gridLines(double x0, double yb, double s);
// The border ticks used instead of the grid, in drawing order: for i = 1 to 9 one tick on the
// right side, one on the left side, one on the base.
StepSegments tickStrokes(double x0, double yb, double s);
// Left side, right side, base; slightly offset so that the 2-pixel pen closes the corners.
std::array<Segment, 3> borderLines(double x0, double yb, double s);
// The tick labels under the base, k = 1 to 4, and the left end of label k.
inline constexpr std::array<std::string_view, 4> tickLabels = {"20", "40", "60", "80"};
double tickLabelX(double x0, double s, int k);

// The corners of a face: component names and values of the left, right and top corner. Faces
// are 0 ABC, 1 BCD, 2 CDA (left A, right C), 3 DAB (left A, right B); any other face has none.
enum class Corner { Left, Right, Top };
bool validFace(std::int32_t face);
const std::string& cornerName(const Dataset& data, std::int32_t face, Corner corner);

// Where a row goes on the face, before any conversion to whole pixels. `placeable` is false when
// the face's three components do not sum to more than 0 (nothing is drawn, nothing stored).
struct FacePoint {
    double px = 0;
    double py = 0;
    bool placeable = false;
};
FacePoint facePoint(const datarow& row, std::int32_t face, const TriangleLayout& layout);

// The whole-pixel value of v truncated toward zero, or none when v is not a number or does not
// fit a 32-bit integer. Every real becomes a pixel through here, so that no conversion is
// undefined; what cannot be converted is not drawn.
std::optional<int> wholePixel(double v);

// The boxes of one data point at (px, py) of diameter `diameter` (kreisdicke): the disc of
// diameter - 2 and the ring of the full diameter, each at (p - size div 2) truncated. None when
// any coordinate cannot be converted; a size of 0 or less means that shape is not drawn.
struct DotBoxes {
    int fillX = 0;
    int fillY = 0;
    int fillSize = 0;
    int frameX = 0;
    int frameY = 0;
    int frameSize = 0;
    int punktX = 0; // the whole-pixel px stored in the row
};
std::optional<DotBoxes> dotBoxes(double px, double py, std::int32_t diameter);

} // namespace morvane::ternary
