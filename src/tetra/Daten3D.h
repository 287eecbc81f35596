#pragma once

#include "data/Dataset.h"
#include "data/DepthSorter.h"
#include "draw/Color.h"
#include "draw/DiagramServices.h"
#include "draw/daten.h"
#include "draw/gemeinsames.h"
#include "tetra/Linie.h"
#include "tetra/Pixels.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace morvane {

class VectorRecorder;

// 3 x 3 matrix with indices 1 to 3: (i, j) is the weight of input coordinate i (1 = x, 2 = y,
// 3 = z) in output coordinate j.
struct RotationMatrix {
    std::array<double, 9> values{};

    double& operator()(int i, int j) { return values[static_cast<std::size_t>(i * 3 + j - 4)]; }
    double operator()(int i, int j) const {
        return values[static_cast<std::size_t>(i * 3 + j - 4)];
    }
};

// The four-component diagram: a regular tetrahedron with corners A (-1, 1, 1), B (1, -1, 1),
// C (1, 1, -1), D (-1, -1, -1), turned by three angles, and every row of the data set as a disc
// inside it at the weighted sum of the corners.
//
// Frames: model space is right-handed, the tetrahedron inscribed in the cube -1..1. After the
// rotation x runs right, z runs down the picture and y is depth (larger is nearer). Pictures
// are in pixels, origin top left, y down; the projection drops y. Every real becomes a whole
// pixel by truncation toward zero; a point whose pixel would not be finite or lies far outside
// any int range is not drawn.
//
// Every drawing rewrites x, y, z of every row of the shared data set and re-sorts the rows in
// place by depth; a face projection also writes PunktX, PunktY. Drawings of one model are
// serialised by a lock; the data set itself is not locked.
class Daten3D : public daten {
public:
    // The one-line credit drawn centred at four fifths of the height.
    static constexpr std::string_view creditLine = gemeinsames::creditLine;
    // Positions of the corner rows in tet.
    static constexpr int cornerD = 0;
    static constexpr int cornerC = 1;
    static constexpr int cornerB = 2;
    static constexpr int cornerA = 3;

    // Angles 0, no projection, points, edges and labels on, kreisdicke and fontsize 12.
    explicit Daten3D(DiagramServices services = {});
    Daten3D(const Daten3D&) = delete;
    Daten3D& operator=(const Daten3D&) = delete;

    RotationMatrix mm;             // rebuilt by rotationsmatrix at every drawing
    double winkel1 = 0;            // degrees about x
    double winkel2 = 0;            // degrees about y
    double winkel3 = 0;            // degrees about z
    std::shared_ptr<Dataset> data; // shared with the data window; none: nothing is drawn
    std::array<datarow, 4> tet;    // corner rows D, C, B, A of the last drawing
    double ScaleFactor = 0;        // pixels per model unit of the last drawing
    double CenterX = 0;            // picture x of the model origin (last drawing)
    double CenterY = 0;            // picture y of the model origin (last drawing)
    std::int32_t which = 0;        // face projection: 0 none, 1 ABC, 2 BCD, 3 ACD, 4 ABD
    bool showdata = true;          // draw the data points
    bool showline = true;          // draw the edges
    bool showtext = true;          // draw the corner labels
    Color projektionsfarbe;        // markers are drawn in its lighter variant
    std::int32_t kreisdicke = 12;  // outer diameter of a data point in pixels
    std::int32_t fontsize = 12;    // credit and date lines; corner labels at 1.5 times

    // Face projections: for every row, the three components of the face renormalised to sum 1,
    // placed and rotated; PunktX (whole) and PunktY (real) get the absolute picture position.
    // A row without a projection there (its three components sum to 0, values not finite, or
    // the position far outside any picture) gets PunktX = PunktY = 0, which draws no marker.
    void abcflaeche();
    void acdflaeche();
    void ABDFLAECHE();
    void bcdflaeche();

    // Positions (rotated), depth sort of the shared set, projection markers and the discs from
    // far to near. Leaves the foreground black.
    void raumpunkte(Graphics& g);
    // The six edges thin and grey, then the corner labels in bold.
    void Tetraederkanten(RGBSurface* surface, Graphics& g);
    // Fresh corner rows D, C, B, A, rotated, with PunktX, PunktY relative to the picture centre.
    void tetraederberechnung();
    // mm from the angles: Rx(winkel1) * Ry(winkel2) * Rz(winkel3).
    void rotationsmatrix();

