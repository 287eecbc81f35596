#include "draw/MacPictZeptar.h"

#include "PictReader.h"
#include "draw/gemeinsames.h"
#include "support/TestPaths.h"

#include <climits>
#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::int16At;
using test::parsePict;
using test::uint16At;

struct FakeClipboard : PictClipboard {
    int result = 0;
    int calls = 0;
    std::string pict;
    std::string svg;
    int putPicture(const std::string& p, const std::string& s) override {
        ++calls;
        pict = p;
        svg = s;
        return result;
    }
};

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int value : values) {
        out.push_back(static_cast<char>(value));
    }
    return out;
}

// The opcodes after the fixed start (version, header, DefHilite, clip) and before OpEndPic.
std::vector<test::PictOpcode> drawing(const MacPictZeptar& recorder) {
    const test::ParsedPict parsed = parsePict(recorder.pictureBytes());
    EXPECT_EQ(parsed.error, "");
    if (parsed.opcodes.size() < 5) {
        ADD_FAILURE() << "picture without its fixed start";
        return {};
    }
    return {parsed.opcodes.begin() + 4, parsed.opcodes.end() - 1};
}

std::vector<std::uint16_t> opcodes(const std::vector<test::PictOpcode>& ops) {
    std::vector<std::uint16_t> list;
    for (const auto& op : ops) {
        list.push_back(op.op);
    }
    return list;
}

TEST(MacPictZeptar, PictureStartsWithFrameVersionAndA72DpiHeader) {
    MacPictZeptar recorder;
    EXPECT_EQ(recorder.pictureBytes(), "");
    recorder.CreatePicture(637, 486);
    EXPECT_EQ(recorder.Width(), 637);
    EXPECT_EQ(recorder.Height(), 486);
    const std::string picture = recorder.pictureBytes();
    const test::ParsedPict parsed = parsePict(picture);
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.sizeField, picture.size());
    EXPECT_EQ(parsed.frameBottom, 486);
    EXPECT_EQ(parsed.frameRight, 637);
    ASSERT_EQ(opcodes(parsed.opcodes),
              (std::vector<std::uint16_t>{0x0011, 0x0C00, 0x001E, 0x0001, 0x00FF}));
    EXPECT_EQ(parsed.opcodes[0].payload, bytes({0x02, 0xFF}));
    const std::string& header = parsed.opcodes[1].payload;
    EXPECT_EQ(int16At(header, 0), -2);
    EXPECT_EQ(header.substr(4, 8), bytes({0, 0x48, 0, 0, 0, 0x48, 0, 0}));
    EXPECT_EQ(header.substr(12, 8), bytes({0, 0, 0, 0, 0x01, 0xE6, 0x02, 0x7D}));
    EXPECT_EQ(parsed.opcodes[3].payload, bytes({0, 10, 0, 0, 0, 0, 0x01, 0xE6, 0x02, 0x7D}));
}

TEST(MacPictZeptar, ShapesWritePointsVerticalFirstWithLazyColourAndPen) {
    MacPictZeptar recorder;
    recorder.CreatePicture(400, 300);
    recorder.setForeColor(RGB(100, 100, 100));
    recorder.Drawline(1, 2, 3, 4);
    recorder.Drawline(5, 6, 7, 8); // same colour and pen: nothing new before it
    recorder.setPenWidth(2);
    recorder.setPenHeight(3);
    recorder.setForeColor(RGB(255, 0, 128));
    recorder.FrameOval(195, 190, 10, 12);
    recorder.PaintOval(10, 20, 0, 5); // empty: nothing
    recorder.PaintOval(10, 20, 30, 40);
    const auto ops = drawing(recorder);
    ASSERT_EQ(opcodes(ops),
              (std::vector<std::uint16_t>{0x001A, 0x0020, 0x0020, 0x001A, 0x0007, 0x0050, 0x0051}));
    EXPECT_EQ(ops[0].payload, bytes({0x64, 0x64, 0x64, 0x64, 0x64, 0x64}));
    EXPECT_EQ(ops[1].payload, bytes({0, 2, 0, 1, 0, 4, 0, 3}));
    EXPECT_EQ(ops[3].payload, bytes({0xFF, 0xFF, 0, 0, 0x80, 0x80}));
    EXPECT_EQ(ops[4].payload, bytes({0, 3, 0, 2})); // pen height, then width
    EXPECT_EQ(ops[5].payload, bytes({0, 190, 0, 195, 0, 202, 0, 205}));
    EXPECT_EQ(ops[6].payload, bytes({0, 20, 0, 10, 0, 60, 0, 40}));
}

TEST(MacPictZeptar, SizeFieldOfLargePicturesHoldsTheLow16Bits) {
    MacPictZeptar recorder;
    recorder.CreatePicture(637, 486);
    for (int i = 0; i < 10000; ++i) {
        recorder.Drawline(i % 637, i % 486, 636 - i % 637, 485 - i % 486);
    }
    const std::string picture = recorder.pictureBytes();
    ASSERT_GT(picture.size(), 65535u);
    const test::ParsedPict parsed = parsePict(picture);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.sizeField, picture.size() & 0xFFFF);
    EXPECT_EQ(parsed.opcodes.size(), 4 + 1 + 10000 + 1u);
}

