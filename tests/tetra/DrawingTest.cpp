#include "TetraTestSupport.h"
#include "draw/RecordingGraphics.h"
#include "tetra/Daten3D.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::callsBetween;
using test::callsOf;
using test::centreRow;
using test::datasetOf;

DiagramServices servicesWithDate(std::string date) {
    DiagramServices services;
    services.longDate = [date] {
        return date;
    };
    return services;
}

} // namespace

struct LabelCase {
    const char* names[4]; // a, b, c, d
    std::vector<std::string> expected;
};

void PrintTo(const LabelCase& labelCase, std::ostream* out) {
    *out << labelCase.names[0];
}

class CornerLabels : public ::testing::TestWithParam<LabelCase> {};

// Recording text metrics: width 0.5 x size per character, height 1.25 x size. D lies up and
// left of the centre (-100, -100): its label ends 10 pixels left of the corner, baseline 10
// above. B lies down and right (+100, +100): it starts 10 pixels right, baseline one text
// height plus 10 below. Each label after the first is measured in the state the previous one
// left (size 10 after a trailing digit).
TEST_P(CornerLabels, AreMovedOutwardFromTheirCorners) {
    Daten3D model;
    model.data = centreRow();
    model.data->a = GetParam().names[0];
    model.data->b = GetParam().names[1];
    model.data->c = GetParam().names[2];
    model.data->d = GetParam().names[3];
    model.showdata = false;
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(callsBetween(g, "Bold 1", "Bold 0"), GetParam().expected);
    EXPECT_EQ(callsOf(g, {"TextSize"}).at(0), "TextSize 18");
}

INSTANTIATE_TEST_SUITE_P(
    Names, CornerLabels,
    ::testing::Values(
        // D: -110 - width 9 = -119 -> 81; y -110 -> 90. B: 110 -> 310; y 110 + 22 -> 332.
        LabelCase{{"A", "B", "C", "D"},
                  {"TextFont Helvetica", "TextSize 18", "DrawString \"D\" 81,90",
                   "TextFont Helvetica", "TextSize 18", "DrawString \"C\" 310,90",
                   "TextFont Helvetica", "TextSize 18", "DrawString \"B\" 310,332",
                   "TextFont Helvetica", "TextSize 18", "DrawString \"A\" 81,332"}},
        // "MgO" at 18 is 27 wide: starts at 200 - 110 - 27. "Al2O3" leaves size 10, so B
        // hangs 12 (not 22) below: 200 + 110 + 12.
        LabelCase{{"SiO2", "FeO", "Al2O3", "MgO"},
                  {"TextFont Helvetica", "TextSize 18", "DrawString \"M\" 63,90", "TextSize 18",
                   "DrawString \"g\" 72,90", "TextSize 18", "DrawString \"O\" 81,90",
                   "TextFont Helvetica", "TextSize 18", "DrawString \"A\" 310,90", "TextSize 18",
                   "DrawString \"l\" 319,90", "TextSize 10", "DrawString \"2\" 328,92",
                   "TextSize 18", "DrawString \"O\" 333,90", "TextSize 10",
                   "DrawString \"3\" 342,92", "TextFont Helvetica", "TextSize 18",
                   "DrawString \"F\" 310,322", "TextSize 18", "DrawString \"e\" 319,322",
                   "TextSize 18", "DrawString \"O\" 328,322",
                   // A: width of "SiO2" measured at 18 (after "FeO"): 36; y 110 + 22.
                   "TextFont Helvetica", "TextSize 18", "DrawString \"S\" 54,332", "TextSize 18",
                   "DrawString \"i\" 63,332", "TextSize 18", "DrawString \"O\" 72,332",
                   "TextSize 10", "DrawString \"2\" 81,334"}}));

struct DiscCase {
    int kreisdicke;
    std::vector<std::string> expected;
};

void PrintTo(const DiscCase& discCase, std::ostream* out) {
    *out << "kreisdicke " << discCase.kreisdicke;
}

class Discs : public ::testing::TestWithParam<DiscCase> {};

