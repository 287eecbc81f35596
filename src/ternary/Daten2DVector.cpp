// The vector twin of the triangle diagram ("Copy vector image"): the same drawing recorded as
// QuickDraw commands.
#include "data/Dataset.h"
#include "draw/Grafik.h"
#include "draw/VectorRecorder.h"
#include "ternary/Daten2D.h"

#include <optional>

namespace morvane {

using ternary::Corner;
using ternary::wholePixel;

namespace {

void drawSegment(VectorRecorder& p, const ternary::Segment& line) {
    const std::optional<int> x1 = wholePixel(line.x1);
    const std::optional<int> y1 = wholePixel(line.y1);
    const std::optional<int> x2 = wholePixel(line.x2);
    const std::optional<int> y2 = wholePixel(line.y2);
    if (x1 && y1 && x2 && y2) {
        p.Drawline(*x1, *y1, *x2, *y2);
    }
}

// Text whose baseline starts at (x, y), through the pen position.
void drawTextAt(VectorRecorder& p, std::string_view text, double x, double y) {
    const std::optional<int> h = wholePixel(x);
    const std::optional<int> v = wholePixel(y);
    if (h && v) {
        p.MoveTo(*h, *v);
        p.DrawText(text);
    }
}

void drawStringAt(VectorRecorder& p, std::string_view text, double x, double y) {
    const std::optional<int> left = wholePixel(x);
    const std::optional<int> baseline = wholePixel(y);
    if (left && baseline) {
        p.DrawString(text, *left, *baseline);
    }
}

} // namespace

std::string Daten2D::CopyVectorImage(int w, int h, std::int32_t face) {
    std::unique_ptr<VectorRecorder> recorder;
    if (m_services.newRecorder) {
        recorder = m_services.newRecorder();
    }
    if (!recorder) {
        return vectorImageErrorMessage(-1);
    }
    recorder->CreatePicture(w, h);
    erzeugebildV(*recorder, face, which);
    const int error = recorder->CopyPicture();
    return error == 0 ? std::string() : vectorImageErrorMessage(error);
}

void Daten2D::erzeugebildV(VectorRecorder& p, int /*mode*/, std::int32_t face) {
    if (!data) {
        return;
    }
    const ternary::TriangleLayout layout = ternary::triangleLayout(p.Width(), p.Height());
    printdatumV(p);
    DreieckV(p, layout.x0, layout.yb, layout.s);
    if (showdata) {
        drawPointsV(p, face, layout);
    }
    if (showtext) {
        drawCornerLabelsV(p, face, layout);
    }
}

void Daten2D::DreieckV(VectorRecorder& p, double x0, double yb, double s) {
    if (showraster) {
        p.setForeColor(gridGrey);
        for (const ternary::Segment& line : ternary::gridLines(x0, yb, s)) {
            drawSegment(p, line);
        }
    } else if (showrand) {
        p.setPenWidth(2);
        p.setPenHeight(2);
        p.setForeColor(black);
        for (const ternary::Segment& tick : ternary::tickStrokes(x0, yb, s)) {
            drawSegment(p, tick);
        }
    }
    p.setForeColor(black);
    if (showrand) {
        p.setPenWidth(2);
        p.setPenHeight(2);
        for (const ternary::Segment& side : ternary::borderLines(x0, yb, s)) {
            drawSegment(p, side);
        }
    }
    p.setPenWidth(1);
    p.setPenHeight(1);
    if (showtext) {
        p.setTextSize(fontsize);
        int k = 1;
        for (const std::string_view label : ternary::tickLabels) {
            drawTextAt(p, label, ternary::tickLabelX(x0, s, k++), yb + 20);
        }
    }
    p.setForeColor(black);
    p.setTextSize(fontsize);
    drawTextAt(p, creditLine, (static_cast<double>(p.Width()) - p.StringWidth(creditLine)) / 2,
               yb + 35);
}

void Daten2D::printdatumV(VectorRecorder& p) {
    gemeinsames::printdatumV(p, data.get(), m_services, fontsize);
}

void Daten2D::drawPointsV(VectorRecorder& p, std::int32_t face,
                          const ternary::TriangleLayout& layout) {
    for (std::int32_t i = 1; i <= data->anzahl(); ++i) {
        datarow& row = data->row(i);
        p.setForeColor(Grafik::GetFarbe(row.farbe));
        const ternary::FacePoint point = ternary::facePoint(row, face, layout);
        if (!point.placeable) {
            continue;
        }
        const std::optional<ternary::DotBoxes> boxes =
            ternary::dotBoxes(point.px, point.py, kreisdicke);
        if (!boxes) {
            continue;
        }
        if (boxes->fillSize > 0) {
            p.PaintOval(boxes->fillX, boxes->fillY, boxes->fillSize, boxes->fillSize);
        }
        p.setForeColor(black);
        if (boxes->frameSize > 0) {
            p.FrameOval(boxes->frameX, boxes->frameY, boxes->frameSize, boxes->frameSize);
        }
        row.PunktX = boxes->punktX;
        row.PunktY = point.py;
    }
    p.setForeColor(black);
}

void Daten2D::drawCornerLabelsV(VectorRecorder& p, std::int32_t face,
                                const ternary::TriangleLayout& layout) {
    if (!ternary::validFace(face)) {
        return;
    }
    const std::string& top = ternary::cornerName(*data, face, Corner::Top);
    const std::string& left = ternary::cornerName(*data, face, Corner::Left);
    const std::string& right = ternary::cornerName(*data, face, Corner::Right);
    // Whole labels at one size: the recorder's text has no subscripts.
    const std::optional<int> size = wholePixel(1.5 * fontsize);
    if (!size) {
        return;
    }
    p.setTextSize(*size);
    drawStringAt(p, top, (static_cast<double>(p.Width()) - p.StringWidth(top)) / 2, layout.yt - 15);
    drawStringAt(p, left, layout.x0 - 15 - p.StringWidth(left), layout.yb + 10);
    drawStringAt(p, right, layout.x0 + layout.s + 15, layout.yb + 10);
}

} // namespace morvane
