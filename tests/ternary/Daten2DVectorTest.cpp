// "Copy vector image": the triangle diagram recorded into the vector recorder.
#include "draw/RecordingGraphics.h"
#include "draw/RecordingVectorRecorder.h"
#include "support/KeptRecorder.h"
#include "ternary/Daten2D.h"
#include "ternary/TernaryTestSupport.h"

#include <gtest/gtest.h>
#include <random>

namespace morvane {
namespace {

using test::datasetOf;
using test::indexOf;
using test::RowValues;
using test::slice;

DiagramServices servicesKeeping(std::vector<std::string>& kept, int copyResult = 0) {
    DiagramServices services;
    services.newRecorder = [&kept, copyResult]() -> std::unique_ptr<VectorRecorder> {
        auto recorder = std::make_unique<test::KeptRecorder>(kept);
        recorder->copyResult = copyResult;
        return recorder;
    };
    return services;
}

// Calls renamed to their raster counterparts.
std::vector<std::string> asRaster(std::vector<std::string> calls) {
    for (std::string& call : calls) {
        if (call.starts_with("Drawline ")) {
            call.replace(0, 8, "DrawLine");
        } else if (call.starts_with("PaintOval ")) {
            call.replace(0, 9, "FillOval");
        } else if (call.starts_with("FrameOval ")) {
            call.replace(0, 9, "DrawOval");
        }
    }
    return calls;
}

std::vector<std::string> geometry(const std::vector<std::string>& calls) {
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.starts_with("DrawLine ") || call.starts_with("FillOval ") ||
            call.starts_with("DrawOval ") || call.starts_with("PenWidth ") ||
            call.starts_with("PenHeight ") || call.starts_with("ForeColor ")) {
            found.push_back(call);
        }
    }
    return found;
}

std::shared_ptr<Dataset> mixedRows() {
    std::mt19937 random(6);
    std::uniform_real_distribution<double> value(-5, 60);
    std::vector<RowValues> rows;
    for (int i = 0; i < 300; ++i) {
        rows.push_back({value(random), value(random), value(random), value(random), i % 17});
    }
    rows.push_back({0, 0, 0, 0, 3});
    return datasetOf(rows, "SiO2", "Al2O3", "FeO", "MgO");
}

class VectorCopy : public ::testing::TestWithParam<int> {};

