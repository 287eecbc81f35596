#pragma once

#include "draw/DiagramServices.h"
#include "draw/daten.h"
#include "draw/gemeinsames.h"
#include "ternary/TriangleGeometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace morvane {

class Dataset;
class VectorRecorder;

// The triangle (ternary) diagram of one face of the tetrahedron: the rows of a data set as
// coloured dots placed by the shares of the face's three components, with a 10 % grid or border
// ticks, tick labels, corner labels, a credit line and the file and date line. It draws on a
// raster surface (the window's picture, saving, printing) and, for "Copy vector image", into a
// vector recorder. Pixels, origin top left, y down.
//
// Drawing writes every placed row's screen position into the shared rows (PunktX whole pixels,
// PunktY real); the 2D window finds the row under the pointer from them. Rows whose face
// components do not sum to more than 0, or whose position cannot be expressed in pixels (not a
// number, beyond the 32-bit range), are not drawn and keep their previous position.
class Daten2D : public daten {
public:
    // `services` supplies pictures, the smoothing check mark (read at every line), the long date
    // and the vector recorder; any of them may be missing.
    explicit Daten2D(DiagramServices services = {});

    std::shared_ptr<Dataset> data; // shared with the data window; none draws nothing
    std::int32_t which = 0;        // the face: 0 ABC, 1 BCD, 2 CDA, 3 DAB; others: triangle only
    bool showraster = true;        // the 10 % grid
    bool showrand = true;          // the border, and the ticks when there is no grid
    bool showtext = true;          // tick labels and corner labels
    bool showdata = true;          // the data points
    std::int32_t kreisdicke = 12;  // data point diameter in pixels; 0 or less draws no dot
    std::int32_t fontsize = 12;    // base text size in points

    // A picture of width x height with the diagram of `which`. `previous` is reused (cleared)
    // when it has exactly that size; otherwise a new one is made. None without a data set, or
    // when no picture can be made (no picture factory, memory short, size not positive).
    std::unique_ptr<Picture> makepicture(int width, int height,
                                         std::unique_ptr<Picture> previous) override;
    // The diagram of `which` on g (nothing without a data set). surface is g's pixel surface or
    // none (printing); without it lines are never smoothed. mode is ignored.
    void draw(RGBSurface* surface, Graphics& g, int mode) override;

    // The whole diagram of `face` on g, laid out for g's size; mode is ignored.
    void erzeugebild(RGBSurface* surface, Graphics& g, int mode, std::int32_t face);
    // Grid or ticks, border, tick labels and credit line of the triangle with left corner x0,
    // base line yb and side s. Leaves the pen at 1 x 1 and the colour black.
    void Dreieck(RGBSurface* surface, Graphics& g, double x0, double yb, double s);
    // One line: smoothed when there is a pixel surface and the smoothing check mark is set,
    // otherwise plain between the truncated end points. A line whose ends do not fit in pixels
    // is not drawn.
    void drawline(RGBSurface* surface, Graphics& g, double x1, double y1, double x2, double y2);
    // Font "helvetica" at fontsize, then the data set's full file path at (10, 20) and the long
    // date at (10, 40). Ends silently at the first thing missing (no file, no date).
    void printdatum(Graphics& g);

    // Records the diagram of `which` at w x h into a new vector recorder and places it on the
    // clipboard. Returns the message for the user: empty on success, otherwise
    // vectorImageErrorMessage(error) (error -1 when no recorder can be had). `face` is the
    // window's face; it is passed on but `which` decides what is drawn.
    std::string CopyVectorImage(int w, int h, std::int32_t face);
    // The vector twins: the same positions, colours, pens and order, with the recorder's
    // whole-pixel text metrics and its default font; lines never smoothed; corner labels as one
    // string at the whole size 1.5 x fontsize (no subscripts). erzeugebildV draws `face`;
    // mode is ignored.
    void erzeugebildV(VectorRecorder& p, int mode, std::int32_t face);
    void DreieckV(VectorRecorder& p, double x0, double yb, double s);
    // The file path at (10, 20) and the long date at (10, 40) at fontsize, as the raster
    // diagram: a copied graph carries the same lines as the shown one. No font is set.
    void printdatumV(VectorRecorder& p);

    // The credit line under the triangle.
    static constexpr std::string_view creditLine = gemeinsames::creditLine;

private:
    // What the raster drawing and its vector twin share.
    static constexpr Color black = RGB(0, 0, 0);
    static constexpr Color gridGrey = RGB(200, 200, 200);

    void drawPoints(Graphics& g, std::int32_t face, const ternary::TriangleLayout& layout);
    void drawCornerLabels(Graphics& g, std::int32_t face, const ternary::TriangleLayout& layout);
    void drawPointsV(VectorRecorder& p, std::int32_t face, const ternary::TriangleLayout& layout);
    void drawCornerLabelsV(VectorRecorder& p, std::int32_t face,
                           const ternary::TriangleLayout& layout);

    DiagramServices m_services;
};

} // namespace morvane