    // daten: None without a data set or picture service, or when no picture can be made.
    std::unique_ptr<Picture> makepicture(int width, int height,
                                         std::unique_ptr<Picture> previous) override;
    // The whole diagram on g; surface (g's pixel surface, or none) enables smoothed lines. Does
    // nothing without a data set. mode is ignored.
    void draw(RGBSurface* surface, Graphics& g, int mode) override;

    // Sets the three angles (the window's view presets).
    void WinkelPosition(std::int32_t w1, std::int32_t w2, std::int32_t w3);
    // Rotates the row's x, y, z in place with mm.
    void matrixm(datarow& row) const {
        const double x = row.x * mm(1, 1) + row.y * mm(2, 1) + row.z * mm(3, 1);
        const double y = row.x * mm(1, 2) + row.y * mm(2, 2) + row.z * mm(3, 2);
        const double z = row.x * mm(1, 3) + row.y * mm(2, 3) + row.z * mm(3, 3);
        row.x = x;
        row.y = y;
        row.z = z;
    }
    // A line between two corner rows: smoothed when surface is given and smoothing is on,
    // otherwise a plain line between the truncated end points.
    void drawline(RGBSurface* surface, Graphics& g, const datarow& first, const datarow& second);
    // Moves a label anchor (pixels relative to the picture centre) 20 pixels outward and to where
    // the text starts, measuring with g's current text settings. An anchor on the centre itself
    // has no direction and stays where it is.
    void moveout(Graphics& g, int& x, int& y, std::string_view label);
    // The edges not hidden behind the body again, black with a 2 x 2 pen.
    void NochmalTetraeder(RGBSurface* surface, Graphics& g);
    // One edge of that pass, unless it or one of its corners is hidden (then it is marked).
    void drawlinie(RGBSurface* surface, Graphics& g, Linie& segment);
    // The data file's full path at (10, 20) and the long date at (10, 40); ends silently when
    // the set has no file (then no date either) or on any other failure.
    void printdatum(Graphics& g);

    // Vector twins: the same diagram into a recorder (no bold, no smoothing, rings only for the
    // projection markers).
    void drawV(VectorRecorder& p, int mode);
    void TetraederKantenV(VectorRecorder& p);
    void drawlineV(VectorRecorder& p, const datarow& first, const datarow& second);
    void RaumPunkteV(VectorRecorder& p);
    void NochmalTetraederV(VectorRecorder& p);
    void printdatumV(VectorRecorder& p);
    void moveoutv(VectorRecorder& p, int& x, int& y, std::string_view label);
    void drawliniev(VectorRecorder& p, Linie& segment);
    // Records the diagram at width x height with a fresh recorder from the services and copies
    // it to the clipboard. Returns the text the window shows in its one message box: empty on
    // success, vectorImageErrorMessage(err) when copying fails (err -1 without a recorder).
    std::string CopyVectorImage(std::int32_t width, std::int32_t height);

private:
    // What the raster steps and their vector twins share.
    static constexpr Color black = RGB(0, 0, 0);
    static constexpr Color edgeGrey = RGB(100, 100, 100);
    // Pixels a corner label is pushed away from the centre.
    static constexpr int labelDistance = 20;

    // Diameters of a data point's disc (kreisdicke - 2) and ring (kreisdicke); 0: not drawn.
    struct DiscSizes {
        int fill;
        int ring;
    };

    void setupFrame(int width, int height);
    void projectFace();
    void placeRows();
    std::array<Linie, 6> findHiddenEdges();
    // The component names in the order of the corner rows: d, c, b, a.
    std::array<const std::string*, 4> cornerLabels() const;
    // moveout's rule once the label's width and its downward shift below the centre are known.
    static void moveOutward(int& x, int& y, double width, double drop);
    DiscSizes discSizes() const;
    // A row's disc centre in whole pixels; false when it has no place in any picture.
    bool discCentre(const datarow& row, int& u, int& v) const {
        return tetra::toPixel(CenterX + row.x * ScaleFactor, u) &&
               tetra::toPixel(CenterY + row.z * ScaleFactor, v);
    }
    // A row's projection marker centre; false when it gets no marker (column or row 0 or less).
    static bool markerCentre(const datarow& row, int& px, int& py) {
        px = row.PunktX;
        return px > 0 && tetra::toPixel(row.PunktY, py) && py > 0;
    }
    // Whether the second pass draws the edge again; one it skips is marked hidden.
    static bool drawnAgain(Linie& segment);

    DiagramServices m_services;
    DepthSorter m_depthSorter;
    std::mutex m_drawing;
};

} // namespace morvane