TEST(MacPictZeptar, CoordinatesAreClampedToSixteenBits) {
    MacPictZeptar recorder;
    recorder.CreatePicture(100, 100);
    recorder.Drawline(-40000, 5, 40000, 70000);
    const auto ops = drawing(recorder);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(int16At(ops[1].payload, 0), 5);
    EXPECT_EQ(int16At(ops[1].payload, 2), -32768);
    EXPECT_EQ(int16At(ops[1].payload, 4), 32767);
    EXPECT_EQ(int16At(ops[1].payload, 6), 32767);
}

TEST(MacPictZeptar, FontNameBeforeTheFirstTextAndTextRelativeToThePreviousOrigin) {
    MacPictZeptar recorder;
    recorder.CreatePicture(400, 300);
    recorder.DrawString("A", 10, 50);   // LongText
    recorder.DrawString("Bc", 20, 50);  // DHText 10
    recorder.DrawString("2", 20, 52);   // DVText 2, odd length: padded
    recorder.DrawString("C", 5, 52);    // to the left: LongText
    recorder.DrawString("D", 300, 52);  // 295 to the right: LongText
    recorder.DrawString("E", 300, 352); // 300 down: LongText
    recorder.setTextSize(18);
    recorder.DrawString("F", 300, 352); // same place: DHText 0 after TxSize
    const auto ops = drawing(recorder);
    ASSERT_EQ(opcodes(ops),
              (std::vector<std::uint16_t>{0x001A, 0x002C, 0x0003, 0x000D, 0x0028, 0x0029, 0x002A,
                                          0x0028, 0x0028, 0x0028, 0x000D, 0x0029}));
    EXPECT_EQ(ops[1].payload, bytes({0, 12, 0, 21, 9}) + "Helvetica");
    EXPECT_EQ(int16At(ops[2].payload, 0), 21);
    EXPECT_EQ(int16At(ops[3].payload, 0), 12);
    EXPECT_EQ(ops[4].payload, bytes({0, 50, 0, 10, 1}) + "A");
    EXPECT_EQ(ops[5].payload, bytes({10, 2}) + "Bc");
    EXPECT_EQ(ops[6].payload, bytes({2, 1}) + "2");
    EXPECT_EQ(ops[7].payload, bytes({0, 52, 0, 5, 1}) + "C");
    EXPECT_EQ(int16At(ops[10].payload, 0), 18);
    EXPECT_EQ(ops[11].payload, bytes({0, 1}) + "F");
}

TEST(MacPictZeptar, DrawTextStartsAtThePenAndMovesIt) {
    MacPictZeptar recorder;
    recorder.CreatePicture(400, 300);
    recorder.MoveTo(40, 100);
    recorder.DrawText("20");
    recorder.DrawText("40");
    const int width = recorder.StringWidth("20");
    const auto ops = drawing(recorder);
    ASSERT_EQ(opcodes(ops).back(), 0x0029);
    EXPECT_EQ(ops[ops.size() - 2].payload, bytes({0, 100, 0, 40, 2}) + "20");
    EXPECT_EQ(ops.back().payload, bytes({width, 2}) + "40");
}

TEST(MacPictZeptar, ThePenStopsAtTheEndOfTheIntRange) {
    MacPictZeptar recorder;
    recorder.CreatePicture(400, 300);
    recorder.MoveTo(INT_MAX - 3, 10);
    recorder.DrawText("Kanten");
    recorder.DrawText("oben");
    EXPECT_NE(recorder.svgDocument().find("<text x=\"2147483647\" y=\"10\""), std::string::npos)
        << recorder.svgDocument();
}

TEST(MacPictZeptar, TextIsMacRomanInRunsOfAtMost255Characters) {
    MacPictZeptar recorder;
    recorder.CreatePicture(400, 300);
    recorder.DrawString("\xC3\xA4\xC2\xB0\xE2\x86\x92", 10, 20); // a umlaut, degree, arrow
    const std::string longText(300, 'i');
    recorder.DrawString(longText, 10, 40);
    const auto ops = drawing(recorder);
    ASSERT_EQ(opcodes(ops),
              (std::vector<std::uint16_t>{0x001A, 0x002C, 0x0003, 0x000D, 0x0028, 0x002A, 0x0028}));
    EXPECT_EQ(ops[4].payload.substr(4), bytes({3, 0x8A, 0xA1, '?'}));
    EXPECT_EQ(ops[5].payload, bytes({20, 255}) + std::string(255, 'i'));
    // The rest continues where the first run ends.
    const int end = 10 + recorder.StringWidth(std::string(255, 'i'));
    EXPECT_EQ(ops[6].payload, bytes({0, 40, end >> 8, end & 0xFF, 45}) + std::string(45, 'i'));
}