TEST_P(Discs, AreAFilledDiscInTheRowColourInsideABlackRing) {
    Daten3D model;
    model.data = centreRow(9); // red, at (200, 200)
    model.kreisdicke = GetParam().kreisdicke;
    model.showline = false;
    model.showtext = false;
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    std::vector<std::string> expected = GetParam().expected;
    expected.push_back("ForeColor 0,0,0"); // end of the points
    expected.push_back("ForeColor 0,0,0"); // credit line
    EXPECT_EQ(callsOf(g, {"ForeColor", "FillOval", "DrawOval"}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Diameters, Discs,
    ::testing::Values(DiscCase{12,
                               {"ForeColor 255,0,0", "FillOval 195,195,10,10", "ForeColor 0,0,0",
                                "DrawOval 194,194,12,12"}},
                      DiscCase{7,
                               {"ForeColor 255,0,0", "FillOval 198,198,5,5", "ForeColor 0,0,0",
                                "DrawOval 197,197,7,7"}},
                      DiscCase{2, {"ForeColor 255,0,0", "ForeColor 0,0,0", "DrawOval 199,199,2,2"}},
                      DiscCase{0, {"ForeColor 255,0,0", "ForeColor 0,0,0"}},
                      DiscCase{-5, {"ForeColor 255,0,0", "ForeColor 0,0,0"}}));

TEST(Daten3DDrawing, StepsRunInPipelineOrder) {
    Daten3D model(servicesWithDate("1. Januar 2024"));
    model.data = centreRow();
    model.data->file = "/data/gesteine.txt";
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    std::vector<std::string> steps;
    for (const std::string& call : g.calls) {
        const std::string word = call.substr(0, call.find(' '));
        if (steps.empty() || steps.back() != word) {
            steps.push_back(word);
        }
    }
    // Grey edges, labels, discs, bold edges, credit line, file and date lines.
    const std::vector<std::string> expected{
        "ForeColor", "DrawLine",   "ForeColor", "TextSize", "Bold",       "TextFont",
        "TextSize",  "DrawString", "TextFont",  "TextSize", "DrawString", "TextFont",
        "TextSize",  "DrawString", "TextFont",  "TextSize", "DrawString", "Bold",
        "ForeColor", "FillOval",   "ForeColor", "DrawOval", "ForeColor",  "PenWidth",
        "PenHeight", "ForeColor",  "DrawLine",  "PenWidth", "PenHeight",  "ForeColor",
        "TextSize",  "DrawString", "TextFont",  "TextSize", "DrawString"};
    EXPECT_EQ(steps, expected);
    // Credit: size 12, 6 pixels a character, centred; baseline at 0.8 of the height.
    const std::string credit = "DrawString \"" + std::string(Daten3D::creditLine) + "\" " +
                               std::to_string((400 - 6 * int(Daten3D::creditLine.size())) / 2) +
                               ",320";
    const std::vector<std::string> tail(g.calls.end() - 7, g.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"ForeColor 0,0,0", "TextSize 12", credit,
                                              "TextFont helvetica", "TextSize 12",
                                              "DrawString \"/data/gesteine.txt\" 10,20",
                                              "DrawString \"1. Januar 2024\" 10,40"}));
    // The surface is left black, not bold, with a 1 x 1 pen.
    EXPECT_EQ(g.ForeColor(), RGB(0, 0, 0));
    EXPECT_FALSE(g.bold());
    EXPECT_EQ(g.penWidth(), 1);
    EXPECT_EQ(g.penHeight(), 1);
}

TEST(Daten3DDrawing, WithoutAFileTheFileAndDateLinesEndSilently) {
    Daten3D model(servicesWithDate("1. Januar 2024"));
    model.data = centreRow();
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(g.calls.back(), "TextSize 12");
    EXPECT_EQ(g.callsStartingWith("DrawString")
                  .back()
                  .rfind("DrawString \"" + std::string(Daten3D::creditLine), 0),
              0u);
}

TEST(Daten3DDrawing, ARelativeFileNameIsShownAsItsFullPath) {
    Daten3D model;
    model.data = centreRow();
    model.data->file = "./examples/../gesteine.txt";
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    const std::string full = (std::filesystem::current_path() / "gesteine.txt").string();
    EXPECT_EQ(g.calls.back(), "DrawString \"" + full + "\" 10,20"); // no date service: no date
}

TEST(Daten3DDrawing, ShowlineOffDrawsNoEdgesAtAll) {
    Daten3D model;
    model.data = centreRow();
    model.showline = false;
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_TRUE(g.callsStartingWith("DrawLine").empty());
    EXPECT_TRUE(g.callsStartingWith("PenWidth").empty());
    EXPECT_EQ(g.callsStartingWith("DrawString").size(), 5u); // four labels, one credit line
    EXPECT_EQ(g.callsStartingWith("FillOval").size(), 1u);
}

