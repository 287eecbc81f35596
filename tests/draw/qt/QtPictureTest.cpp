#include "draw/qt/QtPicture.h"

#include "draw/MacPictZeptar.h"
#include "draw/qt/PictureFile.h"
#include "draw/qt/QtPictClipboard.h"
#include "support/TestPaths.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <climits>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvane {
namespace {

TEST(QtPicture, NewPicturesAreWhite32BitAt72Dpi) {
    auto picture = QtPictureFactory().NewPicture(637, 486, 32);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 637);
    EXPECT_EQ(picture->Height(), 486);
    const QImage& image = *pictureImage(*picture);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.width(), 637);
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            ASSERT_EQ(image.pixel(x, y), 0xFFFFFFFFu);
        }
    }
    EXPECT_EQ(picture->rgbSurface().Pixel(636, 485), RGB(255, 255, 255));
    auto& qtPicture = static_cast<QtPicture&>(*picture);
    EXPECT_NEAR(qtPicture.horizontalResolution(), 72, 0.01);
    picture->setHorizontalResolution(144);
    picture->setVerticalResolution(144);
    EXPECT_NEAR(qtPicture.horizontalResolution(), 144, 0.01);
    EXPECT_NEAR(qtPicture.verticalResolution(), 144, 0.01);
    // Both surfaces show the same pixels: what one draws, the other reads.
    EXPECT_EQ(picture->graphics().Width(), 637);
    picture->graphics().setForeColor(RGB(12, 34, 56));
    picture->graphics().FillRect(3, 4, 1, 1);
    EXPECT_EQ(picture->rgbSurface().Pixel(3, 4), RGB(12, 34, 56));
    picture->rgbSurface().setPixel(5, 6, RGB(200, 0, 100));
    EXPECT_EQ(image.pixel(5, 6), qRgb(200, 0, 100));
}

TEST(QtPicture, AbsurdSizesGiveNoPicture) {
    const QtPictureFactory factory;
    const int sizes[][2] = {{0, 10},          {10, 0},       {-1, 5},      {5, INT_MIN},
                            {100000, 100000}, {32768, 1},    {INT_MAX, 2}, {INT_MAX, INT_MAX},
                            {32767, 32767},   {20000, 20000}};
    for (const auto& size : sizes) {
        EXPECT_EQ(factory.NewPicture(size[0], size[1], 32), nullptr) << size[0] << " x " << size[1];
    }
    EXPECT_NE(factory.NewPicture(32767, 1, 32), nullptr);
    EXPECT_NE(factory.NewPicture(1, 1, 32), nullptr);
}

TEST(QtPicture, ShortMemoryGivesNoPicture) {
    // In a child process whose address space is capped, a picture that would fit the limits
    // cannot be had.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const auto inUse = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
        const rlim_t cap = inUse + 100 * 1024 * 1024; // 100 MB more, the picture needs 400 MB
        const rlimit limit{cap, cap};
        setrlimit(RLIMIT_AS, &limit);
        const QtPictureFactory factory;
        const bool largeRefused = factory.NewPicture(10000, 10000, 32) == nullptr;
        const bool smallMade = factory.NewPicture(100, 100, 32) != nullptr;
        _exit(largeRefused && smallMade ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child crashed";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(QtPicture, SavesAsPngWithItsPixelsAndResolution) {
    test::TemporaryFolder folder;
    auto picture = QtPictureFactory().NewPicture(30, 20, 32);
    ASSERT_TRUE(picture);
    picture->graphics().setForeColor(RGB(12, 34, 56));
    picture->graphics().FillOval(5, 5, 10, 10);
    picture->setHorizontalResolution(144);
    picture->setVerticalResolution(144);
    std::string error;
    ASSERT_TRUE(savePicture(*picture, folder / "graph.png", &error)) << error;
    const QImage saved(QString::fromStdString((folder / "graph.png").string()));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), *pictureImage(*picture));
    EXPECT_EQ(qRound(saved.dotsPerMeterX() * 0.0254), 144);
    EXPECT_EQ(qRound(saved.dotsPerMeterY() * 0.0254), 144);

    EXPECT_FALSE(savePicture(*picture, folder / "missing" / "graph.png", &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST(QtPictClipboard, PutsThePictAndItsSvgTwinOnTheClipboard) {
    auto clipboard = std::make_shared<QtPictClipboard>();
    MacPictZeptar recorder(clipboard);
    recorder.CreatePicture(100, 50);
    recorder.setForeColor(RGB(255, 0, 0));
    recorder.PaintOval(10, 10, 20, 20);
    ASSERT_EQ(recorder.CopyPicture(), 0);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QByteArray pict = data->data("image/x-pict");
    EXPECT_EQ(pict.toStdString(), recorder.pictureBytes());
    const QByteArray svg = data->data("image/svg+xml");
    EXPECT_EQ(svg.toStdString(), recorder.svgDocument());
    EXPECT_TRUE(svg.contains("<ellipse"));
}

} // namespace
} // namespace morvane