// Every line, pen, colour and dot box of the recording equals the raster drawing's at the same
// size, and so do the positions stored in the rows; lines are plain even with smoothing checked.
TEST_P(VectorCopy, SameGeometryAndStoredPositionsAsTheRasterDrawing) {
    Daten2D raster;
    raster.data = mixedRows();
    raster.which = GetParam();
    RecordingGraphics g(637, 486);
    raster.draw(nullptr, g, 1);

    std::vector<std::string> kept;
    DiagramServices services = servicesKeeping(kept);
    services.smoothing = [] {
        return true;
    };
    Daten2D vector(services);
    vector.data = mixedRows();
    vector.which = GetParam();
    EXPECT_EQ(vector.CopyVectorImage(637, 486, 0), "");

    EXPECT_EQ(geometry(asRaster(kept)), geometry(g.calls));
    for (std::int32_t i = 1; i <= raster.data->anzahl(); ++i) {
        EXPECT_EQ(vector.data->row(i).PunktX, raster.data->row(i).PunktX) << "row " << i;
        EXPECT_EQ(vector.data->row(i).PunktY, raster.data->row(i).PunktY) << "row " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, VectorCopy, ::testing::Values(0, 1, 2, 3));

TEST(VectorCopy, WithoutGridTicksAndBorderAsTheRasterDrawing) {
    Daten2D raster;
    raster.data = mixedRows();
    raster.showraster = false;
    RecordingGraphics g(625, 449);
    raster.draw(nullptr, g, 1);
    RecordingVectorRecorder p;
    p.CreatePicture(625, 449);
    raster.erzeugebildV(p, 1, 0);
    EXPECT_EQ(geometry(asRaster(p.calls)), geometry(g.calls));
}

class VectorText : public ::testing::Test {
protected:
    VectorText() : model(test::dateServices([] { return std::string("3. März 2024"); })) {
        model.data = datasetOf({}, "SiO2", "MgO", "CO2");
        p.CreatePicture(625, 449);
    }

    const std::vector<std::string>& draw() {
        model.erzeugebildV(p, 1, model.which);
        return p.calls;
    }

    Daten2D model;
    RecordingVectorRecorder p;
};

TEST_F(VectorText, TickLabelsAndCreditLineThroughThePenPosition) {
    const auto& calls = draw();
    const std::size_t ticks = indexOf(calls, "MoveTo 197,372");
    ASSERT_LT(ticks, calls.size());
    EXPECT_EQ(calls[ticks - 1], "TextSize 12");
    EXPECT_EQ(slice(calls, ticks, ticks + 8),
              (std::vector<std::string>{"MoveTo 197,372", "DrawText \"20\"", "MoveTo 267,372",
                                        "DrawText \"40\"", "MoveTo 337,372", "DrawText \"60\"",
                                        "MoveTo 407,372", "DrawText \"80\""}));
    // Centred by the recorder's whole width: 22 characters of 6 pixels.
    EXPECT_EQ(slice(calls, ticks + 8, ticks + 12),
              (std::vector<std::string>{"ForeColor 0,0,0", "TextSize 12", "MoveTo 246,387",
                                        "DrawText \"" + std::string(Daten2D::creditLine) + "\""}));
}

TEST_F(VectorText, CornerLabelsWholeAtOneSizeLeftOneMeasuredAtThatSize) {
    const auto& calls = draw();
    const std::size_t labels = indexOf(calls, "TextSize 18");
    ASSERT_LT(labels, calls.size());
    // "CO2" 27 wide: (625 - 27) / 2; "SiO2" 36 wide at 18: 138 - 15 - 36.
    EXPECT_EQ(
        slice(calls, labels, calls.size()),
        (std::vector<std::string>{"TextSize 18", "DrawString \"CO2\" 299,35",
                                  "DrawString \"SiO2\" 87,362", "DrawString \"MgO\" 502,362"}));
}

TEST_F(VectorText, LabelSizeIsTheWholePartOfOneAndAHalfFontsizes) {
    model.fontsize = 13;
    const auto& calls = draw();
    EXPECT_LT(indexOf(calls, "TextSize 19"), calls.size());
    EXPECT_EQ(indexOf(calls, "TextSize 18"), calls.size());
}

TEST_F(VectorText, FileAndDateLineAsOnTheScreen) {
    model.data->file = "/daten/gesteine.txt";
    const auto& calls = draw();
    EXPECT_EQ(slice(calls, 1, 4),
              (std::vector<std::string>{"TextSize 12", "DrawString \"/daten/gesteine.txt\" 10,20",
                                        "DrawString \"3. März 2024\" 10,40"}));
}

TEST_F(VectorText, NoTextNoLabels) {
    model.showtext = false;
    draw();
    EXPECT_TRUE(p.callsStartingWith("DrawString").empty());
    EXPECT_EQ(p.callsStartingWith("DrawText").size(), 1u); // the credit line only
}

TEST(CopyVectorImage, RecordsAtTheGivenSizeAndCopies) {
    std::vector<std::string> kept;
    Daten2D model(servicesKeeping(kept));
    model.data = datasetOf({{1, 2, 3, 4, 9}});
    model.which = 3;
    // The face argument is passed on; `which` decides what is drawn.
    EXPECT_EQ(model.CopyVectorImage(625, 449, 1), "");
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.front(), "CreatePicture 625,449");
    EXPECT_EQ(kept.back(), "CopyPicture");
    EXPECT_LT(indexOf(kept, "FrameOval 331,173,12,12"), kept.size()); // face DAB
    EXPECT_EQ(model.data->row(1).PunktX, 337);
}

TEST(CopyVectorImage, ErrorOfTheRecorderBecomesTheMessage) {
    std::vector<std::string> kept;
    Daten2D model(servicesKeeping(kept, -108));
    model.data = datasetOf({});
    EXPECT_EQ(model.CopyVectorImage(625, 449, 0),
              "Error -108 on creating the images. (Vector images are not supported on Windows!)");
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.back(), "CopyPicture");
}

TEST(CopyVectorImage, WithoutRecorderAMessageAndNothingElse) {
    Daten2D model;
    model.data = datasetOf({{1, 2, 3, 4, 9}});
    EXPECT_EQ(model.CopyVectorImage(625, 449, 0), vectorImageErrorMessage(-1));
    EXPECT_EQ(model.data->row(1).PunktX, 0);
}

TEST(CopyVectorImage, WithoutDataSetAnEmptyPicture) {
    std::vector<std::string> kept;
    Daten2D model(servicesKeeping(kept));
    EXPECT_EQ(model.CopyVectorImage(100, 100, 0), "");
    EXPECT_EQ(kept, (std::vector<std::string>{"CreatePicture 100,100", "CopyPicture"}));
}

} // namespace
} // namespace morvane
