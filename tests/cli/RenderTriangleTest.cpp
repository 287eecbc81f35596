#include "CommandRun.h"
#include "cli/Command.h"
#include "cli/RenderSupport.h"
#include "draw/Grafik.h"
#include "draw/RecordingGraphics.h"
#include "support/TestPaths.h"
#include "ternary/Daten2D.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sstream>

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::string example() {
    return (test::examplesDir() / "gesteine.txt").string();
}

QRgb rgbOf(Color colour) {
    return qRgb(colour.red(), colour.green(), colour.blue());
}

} // namespace

// Every point whose centre no later point covers shows its row's colour at the position the
// model stores for the window's hit test.
TEST(RenderTriangle, WritesTheFaceAsPngWithThePointsWhereTheModelPutsThem) {
    test::TemporaryFolder folder;
    const fs::path png = folder / "bcd.png";
    const test::Outcome outcome =
        test::runMorvane({"render", example(), "--2d", "--face", "1", "-o", png.string()});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "wrote " + png.string() + " (625 x 449 pixels, 62 rows)\n");
    const QImage image(QString::fromStdString(png.string()));
    ASSERT_EQ(image.size(), QSize(625, 449));

    std::string error;
    Daten2D reference;
    reference.data = cli::loadForRendering(example(), error);
    ASSERT_NE(reference.data, nullptr) << error;
    reference.which = 1;
    RecordingGraphics g(625, 449);
    reference.draw(nullptr, g, 1);
    const auto centre = [&](std::int32_t i) {
        const datarow& row = reference.data->row(i);
        return QPoint(row.PunktX, static_cast<int>(row.PunktY));
    };
    int checked = 0;
    for (std::int32_t i = 1; i <= reference.data->anzahl(); ++i) {
        bool covered = false;
        for (std::int32_t j = i + 1; j <= reference.data->anzahl(); ++j) {
            const QPoint distance = centre(j) - centre(i);
            covered = covered || (std::abs(distance.x()) <= 7 && std::abs(distance.y()) <= 7);
        }
        if (!covered) {
            EXPECT_EQ(image.pixel(centre(i)), rgbOf(Grafik::GetFarbe(reference.data->row(i).farbe)))
                << "row " << reference.data->row(i).anr;
            ++checked;
        }
    }
    EXPECT_GE(checked, 5);
}

// The base line at y 352.234 from x 136 to 487: plain with the 2-pixel pen, or smoothed over
// two pixel rows by 0.766 and 0.234 of black.
TEST(RenderTriangle, SmoothOptionSmoothsTheLines) {
    test::TemporaryFolder folder;
    const fs::path plain = folder / "plain.png";
    const fs::path smooth = folder / "smooth.png";
    ASSERT_EQ(
        test::runMorvane({"render", example(), "--2d", "--no-points", "-o", plain.string()}).code,
        0);
    ASSERT_EQ(test::runMorvane(
                  {"render", example(), "--2d", "--no-points", "--smooth", "-o", smooth.string()})
                  .code,
              0);
    const QImage plainImage(QString::fromStdString(plain.string()));
    const QImage smoothImage(QString::fromStdString(smooth.string()));
    EXPECT_EQ(plainImage.pixel(300, 352), qRgb(0, 0, 0));
    EXPECT_EQ(plainImage.pixel(300, 353), qRgb(0, 0, 0));
    EXPECT_EQ(smoothImage.pixel(300, 352), qRgb(59, 59, 59));
    EXPECT_EQ(smoothImage.pixel(300, 353), qRgb(195, 195, 195));
}

TEST(RenderTriangle, SwitchesAndSizeReachTheModel) {
    test::TemporaryFolder folder;
    const fs::path png = folder / "bare.png";
    const test::Outcome outcome =
        test::runMorvane({"render", example(), "--2d", "--no-grid", "--no-border", "--no-labels",
                          "--no-points", "--size", "400x300", "-o", png.string()});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    QImage image(QString::fromStdString(png.string()));
    ASSERT_EQ(image.size(), QSize(400, 300));
    // Only the file and date lines and the credit line are left: nothing between them.
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 60; y < 240; ++y) {
        for (int x = 0; x < 400; ++x) {
            ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

TEST(RenderTriangle, WritesTheVectorRecordingAsPict) {
    test::TemporaryFolder folder;
    const fs::path pict = folder / "dreieck.pict";
    ASSERT_EQ(
        test::runMorvane({"render", example(), "--2d", "--face", "3", "-o", pict.string()}).code,
        0);
    const std::string bytes = test::readBytes(pict);
    ASSERT_GT(bytes.size(), 512u + 12u);
    EXPECT_EQ(bytes.substr(0, 512), std::string(512, '\0'));
    // picFrame after picSize: top 0, left 0, bottom 449, right 625, big-endian.
    EXPECT_EQ(bytes.substr(514, 8), std::string("\0\0\0\0\x01\xc1\x02\x71", 8));
    // Corner labels are whole strings in the vector recording.
    const fs::path svg = folder / "dreieck.svg";
    ASSERT_EQ(
        test::runMorvane({"render", example(), "--2d", "--face", "3", "-o", svg.string()}).code, 0);
    EXPECT_NE(test::readBytes(svg).find(">MgO</text>"), std::string::npos);
}

TEST(RenderTriangle, OptionsOfTheTetrahedronAreRefused) {
    test::TemporaryFolder folder;
    const std::string png = (folder / "out.png").string();
    for (const std::vector<std::string>& option : {std::vector<std::string>{"--angles", "55,45,90"},
                                                   {"--projection", "1"},
                                                   {"--projection-color", "FF0000"},
                                                   {"--no-lines"}}) {
        std::vector<std::string> args{"render", example(), "--2d", "-o", png};
        args.insert(args.end(), option.begin(), option.end());
        const test::Outcome outcome = test::runMorvane(args);
        EXPECT_EQ(outcome.code, 2);
        EXPECT_EQ(outcome.err, "morvane render: " + option[0] + " belongs to --3d, not to --2d\n");
    }
    EXPECT_FALSE(fs::exists(png));
}

TEST(RenderTriangle, MissingFileGivesOneErrorLine) {
    test::TemporaryFolder folder;
    const std::string png = (folder / "out.png").string();
    const test::Outcome outcome =
        test::runMorvane({"render", "/nonexistent/daten.txt", "--2d", "-o", png});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_EQ(outcome.err,
              "morvane render: cannot read /nonexistent/daten.txt: No such file or directory\n");
    EXPECT_FALSE(fs::exists(png));
}

} // namespace morvane
