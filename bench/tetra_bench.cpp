// Speed of one tetrahedron drawing (637 x 486, angles 55, 45, 90, projection on face ABC) at
// 1,000 to 1,000,000 rows of random compositions:
// - Picture: makepicture into a Qt picture, as the window and `morvane render` draw;
// - Redraw: the same at the same angles again (the rows are already in depth order);
// - ModelOnly: on a surface that draws nothing, the cost of the model itself.
// Each timed drawing but Redraw starts from the rows in file order, as a first drawing does.
#include "RandomCompositions.h"
#include "draw/Graphics.h"
#include "draw/qt/BundledFonts.h"
#include "draw/qt/QtPicture.h"
#include "tetra/Daten3D.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <random>

namespace morvane {
namespace {

constexpr int pictureWidth = 637;
constexpr int pictureHeight = 486;

// A surface that draws nothing: the cost of the model alone.
class NullGraphics : public Graphics {
public:
    Color ForeColor() const override { return m_color; }
    void setForeColor(Color color) override { m_color = color; }
    int Width() const override { return pictureWidth; }
    int Height() const override { return pictureHeight; }
    void setTextFont(std::string_view) override {}
    void setTextSize(double) override {}
    void setBold(bool) override {}
    void setPenWidth(int) override {}
    void setPenHeight(int) override {}
    int TextHeight() const override { return 15; }
    void DrawLine(int, int, int, int) override {}
    void DrawOval(int x, int, int, int) override { benchmark::DoNotOptimize(x); }
    void FillOval(int x, int, int, int) override { benchmark::DoNotOptimize(x); }
    void DrawRect(int, int, int, int) override {}
    void FillRect(int, int, int, int) override {}
    void ClearRect(int, int, int, int) override {}
    void DrawString(std::string_view, int, int) override {}
    double StringWidth(std::string_view text) const override {
        return 7.0 * static_cast<double>(text.size());
    }
    void DrawPicture(const Picture&, int, int) override {}
    void setPixel(int, int, Color) override {}
    void DrawCautionIcon(int, int) override {}

private:
    Color m_color;
};

void configure(Daten3D& model, std::int64_t rows) {
    model.data = bench::randomCompositions(rows);
    model.WinkelPosition(55, 45, 90);
    model.which = 1;
}

void ModelOnly(benchmark::State& state) {
    Daten3D model;
    configure(model, state.range(0));
    NullGraphics g;
    const std::vector<datarow> fileOrder = model.data->reihen;
    for (auto _ : state) {
        // Every drawing starts from the order of the file, as the first drawing of a window or
        // a command-line render does; a redraw at the same angles would find the rows sorted.
        state.PauseTiming();
        model.data->reihen = fileOrder;
        state.ResumeTiming();
        model.draw(nullptr, g, 1);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ModelOnly)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

DiagramServices qtServices() {
    static const QtPictureFactory pictures;
    DiagramServices services;
    services.pictures = &pictures;
    services.longDate = [] {
        return std::string("Friday, 11 December 2026");
    };
    return services;
}

void Picture(benchmark::State& state) {
    Daten3D model(qtServices());
    configure(model, state.range(0));
    const std::vector<datarow> fileOrder = model.data->reihen;
    std::unique_ptr<morvane::Picture> picture;
    for (auto _ : state) {
        state.PauseTiming();
        model.data->reihen = fileOrder;
        state.ResumeTiming();
        picture = model.makepicture(pictureWidth, pictureHeight, std::move(picture));
        benchmark::DoNotOptimize(picture.get());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Picture)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

void Redraw(benchmark::State& state) {
    Daten3D model(qtServices());
    configure(model, state.range(0));
    std::unique_ptr<morvane::Picture> picture;
    for (auto _ : state) {
        picture = model.makepicture(pictureWidth, pictureHeight, std::move(picture));
        benchmark::DoNotOptimize(picture.get());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Redraw)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace morvane

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication application(argc, argv);
    morvane::registerBundledFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
