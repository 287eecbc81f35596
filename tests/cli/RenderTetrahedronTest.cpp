#include "CommandRun.h"
#include "cli/Command.h"
#include "cli/RenderSupport.h"
#include "draw/Grafik.h"
#include "draw/RecordingGraphics.h"
#include "support/TestPaths.h"
#include "tetra/Daten3D.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sstream>

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::string example() {
    return (test::examplesDir() / "gesteine.txt").string();
}

bool dark(QRgb pixel) {
    return qRed(pixel) < 128 && qGreen(pixel) < 128 && qBlue(pixel) < 128;
}

// The model the command draws, drawn on a recording surface of the same size.
void drawExample(Daten3D& model, std::array<int, 3> angles, RecordingGraphics& g) {
    std::string error;
    model.data = cli::loadForRendering(example(), error);
    ASSERT_NE(model.data, nullptr) << error;
    model.WinkelPosition(angles[0], angles[1], angles[2]);
    model.draw(nullptr, g, 1);
}

} // namespace

TEST(RenderTetrahedron, WritesThePictureOfTheModelAsPng) {
    test::TemporaryFolder folder;
    const fs::path png = folder / "gesteine.png";
    const test::Outcome outcome =
        test::runMorvane({"render", example(), "--3d", "--angles", "55,45,90", "--no-lines",
                          "--no-labels", "-o", png.string()});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "wrote " + png.string() + " (637 x 486 pixels, 62 rows)\n");
    const QImage image(QString::fromStdString(png.string()));
    ASSERT_EQ(image.size(), QSize(637, 486));

    // A disc that no later disc overlaps shows its colour at its centre.
    Daten3D reference;
    RecordingGraphics g(637, 486);
    drawExample(reference, {55, 45, 90}, g);
    ASSERT_EQ(g.callsStartingWith("FillOval").size(), 62u);
    const auto centre = [&](std::int32_t i) {
        const datarow& row = reference.data->row(i);
        return QPoint(static_cast<int>(reference.CenterX + row.x * reference.ScaleFactor),
                      static_cast<int>(reference.CenterY + row.z * reference.ScaleFactor));
    };
    int checked = 0;
    for (std::int32_t i = 1; i <= reference.data->anzahl(); ++i) {
        bool covered = false;
        for (std::int32_t j = i + 1; j <= reference.data->anzahl(); ++j) {
            const QPoint distance = centre(j) - centre(i);
            covered = covered || (std::abs(distance.x()) <= 6 && std::abs(distance.y()) <= 6);
        }
        if (!covered) {
            const Color colour = Grafik::GetFarbe(reference.data->row(i).farbe);
            EXPECT_EQ(image.pixel(centre(i)), qRgb(colour.red(), colour.green(), colour.blue()))
                << "row " << reference.data->row(i).anr;
            ++checked;
        }
    }
    EXPECT_GE(checked, 3);
}

TEST(RenderTetrahedron, EdgesEndAtTheCornersOfTheModel) {
    test::TemporaryFolder folder;
    const fs::path png = folder / "edges.png";
    const test::Outcome outcome =
        test::runMorvane({"render", example(), "--3d", "--angles", "73,345,34", "--no-points",
                          "--size", "500x400", "-o", png.string()});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    const QImage image(QString::fromStdString(png.string()));
    ASSERT_EQ(image.size(), QSize(500, 400));
    Daten3D model;
    RecordingGraphics g(500, 400);
    drawExample(model, {73, 345, 34}, g);
    for (const datarow& corner : model.tet) {
        const int x = static_cast<int>(corner.PunktX + model.CenterX);
        const int y = static_cast<int>(corner.PunktY + model.CenterY);
        EXPECT_TRUE(dark(image.pixel(x, y))) << x << "," << y;
    }
    EXPECT_EQ(image.pixel(2, image.height() - 2), qRgb(255, 255, 255));
}

TEST(RenderTetrahedron, WritesTheVectorRecordingAsPictOrSvg) {
    test::TemporaryFolder folder;
    const fs::path pict = folder / "gesteine.PICT";
    ASSERT_EQ(test::runMorvane({"render", example(), "--3d", "-o", pict.string()}).code, 0);
    const std::string bytes = test::readBytes(pict);
    ASSERT_GT(bytes.size(), 512u + 12u);
    EXPECT_EQ(bytes.substr(0, 512), std::string(512, '\0'));
    // picFrame after picSize: top 0, left 0, bottom 486, right 637, big-endian.
    EXPECT_EQ(bytes.substr(514, 8), std::string("\0\0\0\0\x01\xe6\x02\x7d", 8));

    const fs::path svg = folder / "gesteine.svg";
    ASSERT_EQ(test::runMorvane({"render", example(), "--3d", "-o", svg.string()}).code, 0);
    const std::string document = test::readBytes(svg);
    EXPECT_NE(document.find("<svg"), std::string::npos);
    // Labels are drawn a character at a time: MgO at corner D.
    EXPECT_NE(document.find(">M</text>"), std::string::npos);
    EXPECT_NE(document.find(">g</text>"), std::string::npos);
}

TEST(RenderTetrahedron, MistakesGiveOneClearErrorLine) {
    test::TemporaryFolder folder;
    const std::string png = (folder / "out.png").string();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {{"render", "/nonexistent/daten.txt", "--3d", "-o", png},
         1,
         "morvane render: cannot read /nonexistent/daten.txt: No such file or directory\n"},
        {{"render", example(), "--3d", "-o", (folder / "out.jpg").string()},
         2,
         "morvane render: cannot tell the picture format of " + (folder / "out.jpg").string() +
             ": give the output file the extension .png, .pict or .svg\n"},
        {{"render", example(), "--3d", "--size", "0x10", "-o", png},
         2,
         "morvane render: --size needs WIDTHxHEIGHT in pixels, each 1 to 20000, e.g. 637x486\n"},
        {{"render", example(), "--3d", "--angles", "55,45", "-o", png},
         2,
         "morvane render: --angles needs three whole degrees W1,W2,W3 from -360 to 360, e.g. "
         "55,45,90\n"},
        {{"render", example(), "--3d", "--no-grid", "--face", "2", "-o", png},
         2,
         "morvane render: --no-grid belongs to --2d, not to --3d\n"},
    };
    for (const Case& c : cases) {
        const test::Outcome outcome = test::runMorvane(c.args);
        EXPECT_EQ(outcome.code, c.code) << c.err;
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_FALSE(fs::exists(png));

    const std::string unwritable = (folder / "missing-folder" / "out.png").string();
    const test::Outcome outcome = test::runMorvane({"render", example(), "--3d", "-o", unwritable});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_EQ(outcome.err.rfind("morvane render: cannot write " + unwritable + ": ", 0), 0u)
        << outcome.err;
}

} // namespace morvane
