// The recorder's pictures read by LibreOffice's PICT import, a reader nobody here wrote: one
// picture with every opcode the recorder writes, converted once to PNG and once to SVG.

#include "draw/MacPictZeptar.h"
#include "draw/gemeinsames.h"
#include "support/LibreOfficeConversion.h"
#include "support/TestPaths.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace morvane {
namespace {

constexpr int frameWidth = 400;
constexpr int frameHeight = 300;

// Lines in pens of 1 and 2 in several colours, framed and painted ovals, text at 10, 12 and 18
// through DrawString, MoveTo + DrawText and drawstringV, texts placed relative to the previous
// one (DHText, DVText), and a Mac Roman text. Two black marks
// at opposite corners of the frame let the tests find the picture on LibreOffice's page.
void drawTestPicture(MacPictZeptar& p) {
    p.CreatePicture(frameWidth, frameHeight);
    p.setForeColor(RGB(0, 0, 0));
    p.PaintOval(0, 0, 4, 4);
    p.PaintOval(frameWidth - 4, frameHeight - 4, 4, 4);

    p.setForeColor(RGB(255, 0, 0));
    p.PaintOval(40, 40, 80, 60);
    p.setForeColor(RGB(0, 0, 255));
    p.setPenWidth(2);
    p.setPenHeight(2);
    p.FrameOval(160, 40, 60, 60);
    p.setForeColor(RGB(0, 128, 0));
    p.setPenWidth(1);
    p.setPenHeight(1);
    p.FrameOval(240, 40, 60, 60);

    p.setForeColor(RGB(0, 0, 0));
    p.Drawline(20, 200, 380, 200);
    p.setForeColor(RGB(100, 100, 100));
    p.setPenWidth(2);
    p.setPenHeight(2);
    p.Drawline(20, 230, 380, 280);
    p.setForeColor(RGB(255, 0, 255));
    p.Drawline(340, 110, 340, 170);
    p.setPenWidth(1);
    p.setPenHeight(1);

    p.setForeColor(RGB(0, 0, 0));
    p.setTextSize(18);
    p.DrawString("Tetraeder", 20, 150);
    p.DrawString("unten", 20, 185); // straight below the previous text: DVText
    p.setTextSize(12);
    p.MoveTo(160, 150);
    p.DrawText("Kanten");
    p.DrawText("oben"); // right after the previous text on its baseline: DHText
    p.DrawString("Gr\xC3\xB6\xC3\x9F\x65 \xC2\xB0\x43", 160, 170); // "Größe °C"
    gemeinsames::drawstringV(p, "Al2O3", 250, 150);
}

// CTest runs each test in a process of its own, so each conversion is made only when a test
// asks for it, once per process.
class PictLibreOffice : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = std::make_unique<test::TemporaryFolder>();
        MacPictZeptar recorder;
        drawTestPicture(recorder);
        ASSERT_TRUE(recorder.savePict(s_folder->path() / "diagram.pict"));
    }

    static const test::Conversion& png() {
        if (!s_png) {
            s_png = test::convertWithLibreOffice(s_folder->path() / "diagram.pict", "png",
                                                 s_folder->path());
            if (*s_png) {
                s_page.load(QString::fromStdString(s_png->output.string()));
                s_page = s_page.convertToFormat(QImage::Format_RGB32);
            }
        }
        return *s_png;
    }

    static const test::Conversion& svg() {
        if (!s_svg) {
            s_svg = test::convertWithLibreOffice(s_folder->path() / "diagram.pict", "svg",
                                                 s_folder->path());
        }
        return *s_svg;
    }

    static void TearDownTestSuite() {
        // On failure keep what LibreOffice made, in the working folder (the build folder).
        const auto* suite = ::testing::UnitTest::GetInstance()->current_test_suite();
        if (suite != nullptr && suite->Failed()) {
            for (const char* name : {"diagram.pict", "diagram.png", "diagram.svg"}) {
                std::error_code ignored;
                std::filesystem::copy_file(
                    s_folder->path() / name, std::string("pict_libreoffice_failed_") + name,
                    std::filesystem::copy_options::overwrite_existing, ignored);
            }
        }
        s_page = QImage();
        s_png.reset();
        s_svg.reset();
        s_folder.reset();
    }

    void SetUp() override { ASSERT_FALSE(test::libreOfficeProgram().empty()) << "no soffice"; }

    static QColor at(double x, double y) {
        const auto where = test::locateDrawing(s_page, QRectF(0, 0, frameWidth, frameHeight));
        return s_page.pixelColor(where.toPage(x, y));
    }

    // Whether a pixel within `reach` page pixels of the picture point (x, y) passes `test`.
    template <typename Test>
    static bool near(double x, double y, int reach, Test&& test) {
        const auto where = test::locateDrawing(s_page, QRectF(0, 0, frameWidth, frameHeight));
        const QPoint centre = where.toPage(x, y);
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                const QPoint point = centre + QPoint(dx, dy);
                if (s_page.rect().contains(point) && test(s_page.pixelColor(point))) {
                    return true;
                }
            }
        }
        return false;
    }

    static inline std::unique_ptr<test::TemporaryFolder> s_folder;
    static inline std::optional<test::Conversion> s_png;
    static inline std::optional<test::Conversion> s_svg;
    static inline QImage s_page;
};

