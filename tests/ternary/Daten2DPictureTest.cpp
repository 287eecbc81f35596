// Pictures handed out by makepicture: made, reused, drawn with the face and the pixel surface.
#include "ternary/Daten2D.h"
#include "ternary/TernaryTestSupport.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::datasetOf;
using test::FakePicture;
using test::FakePictureFactory;
using test::indexOf;

class Pictures : public ::testing::Test {
protected:
    Pictures() : model(test::servicesWith(&factory)) { model.data = datasetOf({{1, 2, 3, 4, 9}}); }

    static FakePicture& fake(const std::unique_ptr<Picture>& picture) {
        return dynamic_cast<FakePicture&>(*picture);
    }

    FakePictureFactory factory;
    Daten2D model;
};

TEST_F(Pictures, NewThirtyTwoBitPictureWithTheDiagramOfTheChosenFace) {
    model.which = 1;
    const std::unique_ptr<Picture> picture = model.makepicture(625, 449, nullptr);
    ASSERT_TRUE(picture);
    EXPECT_EQ(factory.made, 1);
    EXPECT_EQ(factory.lastDepth, 32);
    EXPECT_EQ(picture->Width(), 625);
    EXPECT_EQ(picture->Height(), 449);
    const auto& calls = fake(picture).recording().calls;
    EXPECT_EQ(calls.front(), "TextFont helvetica"); // a new picture is not cleared
    EXPECT_LT(indexOf(calls, "DrawOval 325,211,12,12"), calls.size()); // face BCD
    EXPECT_EQ(model.data->row(1).PunktX, 331);
}

TEST_F(Pictures, SameSizeIsReusedAndClearedBeforeDrawing) {
    std::unique_ptr<Picture> first = model.makepicture(300, 200, nullptr);
    ASSERT_TRUE(first);
    const Picture* address = first.get();
    const std::size_t firstDrawing = fake(first).recording().calls.size();
    const std::unique_ptr<Picture> second = model.makepicture(300, 200, std::move(first));
    EXPECT_EQ(second.get(), address);
    EXPECT_EQ(factory.made, 1);
    const auto& calls = fake(second).recording().calls;
    ASSERT_GT(calls.size(), firstDrawing + 1);
    EXPECT_EQ(calls[firstDrawing], "ClearRect 0,0,300,200");
    EXPECT_EQ(calls[firstDrawing + 1], "TextFont helvetica");
}

TEST_F(Pictures, OtherSizeGivesANewPicture) {
    std::unique_ptr<Picture> first = model.makepicture(300, 200, nullptr);
    const std::unique_ptr<Picture> second = model.makepicture(300, 201, std::move(first));
    ASSERT_TRUE(second);
    EXPECT_EQ(factory.made, 2);
    EXPECT_EQ(second->Height(), 201);
    EXPECT_EQ(indexOf(fake(second).recording().calls, "ClearRect 0,0,300,201"),
              fake(second).recording().calls.size());
}

TEST_F(Pictures, NoneWithoutDataSetFactoryOrMemory) {
    model.data.reset();
    EXPECT_FALSE(model.makepicture(300, 200, std::make_unique<FakePicture>(300, 200)));
    EXPECT_EQ(factory.made, 0);

    model.data = datasetOf({});
    EXPECT_FALSE(model.makepicture(0, 200, nullptr)); // the factory makes nothing

    Daten2D withoutFactory;
    withoutFactory.data = datasetOf({});
    EXPECT_FALSE(withoutFactory.makepicture(300, 200, nullptr));
}

TEST_F(Pictures, PictureLinesAreSmoothedIntoItsPixelsWhenChecked) {
    bool checked = true;
    Daten2D smoothed(test::servicesWith(&factory, [&] { return checked; }));
    smoothed.data = model.data;
    const std::unique_ptr<Picture> picture = smoothed.makepicture(625, 449, nullptr);
    EXPECT_TRUE(fake(picture).recording().callsStartingWith("DrawLine").empty());
    // The base line's first pixel row at y 352 (weight 0.766 of black).
    EXPECT_EQ(fake(picture).pixels().Pixel(300, 352), RGB(59, 59, 59));

    checked = false;
    const std::unique_ptr<Picture> plain = smoothed.makepicture(625, 449, nullptr);
    EXPECT_EQ(fake(plain).recording().callsStartingWith("DrawLine").size(), 30u);
    EXPECT_EQ(fake(plain).pixels().Pixel(300, 352), RGB(255, 255, 255));
}

} // namespace
} // namespace morvane
