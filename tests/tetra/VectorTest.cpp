#include "TetraTestSupport.h"
#include "draw/RecordingGraphics.h"
#include "draw/RecordingVectorRecorder.h"
#include "support/KeptRecorder.h"
#include "tetra/Daten3D.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::callsBetween;
using test::callsOf;
using test::centreRow;

// Services whose recorders leave their calls in `kept` when the model drops them.
struct RecorderServices {
    explicit RecorderServices(int copyResult = 0) {
        services.newRecorder = [this, copyResult]() -> std::unique_ptr<VectorRecorder> {
            auto recorder = std::make_unique<test::KeptRecorder>(kept);
            recorder->copyResult = copyResult;
            ++made;
            return recorder;
        };
        services.smoothing = [] {
            return true;
        };
        services.longDate = [] {
            return std::string("1. Januar 2024");
        };
    }
    DiagramServices services;
    std::vector<std::string> kept;
    int made = 0;
};

RecordingVectorRecorder recordAt(Daten3D& model, int width, int height) {
    RecordingVectorRecorder p;
    p.CreatePicture(width, height);
    model.drawV(p, 1);
    return p;
}

} // namespace

TEST(Daten3DVector, SameEdgesAsTheRasterAndNeverSmoothed) {
    RecorderServices recorders;
    Daten3D model(recorders.services); // smoothing is on
    model.data = centreRow();
    const RecordingVectorRecorder p = recordAt(model, 400, 400);
    EXPECT_EQ(callsBetween(p, "ForeColor 100,100,100", "ForeColor 0,0,0"),
              (std::vector<std::string>{"Drawline 100,100,300,100", "Drawline 100,100,300,300",
                                        "Drawline 100,100,100,300", "Drawline 100,300,300,100",
                                        "Drawline 300,100,300,300", "Drawline 300,300,100,300"}));
    EXPECT_EQ(callsBetween(p, "PenHeight 2", "PenWidth 1"),
              (std::vector<std::string>{"ForeColor 0,0,0", "Drawline 100,100,300,100",
                                        "Drawline 100,100,100,300", "Drawline 300,100,300,300",
                                        "Drawline 100,300,300,300", "Drawline 100,300,300,100"}));
}

TEST(Daten3DVector, LabelsAreNotBoldAndHangByTheTextSize) {
    Daten3D model;
    model.data = centreRow();
    model.showdata = false;
    const RecordingVectorRecorder p = recordAt(model, 400, 400);
    // Whole-pixel widths (D: 9 at 18); below the centre the drop is the text size, 18.
    EXPECT_EQ(callsBetween(p, "ForeColor 0,0,0", "PenWidth 2"),
              (std::vector<std::string>{"TextSize 18", "TextSize 18", "DrawString \"D\" 81,90",
                                        "TextSize 18", "DrawString \"C\" 310,90", "TextSize 18",
                                        "DrawString \"B\" 310,328", "TextSize 18",
                                        "DrawString \"A\" 81,328", "ForeColor 0,0,0"}));
    // The raster picture of the same model sets bold around the labels.
    RecordingGraphics g(400, 400);
    model.draw(nullptr, g, 1);
    EXPECT_EQ(g.callsStartingWith("Bold"), (std::vector<std::string>{"Bold 1", "Bold 0"}));
}

TEST(Daten3DVector, ProjectionMarkersAreRingsOnlyAlsoOutsideTheFrame) {
    Daten3D model;
    model.data = test::datasetOf({{1, 1, 1, 1, 9}, {1, 1, 1, 1, 12}});
    model.which = 1;
    model.showline = false;
    model.showtext = false;
    const RecordingVectorRecorder p = recordAt(model, 400, 400);
    EXPECT_EQ(
        callsOf(p, {"ForeColor", "FrameOval", "PaintOval"}),
        (std::vector<std::string>{
            "ForeColor 128,128,128", "FrameOval 232,232,3,3", "FrameOval 232,232,3,3",
            "ForeColor 255,0,0", "PaintOval 195,195,10,10", "ForeColor 0,0,0",
            "FrameOval 194,194,12,12", "ForeColor 0,0,255", "PaintOval 195,195,10,10",
            "ForeColor 0,0,0", "FrameOval 194,194,12,12", "ForeColor 0,0,0", "ForeColor 0,0,0"}));

    // A marker whose centre lies right of and below the frame keeps its ring.
    model.data->row(1).PunktX = 500;
    model.data->row(1).PunktY = 600.5;
    model.showdata = false;
    RecordingVectorRecorder outside;
    outside.CreatePicture(400, 400);
    model.RaumPunkteV(outside);
    EXPECT_EQ(outside.calls,
              (std::vector<std::string>{"CreatePicture 400,400", "ForeColor 128,128,128",
                                        "FrameOval 499,599,3,3", "FrameOval 232,232,3,3",
                                        "ForeColor 0,0,0"}));
}

TEST(Daten3DVector, CreditAndFileLinesUseTheRecorder) {
    RecorderServices recorders;
    Daten3D model(recorders.services);
    model.data = centreRow();
    model.data->file = "/data/gesteine.txt";
    const RecordingVectorRecorder p = recordAt(model, 400, 400);
    const std::vector<std::string> tail(p.calls.end() - 6, p.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "ForeColor 0,0,0", "TextSize 12",
                        "DrawString \"" + std::string(Daten3D::creditLine) + "\" 134,320",
                        "TextSize 12", "DrawString \"/data/gesteine.txt\" 10,20",
                        "DrawString \"1. Januar 2024\" 10,40"}));
}

TEST(Daten3DVector, CopyRecordsAtTheGivenSizeAndReportsSuccessSilently) {
    RecorderServices recorders;
    Daten3D model(recorders.services);
    model.data = centreRow();
    EXPECT_EQ(model.CopyVectorImage(400, 300), "");
    EXPECT_EQ(recorders.made, 1);
    // One picture of the given size, the whole drawing laid out for it, then the copy.
    ASSERT_FALSE(recorders.kept.empty());
    EXPECT_EQ(recorders.kept.front(), "CreatePicture 400,300");
    EXPECT_EQ(recorders.kept.back(), "CopyPicture");
    EXPECT_EQ(callsNamed(recorders.kept, "CreatePicture").size(), 1u);
    EXPECT_EQ(callsNamed(recorders.kept, "CopyPicture").size(), 1u);
    EXPECT_EQ(callsNamed(recorders.kept, "PaintOval"),
              std::vector<std::string>{"PaintOval 195,145,10,10"});
}

TEST(Daten3DVector, CopyFailureGivesExactlyTheOneMessage) {
    RecorderServices failing(-108);
    Daten3D model(failing.services);
    model.data = centreRow();
    EXPECT_EQ(model.CopyVectorImage(400, 400),
              "Error -108 on creating the images. (Vector images are not supported on Windows!)");
    ASSERT_FALSE(failing.kept.empty());
    EXPECT_EQ(failing.kept.back(), "CopyPicture");
    Daten3D withoutRecorder;
    withoutRecorder.data = centreRow();
    EXPECT_EQ(withoutRecorder.CopyVectorImage(400, 400), vectorImageErrorMessage(-1));
}

} // namespace morvane
