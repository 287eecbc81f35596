// The vector recording of the triangle diagram read back by LibreOffice's PICT import, a reader
// nobody here wrote: the triangle, its grid and its points must be where the model put them.

#include "draw/MacPictZeptar.h"
#include "support/LibreOfficeConversion.h"
#include "support/TestPaths.h"
#include "ternary/Daten2D.h"
#include "ternary/TernaryTestSupport.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace morvane {
namespace {

constexpr int frameWidth = 625;
constexpr int frameHeight = 449;

// Layout at 625 x 449: s 349, x0 138, yb 352.234; the apex at (312.5, 50).
// Points (kreisdicke 20): pure A on the left corner in red, pure B on the right corner in blue,
// pure C on the apex in green, equal shares in the middle in magenta.
std::shared_ptr<Dataset> cornerRows() {
    return test::datasetOf(
        {{10, 0, 0, 0, 9}, {0, 10, 0, 0, 12}, {0, 0, 10, 0, 10}, {10, 10, 10, 0, 13}}, "SiO2",
        "Al2O3", "FeO");
}

// The recording of cornerRows at 625 x 449, written once per test program as a PICT file.
class TriangleRecording : public ::testing::Test {
protected:
    static void recordPict() {
        s_folder = std::make_unique<test::TemporaryFolder>();
        Daten2D model;
        model.data = cornerRows();
        model.kreisdicke = 20;
        MacPictZeptar recorder;
        recorder.CreatePicture(frameWidth, frameHeight);
        // Marks at opposite corners of the frame, so the page position can be found.
        recorder.setForeColor(RGB(0, 0, 0));
        recorder.PaintOval(0, 0, 4, 4);
        recorder.PaintOval(frameWidth - 4, frameHeight - 4, 4, 4);
        model.erzeugebildV(recorder, 0, 0);
        s_centre = {model.data->row(4).PunktX, model.data->row(4).PunktY};
        ASSERT_TRUE(recorder.savePict(pict()));
    }

    static std::filesystem::path pict() { return s_folder->path() / "triangle.pict"; }

    // On failure keeps what LibreOffice made in the working folder (the build folder).
    static void keepFilesOnFailure() {
        const auto* suite = ::testing::UnitTest::GetInstance()->current_test_suite();
        if (suite != nullptr && suite->Failed()) {
            for (const char* name : {"triangle.pict", "triangle.png", "triangle.svg"}) {
                std::error_code ignored;
                std::filesystem::copy_file(
                    s_folder->path() / name, std::string("triangle_libreoffice_failed_") + name,
                    std::filesystem::copy_options::overwrite_existing, ignored);
            }
        }
        s_folder.reset();
    }

    void SetUp() override { ASSERT_FALSE(test::libreOfficeProgram().empty()) << "no soffice"; }

    struct Centre {
        int x;
        double y;
    };

    static inline std::unique_ptr<test::TemporaryFolder> s_folder;
    static inline Centre s_centre{};
};

// The recording converted to a PNG page (each test program converts only what its tests read).
class TriangleLibreOffice : public TriangleRecording {
protected:
    static void SetUpTestSuite() {
        recordPict();
        s_png = test::convertWithLibreOffice(pict(), "png", s_folder->path());
        if (s_png) {
            s_page.load(QString::fromStdString(s_png.output.string()));
            s_page = s_page.convertToFormat(QImage::Format_RGB32);
        }
    }
    static void TearDownTestSuite() {
        keepFilesOnFailure();
        s_page = QImage();
    }

    void SetUp() override {
        TriangleRecording::SetUp();
        ASSERT_TRUE(s_png) << s_png.log;
    }

    static test::PageLocation where() {
        return test::locateDrawing(s_page, QRectF(0, 0, frameWidth, frameHeight));
    }

    static QColor at(double x, double y) { return s_page.pixelColor(where().toPage(x, y)); }

