// The triangle figure, its texts and its lines on a recording surface of the window's canvas
// size 625 x 449: s 349, x0 138, yt 50, yb 352.234, h 302.234.
#include "draw/RecordingGraphics.h"
#include "ternary/Daten2D.h"
#include "ternary/TernaryTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace morvane {
namespace {

using test::datasetOf;
using test::indexOf;
using test::slice;

std::vector<std::string> drawnLines(const RecordingGraphics& g) {
    return g.callsStartingWith("DrawLine");
}

class TriangleFigure : public ::testing::Test {
protected:
    TriangleFigure() { model.data = datasetOf({}); }

    const std::vector<std::string>& drawPlain() {
        model.draw(nullptr, g, 1);
        return g.calls;
    }

    Daten2D model;
    RecordingGraphics g{625, 449};
};

TEST_F(TriangleFigure, GridIsTwentySevenGreyLinesOfConstantShares) {
    const auto& calls = drawPlain();
    const std::size_t grey = indexOf(calls, "ForeColor 200,200,200");
    const std::size_t black = indexOf(calls, "ForeColor 0,0,0", grey);
    const std::vector<std::string> grid = slice(calls, grey + 1, black);
    ASSERT_EQ(grid.size(), 27u);
    // i = 1: top share 10 % (horizontal), right share 10 %, left share 10 %.
    EXPECT_EQ(grid[0], "DrawLine 155,322,469,322");
    EXPECT_EQ(grid[1], "DrawLine 469,322,452,352");
    EXPECT_EQ(grid[2], "DrawLine 452,352,295,80");
    // i = 9: the short top line and the two long lines back to the left side.
    EXPECT_EQ(grid[24], "DrawLine 295,80,329,80");
    EXPECT_EQ(grid[25], "DrawLine 329,80,172,352");
    EXPECT_EQ(grid[26], "DrawLine 172,352,155,322");
}

TEST_F(TriangleFigure, BorderIsThreeTwoPixelLinesThenThePenReturnsToOne) {
    const auto& calls = drawPlain();
    const std::size_t border = indexOf(calls, "PenWidth 2");
    const std::vector<std::string> expected = {
        "PenWidth 2",
        "PenHeight 2",
        "DrawLine 136,352,310,48",  // left side, 2 pixels out and up
        "DrawLine 311,47,487,352",  // right side
        "DrawLine 136,352,487,352", // base
        "PenWidth 1",
        "PenHeight 1"};
    ASSERT_LT(border, calls.size());
    EXPECT_EQ(calls[border - 1], "ForeColor 0,0,0");
    EXPECT_EQ(slice(calls, border, border + expected.size()), expected);
    EXPECT_EQ(g.penWidth(), 1);
    EXPECT_EQ(g.penHeight(), 1);
}

TEST_F(TriangleFigure, WithoutGridTwentySevenTicksWithTheTwoPixelPen) {
    model.showraster = false;
    const auto& calls = drawPlain();
    const std::size_t start = indexOf(calls, "PenWidth 2");
    ASSERT_EQ(slice(calls, start, start + 3),
              (std::vector<std::string>{"PenWidth 2", "PenHeight 2", "ForeColor 0,0,0"}));
    const std::vector<std::string> ticks = slice(calls, start + 3, start + 30);
    for (const std::string& tick : ticks) {
        ASSERT_TRUE(tick.starts_with("DrawLine ")) << tick;
    }
    // i = 1: right side outward (3, -6), left side from (-2, -2) to (-4, -6), base down 5.
    EXPECT_EQ(ticks[0], "DrawLine 469,322,472,316");
    EXPECT_EQ(ticks[1], "DrawLine 293,78,291,74");
    EXPECT_EQ(ticks[2], "DrawLine 452,352,452,357");
    EXPECT_EQ(ticks[24], "DrawLine 329,80,332,74");
    EXPECT_EQ(ticks[25], "DrawLine 153,320,151,316");
    EXPECT_EQ(ticks[26], "DrawLine 172,352,172,357");
    // Then the border, again with the 2-pixel pen.
    EXPECT_EQ(slice(calls, start + 30, start + 33),
              (std::vector<std::string>{"ForeColor 0,0,0", "PenWidth 2", "PenHeight 2"}));
    EXPECT_EQ(calls[start + 33], "DrawLine 136,352,310,48");
}

struct OutlineCase {
    bool raster;
    bool rand;
    std::size_t lines;
    bool widePen;
};

class Outline : public TriangleFigure, public ::testing::WithParamInterface<OutlineCase> {};

TEST_P(Outline, GridTicksAndBorderFollowTheirSwitches) {
    model.showraster = GetParam().raster;
    model.showrand = GetParam().rand;
    drawPlain();
    EXPECT_EQ(drawnLines(g).size(), GetParam().lines);
    EXPECT_EQ(indexOf(g.calls, "PenWidth 2") < g.calls.size(), GetParam().widePen);
    EXPECT_EQ(g.penWidth(), 1);
}

INSTANTIATE_TEST_SUITE_P(Switches, Outline,
                         ::testing::Values(OutlineCase{true, true, 30, true},
                                           OutlineCase{true, false, 27, false},
                                           OutlineCase{false, true, 30, true},
                                           OutlineCase{false, false, 0, false}));

TEST_F(TriangleFigure, TickLabelsEveryFifthOfTheSideUnderTheBase) {
    const auto& calls = drawPlain();
    const std::size_t first = indexOf(calls, "DrawString \"20\" 197,372");
    ASSERT_LT(first, calls.size());
    EXPECT_EQ(slice(calls, first - 2, first), (std::vector<std::string>{"TextSize 12", "Bold 0"}));
    EXPECT_EQ(slice(calls, first + 1, first + 4),
              (std::vector<std::string>{"DrawString \"40\" 267,372", "DrawString \"60\" 337,372",
                                        "DrawString \"80\" 407,372"}));
}

TEST_F(TriangleFigure, NoTextNoTickLabels) {
    model.showtext = false;
    drawPlain();
    for (const std::string& call : g.callsStartingWith("DrawString")) {
        EXPECT_EQ(call.find("\"20\""), std::string::npos) << call;
    }
    EXPECT_EQ(indexOf(g.calls, "Bold 0"), g.calls.size());
}

TEST_F(TriangleFigure, CreditLineCentredByItsRealWidth) {
    g.charWidthFactor = 0.55; // a fractional width: 22 characters at 12 points
    const auto& calls = drawPlain();
    const double width = static_cast<double>(Daten2D::creditLine.size()) * 12 * 0.55;
    const std::string credit = "DrawString \"" + std::string(Daten2D::creditLine) + "\" " +
                               std::to_string(static_cast<int>((625 - width) / 2)) + ",387";
    const std::size_t at = indexOf(calls, credit);
    ASSERT_LT(at, calls.size());
    EXPECT_EQ(slice(calls, at - 2, at),
              (std::vector<std::string>{"ForeColor 0,0,0", "TextSize 12"}));
}

TEST_F(TriangleFigure, FileAndDateLineComeFirst) {
    model = Daten2D(test::dateServices([] { return std::string("Sonntag, 3. März 2024"); }));
    model.data = datasetOf({});
    model.data->file = "/daten/gesteine.txt";
    const auto& calls = drawPlain();
    EXPECT_EQ(slice(calls, 0, 4),
              (std::vector<std::string>{"TextFont helvetica", "TextSize 12",
                                        "DrawString \"/daten/gesteine.txt\" 10,20",
                                        "DrawString \"Sonntag, 3. März 2024\" 10,40"}));
}

TEST_F(TriangleFigure, FilePathIsWrittenInFullAndNormalised) {
    model.data->file = "beispiele/../beispiele/./gesteine.txt";
    const auto& calls = drawPlain();
    const std::string full = (std::filesystem::current_path() / "beispiele/gesteine.txt").string();
    EXPECT_EQ(calls[2], "DrawString \"" + full + "\" 10,20");
}

TEST_F(TriangleFigure, FileAndDateLineEndSilentlyAtTheFirstMissingPiece) {
    // No file: the font is set, nothing is written, the diagram follows.
    model.fontsize = 14;
    drawPlain();
    EXPECT_EQ(slice(g.calls, 0, 3), (std::vector<std::string>{"TextFont helvetica", "TextSize 14",
                                                              "ForeColor 200,200,200"}));

    // No date service: the path only. A date service that fails: the date is taken first, so
    // nothing at all. The drawing goes on either way.
    for (bool throwing : {false, true}) {
        DiagramServices services;
        if (throwing) {
            services.longDate = []() -> std::string {
                throw std::runtime_error("no locale");
            };
        }
        Daten2D dated(services);
        dated.data = datasetOf({{1, 1, 1, 0, 0}});
        dated.data->file = "/daten/x.txt";
        RecordingGraphics page(625, 449);
        dated.draw(nullptr, page, 1);
        if (throwing) {
            EXPECT_EQ(page.calls[0], "ForeColor 200,200,200");
        } else {
            EXPECT_EQ(page.calls[2], "DrawString \"/daten/x.txt\" 10,20");
            EXPECT_EQ(page.calls[3], "ForeColor 200,200,200");
        }
        EXPECT_EQ(page.callsStartingWith("DrawOval").size(), 1u);
    }
}

TEST_F(TriangleFigure, DrawingOrderPathTrianglePointsLabels) {
    model.data = datasetOf({{1, 1, 1, 0, 3}}, "Xa", "Xb", "Xc");
    model.data->file = "/f.txt";
    const auto& calls = drawPlain();
    const std::size_t path = indexOf(calls, "DrawString \"/f.txt\" 10,20");
    const std::size_t line = indexOf(calls, "DrawLine 155,322,469,322");
    const std::size_t credit = indexOf(calls, "TextSize 12", line);
    const std::size_t point = indexOf(calls, "ForeColor 128,128,0");
    const std::size_t labels = indexOf(calls, "TextSize 18");
    EXPECT_LT(path, line);
    EXPECT_LT(line, credit);
    EXPECT_LT(credit, point);
    EXPECT_LT(point, labels);
    EXPECT_LT(labels, calls.size());
}

struct LabelCase {
    const char* top;
    int leftX; // the left label's measured width depends on how the top label ended
};

class CornerLabels : public TriangleFigure, public ::testing::WithParamInterface<LabelCase> {};

// Recording metrics: width 0.5 x size per character. The top label is centred at size 18; the
// left label "SiO2" is 20 wide at size 10 (after a top label ending in a digit) and 36 wide at
// size 18, and ends 15 pixels left of x0 = 138.
TEST_P(CornerLabels, LeftLabelMeasuredInTheStateTheTopLabelLeft) {
    model.data = datasetOf({}, "SiO2", "MgO", GetParam().top);
    const auto& calls = drawPlain();
    const std::size_t labels = indexOf(calls, "TextSize 18");
    ASSERT_LT(labels, calls.size());
    const std::string top = std::string(1, GetParam().top[0]);
    EXPECT_EQ(calls[labels + 1], "TextFont Helvetica");
    EXPECT_EQ(calls[labels + 3], "DrawString \"" + top + "\" 299,35");
    EXPECT_LT(indexOf(calls, "DrawString \"S\" " + std::to_string(GetParam().leftX) + ",362"),
              calls.size());
    EXPECT_LT(indexOf(calls, "DrawString \"M\" 502,362"), calls.size());
}

INSTANTIATE_TEST_SUITE_P(TopLabels, CornerLabels,
                         ::testing::Values(LabelCase{"CO2", 103}, LabelCase{"COO", 87}));

TEST_F(TriangleFigure, DigitsOfCornerLabelsAreSmallAndLowered) {
    model.data = datasetOf({}, "A", "B", "CO2");
    const auto& calls = drawPlain();
    const std::size_t two = indexOf(calls, "DrawString \"2\" 317,37");
    ASSERT_LT(two, calls.size());
    EXPECT_EQ(calls[two - 1], "TextSize 10");
}

struct FaceLabelCase {
    int face;
    const char* left;
    const char* right;
    const char* top;
};

class FaceCorners : public TriangleFigure, public ::testing::WithParamInterface<FaceLabelCase> {};

TEST_P(FaceCorners, LabelsNameTheFacesCorners) {
    model.data = datasetOf({}, "P", "Q", "R", "S");
    model.which = GetParam().face;
    const auto& calls = drawPlain();
    // One letter: 9 wide at 18; top at (625 - 9) / 2, left at 138 - 15 - 9, right at 487 + 15.
    const std::size_t top =
        indexOf(calls, "DrawString \"" + std::string(GetParam().top) + "\" 308,35");
    const std::size_t left =
        indexOf(calls, "DrawString \"" + std::string(GetParam().left) + "\" 114,362");
    const std::size_t right =
        indexOf(calls, "DrawString \"" + std::string(GetParam().right) + "\" 502,362");
    EXPECT_LT(top, left);
    EXPECT_LT(left, right);
    EXPECT_LT(right, calls.size());
}

INSTANTIATE_TEST_SUITE_P(Faces, FaceCorners,
                         ::testing::Values(FaceLabelCase{0, "P", "Q", "R"},
                                           FaceLabelCase{1, "Q", "R", "S"},
                                           FaceLabelCase{2, "P", "R", "S"},
                                           FaceLabelCase{3, "P", "Q", "S"}));

TEST_F(TriangleFigure, FaceOutsideZeroToThreeDrawsOnlyTheTriangle) {
    model.data = datasetOf({{1, 2, 3, 4, 0}}, "P", "Q", "R", "S");
    model.which = 4;
    drawPlain();
    EXPECT_EQ(drawnLines(g).size(), 30u);
    EXPECT_TRUE(g.callsStartingWith("DrawOval").empty());
    EXPECT_EQ(indexOf(g.calls, "TextSize 18"), g.calls.size());
    EXPECT_EQ(model.data->row(1).PunktX, 0);
}

// The smoothed line on a real pixel surface: the base line at y = 352.234 from x = 136 is spread
// over rows 352 (weight 0.766) and 353 (0.234) in black on white.
TEST_F(TriangleFigure, SmoothedLinesArePaintedIntoThePixelSurface) {
    model = Daten2D(test::smoothingServices([] { return true; }));
    model.data = datasetOf({});
    model.showraster = false; // ticks, which stay clear of x = 300
    MemorySurface pixels(625, 449);
    model.draw(&pixels, g, 1);
    EXPECT_TRUE(drawnLines(g).empty());
    EXPECT_EQ(pixels.Pixel(300, 352), RGB(59, 59, 59));
    EXPECT_EQ(pixels.Pixel(300, 353), RGB(195, 195, 195));
    EXPECT_EQ(pixels.Pixel(300, 351), RGB(255, 255, 255));
    EXPECT_EQ(pixels.Pixel(300, 354), RGB(255, 255, 255));
}

TEST_F(TriangleFigure, SmoothingCheckMarkIsReadAtEveryLine) {
    int asked = 0;
    model = Daten2D(test::smoothingServices([&asked] { return ++asked <= 10; }));
    model.data = datasetOf({});
    MemorySurface pixels(625, 449);
    model.draw(&pixels, g, 1);
    EXPECT_EQ(asked, 30);
    EXPECT_EQ(drawnLines(g).size(), 20u); // the check mark went off after ten lines
    EXPECT_EQ(drawnLines(g).front(), "DrawLine 417,231,347,352"); // grid i = 4, second line
}

TEST_F(TriangleFigure, WithoutPixelSurfaceLinesAreNeverSmoothed) {
    model = Daten2D(test::smoothingServices([] { return true; }));
    model.data = datasetOf({});
    drawPlain();
    EXPECT_EQ(drawnLines(g).size(), 30u);
}

} // namespace
} // namespace morvane
