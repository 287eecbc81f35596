// One drawing of the triangle diagram on the 3D window's default picture size, 637 x 486, as the
// 2D window makes it on every change: the reused picture is cleared and everything is drawn
// again, one disc and ring per row. Also the same drawing with smoothed lines and as a vector
// recording.
//   build/bench/ternary_bench --benchmark_filter=Picture

#include "data/Dataset.h"
#include "draw/MacPictZeptar.h"
#include "draw/qt/BundledFonts.h"
#include "draw/qt/QtPicture.h"
#include "ternary/Daten2D.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

using namespace morvane;

constexpr int pictureWidth = 637;
constexpr int pictureHeight = 486;

// Compositions with two decimals as the instruments write them, some rows outside the face
// (zero sums) and colours 0 to 15.
std::shared_ptr<Dataset> rows(std::int64_t count) {
    auto data = std::make_shared<Dataset>();
    data->reihen.reserve(static_cast<std::size_t>(count) + 1);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> hundredths(0, 7500);
    std::uniform_int_distribution<int> colour(0, 15);
    for (std::int64_t i = 1; i <= count; ++i) {
        datarow row;
        row.anr = static_cast<std::int32_t>(i);
        row.a = hundredths(random) / 100.0;
        row.b = hundredths(random) / 100.0;
        row.c = hundredths(random) / 100.0;
        row.d = hundredths(random) / 100.0;
        row.farbe = colour(random);
        data->addrow(row);
    }
    data->a = "SiO2";
    data->b = "Al2O3";
    data->c = "FeO";
    data->d = "MgO";
    return data;
}

const QtPictureFactory pictures;

DiagramServices services(bool smoothing) {
    DiagramServices result;
    result.pictures = &pictures;
    result.smoothing = [smoothing] {
        return smoothing;
    };
    result.longDate = [] {
        return std::string("Freitag, 11. Dezember 2026");
    };
    return result;
}

void drawings(benchmark::State& state, bool smoothing) {
    Daten2D model(services(smoothing));
    model.data = rows(state.range(0));
    std::unique_ptr<Picture> picture = model.makepicture(pictureWidth, pictureHeight, nullptr);
    for (auto _ : state) {
        picture = model.makepicture(pictureWidth, pictureHeight, std::move(picture));
        benchmark::DoNotOptimize(picture.get());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void PictureDrawing(benchmark::State& state) {
    drawings(state, false);
}
BENCHMARK(PictureDrawing)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

void PictureDrawingSmoothed(benchmark::State& state) {
    drawings(state, true);
}
BENCHMARK(PictureDrawingSmoothed)->Arg(100000)->Unit(benchmark::kMillisecond);

// "Copy vector image" without the clipboard: the recording of every row.
void VectorRecording(benchmark::State& state) {
    Daten2D model(services(false));
    model.data = rows(state.range(0));
    for (auto _ : state) {
        MacPictZeptar p;
        p.CreatePicture(pictureWidth, pictureHeight);
        model.erzeugebildV(p, 0, model.which);
        benchmark::DoNotOptimize(p.pictureBytes());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(VectorRecording)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    registerBundledFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
