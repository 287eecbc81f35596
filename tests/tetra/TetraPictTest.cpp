// The vector recording of the example file, read back by a PICT reader nobody here wrote.
#include "data/MeasurementFile.h"
#include "draw/Grafik.h"
#include "draw/MacPictZeptar.h"
#include "draw/RecordingGraphics.h"
#include "support/LibreOfficeConversion.h"
#include "support/TestPaths.h"
#include "tetra/Daten3D.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

namespace morvane {
namespace {

constexpr int width = 637;
constexpr int height = 486;

// The darkest channel maximum around a page point: thin lines land between page pixels.
int darkestNear(const QImage& page, QPoint point) {
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb pixel = page.pixel(point.x() + dx, point.y() + dy);
            darkest = std::min(darkest, std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}));
        }
    }
    return darkest;
}

} // namespace

TEST(TetrahedronPict, LibreOfficeShowsTheTetrahedronOfTheExampleFile) {
    const MeasurementFile::LoadResult loaded =
        MeasurementFile::load(test::examplesDir() / "gesteine.txt");
    ASSERT_TRUE(loaded) << loaded.error;
    Daten3D model;
    model.data = loaded.dataset;

    MacPictZeptar recorder;
    recorder.CreatePicture(width, height);
    // Marks at two opposite corners of the frame tell where the frame lands on the page.
    recorder.setForeColor(RGB(0, 0, 0));
    recorder.PaintOval(0, 0, 4, 4);
    recorder.PaintOval(width - 4, height - 4, 4, 4);
    model.drawV(recorder, 1);
    test::TemporaryFolder folder;
    std::string error;
    ASSERT_TRUE(recorder.savePict(folder / "gesteine.pict", &error)) << error;

    const test::Conversion png =
        test::convertWithLibreOffice(folder / "gesteine.pict", "png", folder.path());
    ASSERT_TRUE(png) << png.log;
    const QImage page(QString::fromStdString(png.output.string()));
    const test::PageLocation where = test::locateDrawing(page, QRectF(0, 0, width, height));
    ASSERT_TRUE(where.found());

    // Every corner is the end of drawn edges: dark there.
    for (const datarow& corner : model.tet) {
        const double x = static_cast<int>(corner.PunktX + model.CenterX) + 0.5;
        const double y = static_cast<int>(corner.PunktY + model.CenterY) + 0.5;
        EXPECT_LT(darkestNear(page, where.toPage(x, y)), 110) << "corner at " << x << "," << y;
    }
    // The disc drawn last lies in front of all others: its centre shows the row's colour.
    const datarow& front = model.data->row(model.data->anzahl());
    const int u = static_cast<int>(model.CenterX + front.x * model.ScaleFactor);
    const int v = static_cast<int>(model.CenterY + front.z * model.ScaleFactor);
    const QColor centre = page.pixelColor(where.toPage(u + 0.5, v + 0.5));
    const Color expected = Grafik::GetFarbe(front.farbe);
    EXPECT_NEAR(centre.red(), expected.red(), 40) << u << "," << v;
    EXPECT_NEAR(centre.green(), expected.green(), 40) << u << "," << v;
    EXPECT_NEAR(centre.blue(), expected.blue(), 40) << u << "," << v;
    // Far from the tetrahedron and the texts the page stays white.
    const QColor blank = page.pixelColor(where.toPage(width - 40.5, 60.5));
    EXPECT_GT(std::min({blank.red(), blank.green(), blank.blue()}), 240);
}

} // namespace morvane