    // Whether a page pixel within `reach` of the picture point (x, y) passes `test`.
    template <typename Test>
    static bool near(double x, double y, int reach, Test&& test) {
        const QPoint centre = where().toPage(x, y);
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

    static bool dark(const QColor& c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }
    static bool white(const QColor& c) {
        return c.red() > 240 && c.green() > 240 && c.blue() > 240;
    }
    static bool grey(const QColor& c) {
        return std::abs(c.red() - 200) < 30 && std::abs(c.green() - 200) < 30 &&
               std::abs(c.blue() - 200) < 30;
    }

    static inline test::Conversion s_png;
    static inline QImage s_page;
};

// The recording converted to SVG, for its texts.
class TriangleLibreOfficeSvg : public TriangleRecording {
protected:
    static void SetUpTestSuite() {
        recordPict();
        s_svg = test::convertWithLibreOffice(pict(), "svg", s_folder->path());
    }
    static void TearDownTestSuite() { keepFilesOnFailure(); }

    static inline test::Conversion s_svg;
};

TEST_F(TriangleLibreOffice, PictureLandsOnThePageWithItsFrame) {
    const test::PageLocation location = where();
    ASSERT_TRUE(location.found());
    EXPECT_NEAR(location.scaleX, location.scaleY, 0.02);
}

TEST_F(TriangleLibreOffice, BorderIsDarkAlongAllThreeSides) {
    // The middle of the base, of the left side and of the right side (2-pixel pen, 1 pixel in).
    EXPECT_TRUE(near(300, 353, 2, dark)) << "base";
    EXPECT_TRUE(near(223, 201, 2, dark)) << "left side";
    EXPECT_TRUE(near(400.5, 201, 2, dark)) << "right side";
}

TEST_F(TriangleLibreOffice, GridLinesAreLightGrey) {
    // The 50 % line of the top share runs horizontally at yb - 151.1 from x 225.25 to 399.75.
    EXPECT_TRUE(near(260, 201.6, 2, grey));
    EXPECT_TRUE(near(360, 201.6, 2, grey));
}

TEST_F(TriangleLibreOffice, PointsInTheirColoursAtTheCornersAndInTheMiddle) {
    // Discs of 18 inside a black ring of 20: their colour shows a few pixels inside the ring.
    EXPECT_EQ(at(s_centre.x + 0.5, s_centre.y + 0.5), QColor(255, 0, 255));
    EXPECT_TRUE(near(138 + 4, 352, 2, [](const QColor& c) { return c == QColor(255, 0, 0); }));
    EXPECT_TRUE(near(487 - 4, 352, 2, [](const QColor& c) { return c == QColor(0, 0, 255); }));
    EXPECT_TRUE(near(312.5, 50 + 4, 2, [](const QColor& c) { return c == QColor(0, 255, 0); }));
    // The middle point's black ring, 10 pixels left of its centre.
    EXPECT_TRUE(near(s_centre.x - 9.5, s_centre.y, 2, dark));
}

TEST_F(TriangleLibreOffice, InsideAndOutsideTheLinesStaysWhite) {
    EXPECT_TRUE(white(at(60.5, 200.5)));  // left of the triangle
    EXPECT_TRUE(white(at(570.5, 200.5))); // right of it
    EXPECT_TRUE(white(at(312.5, 300.5))); // inside, between grid lines
}

TEST_F(TriangleLibreOfficeSvg, LabelsAreWholeTexts) {
    ASSERT_TRUE(s_svg) << s_svg.log;
    const std::vector<test::SvgText> texts = test::svgTexts(test::readBytes(s_svg.output));
    const auto has = [&](const std::string& text) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const test::SvgText& t) { return t.text == text; });
    };
    for (const char* text : {"20", "40", "60", "80", "SiO2", "Al2O3", "FeO"}) {
        EXPECT_TRUE(has(text)) << text;
    }
    EXPECT_TRUE(has(std::string(Daten2D::creditLine)));
}

} // namespace
} // namespace morvane