TEST(MacPictZeptar, StringWidthUsesHelveticaMetricsInWholePixels) {
    MacPictZeptar recorder;
    EXPECT_EQ(recorder.TextSize(), 12);
    // Helvetica's digits are 1139 units of 2048 wide, "M" 1706, "i" 455.
    recorder.setTextSize(10);
    EXPECT_EQ(recorder.StringWidth("0123456789"), 56); // 55.6
    EXPECT_EQ(recorder.StringWidth("1"), 6);           // 5.56
    recorder.setTextSize(18);
    EXPECT_EQ(recorder.StringWidth("M"), 15); // 14.99
    EXPECT_EQ(recorder.StringWidth("i"), 4);  // 4.00
    EXPECT_EQ(recorder.StringWidth(""), 0);
    recorder.setTextSize(0); // the default size
    EXPECT_EQ(recorder.TextSize(), 0);
    EXPECT_EQ(recorder.StringWidth("0123456789"), 67); // 66.7 at 12
}

TEST(MacPictZeptar, LabelsThroughDrawstringV) {
    MacPictZeptar recorder;
    recorder.CreatePicture(400, 300);
    gemeinsames::drawstringV(recorder, "Al2", 100, 50);
    const auto ops = drawing(recorder);
    // A at 100, l after it, the small 2 two pixels lower where l ends.
    ASSERT_EQ(opcodes(ops), (std::vector<std::uint16_t>{0x001A, 0x002C, 0x0003, 0x000D, 0x0028,
                                                        0x0029, 0x000D, 0x0028}));
    EXPECT_EQ(int16At(ops[3].payload, 0), 18);
    EXPECT_EQ(ops[5].payload, bytes({12, 1}) + "l"); // "A" is 1366 units: 12.0 at 18
    EXPECT_EQ(int16At(ops[6].payload, 0), 10);
    EXPECT_EQ(ops[7].payload, bytes({0, 52, 0, 112 + 4, 1}) + "2"); // "l" is 455: 4.0
}

TEST(MacPictZeptar, CopyPictureEndsThePictureAndHandsItToTheClipboard) {
    auto clipboard = std::make_shared<FakeClipboard>();
    MacPictZeptar recorder(clipboard);
    EXPECT_EQ(recorder.CopyPicture(), PictError::noPicture);
    EXPECT_EQ(clipboard->calls, 0);

    recorder.CreatePicture(100, 80);
    recorder.PaintOval(10, 10, 20, 20);
    EXPECT_EQ(recorder.CopyPicture(), 0);
    ASSERT_EQ(clipboard->calls, 1);
    EXPECT_EQ(clipboard->pict, recorder.pictureBytes());
    EXPECT_NE(clipboard->svg.find("<ellipse cx=\"20\" cy=\"20\" rx=\"10\" ry=\"10\""),
              std::string::npos);
    // Ended: later commands are not recorded.
    recorder.Drawline(0, 0, 50, 50);
    EXPECT_EQ(recorder.pictureBytes(), clipboard->pict);

    clipboard->result = -108;
    recorder.CreatePicture(100, 80);
    EXPECT_EQ(recorder.CopyPicture(), -108);

    MacPictZeptar withoutClipboard;
    withoutClipboard.CreatePicture(10, 10);
    EXPECT_EQ(withoutClipboard.CopyPicture(), PictError::noClipboard);
}

TEST(MacPictZeptar, SavesAPictFileWithA512ByteHeader) {
    test::TemporaryFolder folder;
    MacPictZeptar recorder;
    std::string error;
    EXPECT_FALSE(recorder.savePict(folder / "none.pict", &error));
    EXPECT_FALSE(error.empty());

    recorder.CreatePicture(50, 40);
    recorder.Drawline(0, 0, 49, 39);
    ASSERT_TRUE(recorder.savePict(folder / "line.pict", &error)) << error;
    const std::string file = test::readBytes(folder / "line.pict");
    EXPECT_EQ(file, std::string(512, '\0') + recorder.pictureBytes());
    EXPECT_FALSE(recorder.savePict(folder / "missing" / "line.pict", &error));
}

TEST(MacPictZeptar, SvgTwinHoldsTheSameDrawing) {
    MacPictZeptar recorder;
    recorder.CreatePicture(200, 100);
    recorder.setPenWidth(2);
    recorder.setPenHeight(2);
    recorder.Drawline(10, 10, 20, 10);
    recorder.setPenWidth(1);
    recorder.setPenHeight(1);
    recorder.setForeColor(RGB(255, 0, 0));
    recorder.FrameOval(0, 0, 12, 12);
    recorder.setTextSize(18);
    recorder.DrawString("a<b & \xC3\xA4\xE2\x86\x92", 5, 90);
    const std::string svg = recorder.svgDocument();
    EXPECT_NE(svg.find("width=\"200\" height=\"100\""), std::string::npos);
    EXPECT_NE(svg.find("<polygon points=\"10,10 22,10 22,12 10,12\" fill=\"#000000\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("fill=\"#ff0000\" fill-rule=\"evenodd\""), std::string::npos);
    EXPECT_NE(svg.find("font-size=\"18\""), std::string::npos);
    EXPECT_NE(svg.find(">a&lt;b &amp; \xC3\xA4?</text>"), std::string::npos) << svg;
}

} // namespace
} // namespace morvane