bool isRed(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
bool isBlue(const QColor& c) {
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
// A one-pixel line of (0, 128, 0) comes out lighter where LibreOffice smooths it.
bool isGreen(const QColor& c) {
    return c.green() > c.red() + 40 && c.green() > c.blue() + 40;
}
bool isDark(const QColor& c) {
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}
bool isGrey(const QColor& c) {
    return std::abs(c.red() - 100) < 40 && std::abs(c.green() - 100) < 40 &&
           std::abs(c.blue() - 100) < 40;
}
bool isMagenta(const QColor& c) {
    return c.red() > 200 && c.blue() > 200 && c.green() < 60;
}
bool isWhite(const QColor& c) {
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

TEST_F(PictLibreOffice, ConvertsToAPageWithTheWholeFrame) {
    ASSERT_TRUE(png()) << png().log;
    ASSERT_FALSE(s_page.isNull());
    const auto where = test::locateDrawing(s_page, QRectF(0, 0, frameWidth, frameHeight));
    ASSERT_TRUE(where.found());
    // At 72 dpi in the file, the frame keeps its proportions on the page.
    EXPECT_NEAR(where.scaleX, where.scaleY, 0.02);
    EXPECT_GT(where.scaleX, 0.5);
}

TEST_F(PictLibreOffice, PaintedAndFramedOvalsHaveTheirColours) {
    ASSERT_TRUE(png()) << png().log;
    EXPECT_TRUE(isRed(at(80, 70))) << at(80, 70).name().toStdString();
    EXPECT_TRUE(isRed(at(50, 70)));
    EXPECT_TRUE(isWhite(at(42, 42))); // inside the box, outside the oval
    EXPECT_TRUE(isWhite(at(190, 70)));
    EXPECT_TRUE(near(161, 70, 2, isBlue));
    EXPECT_TRUE(near(219, 70, 2, isBlue));
    EXPECT_TRUE(isWhite(at(270, 70)));
    EXPECT_TRUE(near(240.5, 70, 2, isGreen));
}

TEST_F(PictLibreOffice, LinesRunAlongTheirPaths) {
    ASSERT_TRUE(png()) << png().log;
    for (int x = 25; x <= 375; x += 25) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(near(x, 200.5, 2, isDark));
        EXPECT_FALSE(near(x, 205, 2, isDark));
        const double y = 230 + (x - 20) * 50.0 / 360 + 1;
        EXPECT_TRUE(near(x, y, 2, isGrey));
    }
    for (int y = 115; y <= 165; y += 10) {
        EXPECT_TRUE(near(341, y, 2, isMagenta)) << y;
    }
}

TEST_F(PictLibreOffice, TextIsDrawnWhereItsBaselineStarts) {
    ASSERT_TRUE(png()) << png().log;
    // "Tetraeder" at 18 from (20, 150): ink above the baseline, none far below it.
    bool ink = false;
    for (int x = 22; x < 100 && !ink; x += 2) {
        ink = near(x, 144, 2, isDark);
    }
    EXPECT_TRUE(ink);
    EXPECT_FALSE(near(60, 165, 3, isDark));
}

TEST_F(PictLibreOffice, SvgHoldsTheTextsInHelveticaAtTheirSizes) {
    ASSERT_TRUE(svg()) << svg().log;
    const auto texts = test::svgTexts(test::readBytes(svg().output));
    auto find = [&](const std::string& text) -> const test::SvgText* {
        for (const auto& t : texts) {
            if (t.text == text) {
                return &t;
            }
        }
        return nullptr;
    };
    const auto* tetraeder = find("Tetraeder");
    ASSERT_NE(tetraeder, nullptr);
    EXPECT_EQ(tetraeder->fontSize, test::pointsToSvgUnits(18));
    EXPECT_NE(tetraeder->fontFamily.find("Helvetica"), std::string::npos);
    for (const char* text : {"Kanten", "oben", "Gr\xC3\xB6\xC3\x9F\x65 \xC2\xB0\x43"}) {
        const auto* found = find(text);
        ASSERT_NE(found, nullptr) << text;
        EXPECT_EQ(found->fontSize, test::pointsToSvgUnits(12)) << text;
    }
    for (const char* letter : {"A", "l", "O"}) {
        ASSERT_NE(find(letter), nullptr) << letter;
        EXPECT_EQ(find(letter)->fontSize, test::pointsToSvgUnits(18));
    }
    for (const char* digit : {"2", "3"}) {
        ASSERT_NE(find(digit), nullptr) << digit;
        EXPECT_EQ(find(digit)->fontSize, test::pointsToSvgUnits(10));
    }
}

TEST_F(PictLibreOffice, FollowingTextsStartFromThePreviousTextOrigin) {
    ASSERT_TRUE(svg()) << svg().log;
    const auto texts = test::svgTexts(test::readBytes(svg().output));
    auto find = [&](const std::string& text) -> const test::SvgText* {
        for (const auto& t : texts) {
            if (t.text == text) {
                return &t;
            }
        }
        return nullptr;
    };
    const auto* tetraeder = find("Tetraeder");
    const auto* unten = find("unten");
    const auto* kanten = find("Kanten");
    const auto* oben = find("oben");
    ASSERT_TRUE(tetraeder && unten && kanten && oben);
    // The SVG keeps the picture's scale: one pixel is 1/72 inch, in 1/100 mm.
    const double unit = test::pointsToSvgUnits(72) / 72.0;
    EXPECT_NEAR(kanten->x - tetraeder->x, 140 * unit, 2);
    // DHText: "oben" starts where "Kanten" ends, on the same baseline.
    MacPictZeptar widths;
    widths.setTextSize(12);
    EXPECT_NEAR(oben->x - kanten->x, widths.StringWidth("Kanten") * unit, 2);
    EXPECT_NEAR(oben->y, kanten->y, 1);
    // DVText: "unten" starts 35 pixels below "Tetraeder".
    EXPECT_NEAR(unten->x, tetraeder->x, 1);
    EXPECT_NEAR(unten->y - tetraeder->y, 35 * unit, 2);
}

} // namespace
} // namespace morvane