TEST(Daten3DDrawing, NearerPointsCoverFartherOnesAndTheLaterOfEqualDepth) {
    // At the angles 0, y = (RelA + RelC) - (RelB + RelD). Rows 1 and 3 share a position (and
    // depth); row 2 lies in front (y 0.5) of both.
    Daten3D model;
    model.data = datasetOf({{1, 1, 1, 1, 9}, {2, 0, 1, 1, 12}, {1, 1, 1, 1, 10}});
    model.showline = false;
    model.showtext = false;
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(model.data->row(1).anr, 1);
    EXPECT_EQ(model.data->row(2).anr, 3);
    EXPECT_EQ(model.data->row(3).anr, 2);
    const std::vector<std::string> discColours = [&] {
        std::vector<std::string> found;
        for (const std::string& call : callsOf(g, {"ForeColor"})) {
            if (call != "ForeColor 0,0,0") {
                found.push_back(call);
            }
        }
        return found;
    }();
    EXPECT_EQ(discColours, (std::vector<std::string>{"ForeColor 255,0,0", "ForeColor 0,255,0",
                                                     "ForeColor 0,0,255"}));
}

TEST(Daten3DDrawing, RowsWithoutAPlaceInAnyPictureAreSkipped) {
    Daten3D model;
    // All zero (not-a-number), summing to zero (infinities), and a sum so small that the
    // position lies some hundred billion pixels away; then one ordinary row.
    model.data = datasetOf(
        {{0, 0, 0, 0, 1}, {1, -1, 0, 0, 2}, {1, -0.9999999999, 0, 0, 3}, {1, 1, 1, 1, 9}});
    model.which = 1;
    model.WinkelPosition(55, 45, 90);
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(g.callsStartingWith("FillOval"), std::vector<std::string>{"FillOval 195,195,10,10"});
    // Only the ordinary row has a projection marker (centre pixel and ring).
    EXPECT_EQ(g.callsStartingWith("Pixel").size(), 1u);
    EXPECT_EQ(g.callsStartingWith("DrawOval").size(), 2u);
}

TEST(Daten3DDrawing, NothingIsDrawnWithoutADataSet) {
    Daten3D model;
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_TRUE(g.calls.empty());
}

TEST(Daten3DPicture, IsMadeAtTheRequestedSizeAndReusedWhenTheSizeStays) {
    test::RecordingPictureFactory factory;
    DiagramServices services;
    services.pictures = &factory;
    Daten3D model(services);
    EXPECT_EQ(model.makepicture(400, 300, nullptr), nullptr); // no data set yet
    EXPECT_EQ(factory.made, 0);

    model.data = centreRow();
    std::unique_ptr<Picture> first = model.makepicture(400, 300, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(factory.made, 1);
    EXPECT_EQ(model.CenterX, 200);
    auto& firstCalls = static_cast<test::RecordingPicture&>(*first).recording().calls;
    EXPECT_EQ(firstCalls.front(), "ForeColor 100,100,100"); // a new picture is blank already
    firstCalls.clear();

    const Picture* address = first.get();
    std::unique_ptr<Picture> again = model.makepicture(400, 300, std::move(first));
    EXPECT_EQ(again.get(), address);
    EXPECT_EQ(factory.made, 1);
    auto& againCalls = static_cast<test::RecordingPicture&>(*again).recording().calls;
    EXPECT_EQ(againCalls.front(), "ClearRect 0,0,400,300");

    std::unique_ptr<Picture> larger = model.makepicture(500, 300, std::move(again));
    ASSERT_NE(larger, nullptr);
    EXPECT_EQ(larger->Width(), 500);
    EXPECT_EQ(factory.made, 2);
    EXPECT_EQ(model.CenterX, 250);
}

TEST(Daten3DPicture, NoneWhenNoPictureCanBeMade) {
    test::RecordingPictureFactory factory;
    factory.refuse = true;
    DiagramServices services;
    services.pictures = &factory;
    Daten3D model(services);
    model.data = centreRow();
    EXPECT_EQ(model.makepicture(400, 300, nullptr), nullptr);
    Daten3D withoutPictures;
    withoutPictures.data = centreRow();
    EXPECT_EQ(withoutPictures.makepicture(400, 300, nullptr), nullptr);
}

} // namespace morvane
