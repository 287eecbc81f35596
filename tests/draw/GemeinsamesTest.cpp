#include "draw/gemeinsames.h"

#include "draw/RecordingGraphics.h"
#include "draw/RecordingVectorRecorder.h"

#include <climits>
#include <gtest/gtest.h>

namespace morvane {
namespace {

using Calls = std::vector<std::string>;

// RecordingGraphics measures 0.55 x size per character: 9.9 pixels at 18 and 5.5 at 10, so
// adding the real width and then truncating differs from adding whole widths.
struct LabelCase {
    const char* label;
    Calls calls;
};

const LabelCase rasterCases[] = {
    {"", {"TextFont Helvetica"}},
    {"SiO2",
     {"TextFont Helvetica", "TextSize 18", "DrawString \"S\" 10,50", "TextSize 18",
      "DrawString \"i\" 19,50", "TextSize 18", "DrawString \"O\" 28,50", "TextSize 10",
      "DrawString \"2\" 37,52"}},
    {"123",
     {"TextFont Helvetica", "TextSize 10", "DrawString \"1\" 10,52", "TextSize 10",
      "DrawString \"2\" 15,52", "TextSize 10", "DrawString \"3\" 20,52"}},
    // Letters, signs, a space and a two-byte character are all large.
    {"a -\xC3\xA4",
     {"TextFont Helvetica", "TextSize 18", "DrawString \"a\" 10,50", "TextSize 18",
      "DrawString \" \" 19,50", "TextSize 18", "DrawString \"-\" 28,50", "TextSize 18",
      "DrawString \"\xC3\xA4\" 37,50"}},
};

TEST(Gemeinsames, DrawstringLowersSmallDigitsAndAdvancesByTruncatedRealWidths) {
    for (const LabelCase& c : rasterCases) {
        SCOPED_TRACE(c.label);
        RecordingGraphics g(400, 300);
        g.charWidthFactor = 0.55;
        gemeinsames::drawstring(g, c.label, 10, 50);
        EXPECT_EQ(g.calls, c.calls);
    }
}

TEST(Gemeinsames, DrawstringLeavesTheSizeOfTheLastCharacter) {
    RecordingGraphics g(400, 300);
    gemeinsames::drawstring(g, "Al2", 0, 0);
    EXPECT_EQ(g.textSize(), 10);
    EXPECT_EQ(g.font(), "Helvetica");
    gemeinsames::drawstring(g, "2A", 0, 0);
    EXPECT_EQ(g.textSize(), 18);
}

TEST(Gemeinsames, DrawstringVSetsNoFontAndAddsWholeWidths) {
    // RecordingVectorRecorder: whole part of 0.5 x size per character, 9 at 18 and 5 at 10.
    RecordingVectorRecorder p;
    gemeinsames::drawstringV(p, "Al2O3", 100, 40);
    const Calls expected = {
        "TextSize 18", "DrawString \"A\" 100,40", "TextSize 18", "DrawString \"l\" 109,40",
        "TextSize 10", "DrawString \"2\" 118,42", "TextSize 18", "DrawString \"O\" 123,40",
        "TextSize 10", "DrawString \"3\" 132,42"};
    EXPECT_EQ(p.calls, expected);
    EXPECT_EQ(p.TextSize(), 10);

    RecordingVectorRecorder empty;
    gemeinsames::drawstringV(empty, "", 0, 0);
    EXPECT_TRUE(empty.calls.empty());
}

TEST(Gemeinsames, LabelsStopAtTheEndOfTheIntRange) {
    // Characters that would start beyond the int range lie beyond every surface: the label ends
    // there, and a digit at the last rows stays on the last one.
    const Calls raster = {"TextFont Helvetica", "TextSize 18", "DrawString \"A\" 2147483642,7",
                          "TextFont Helvetica", "TextSize 10", "DrawString \"2\" 0,2147483647"};
    RecordingGraphics g(400, 300);
    gemeinsames::drawstring(g, "AB", INT_MAX - 5, 7);
    gemeinsames::drawstring(g, "2", 0, INT_MAX - 1);
    EXPECT_EQ(g.calls, raster);

    const Calls vector = {"TextSize 18", "DrawString \"A\" 2147483642,7", "TextSize 10",
                          "DrawString \"2\" 0,2147483647"};
    RecordingVectorRecorder p;
    gemeinsames::drawstringV(p, "AB", INT_MAX - 5, 7);
    gemeinsames::drawstringV(p, "2", 0, INT_MAX - 1);
    EXPECT_EQ(p.calls, vector);
}

} // namespace
} // namespace morvane
