// What the 3D diagram costs per frame: a disc of 10 in the row's colour inside a black ring of
// 12 for every row, on the window's default 637 x 486 picture.
//   build/bench/draw_bench --benchmark_filter=Discs

#include "draw/Grafik.h"
#include "draw/MacPictZeptar.h"
#include "draw/qt/QtPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

constexpr int pictureWidth = 637;
constexpr int pictureHeight = 486;

struct Sample {
    int u;
    int v;
    int colour;
};

// Deterministic spread over the picture, including its edges.
std::vector<Sample> samples(std::int64_t count) {
    std::vector<Sample> result;
    result.reserve(static_cast<std::size_t>(count));
    std::uint32_t state = 12345;
    auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (std::int64_t i = 0; i < count; ++i) {
        result.push_back({static_cast<int>(next() % pictureWidth),
                          static_cast<int>(next() % pictureHeight), static_cast<int>(next() % 16)});
    }
    return result;
}

void SamplesOnPicture(benchmark::State& state) {
    const auto points = samples(state.range(0));
    auto picture = morvane::QtPictureFactory().NewPicture(pictureWidth, pictureHeight, 32);
    morvane::Graphics& g = picture->graphics();
    for (auto _ : state) {
        for (const Sample& s : points) {
            g.setForeColor(morvane::Grafik::GetFarbe(s.colour));
            g.FillOval(s.u - 5, s.v - 5, 10, 10);
            g.setForeColor(morvane::RGB(0, 0, 0));
            g.DrawOval(s.u - 6, s.v - 6, 12, 12);
        }
        benchmark::DoNotOptimize(picture.get());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SamplesOnPicture)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same through QPainter::drawEllipse per call, for comparison.
void SamplesThroughQPainter(benchmark::State& state) {
    const auto points = samples(state.range(0));
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        for (const Sample& s : points) {
            const morvane::Color c = morvane::Grafik::GetFarbe(s.colour);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(c.red(), c.green(), c.blue()));
            painter.drawEllipse(s.u - 5, s.v - 5, 10, 10);
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(s.u - 6, s.v - 6, 11, 11);
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SamplesThroughQPainter)->Arg(100000)->Unit(benchmark::kMillisecond);

// A canvas: the same pixels through QPainter rectangles.
void SamplesOnPainterDevice(benchmark::State& state) {
    const auto points = samples(state.range(0));
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        morvane::QtGraphics g(painter, pictureWidth, pictureHeight);
        for (const Sample& s : points) {
            g.setForeColor(morvane::Grafik::GetFarbe(s.colour));
            g.FillOval(s.u - 5, s.v - 5, 10, 10);
            g.setForeColor(morvane::RGB(0, 0, 0));
            g.DrawOval(s.u - 6, s.v - 6, 12, 12);
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SamplesOnPainterDevice)->Arg(100000)->Unit(benchmark::kMillisecond);

// The vector output of the same samples.
void SamplesIntoPict(benchmark::State& state) {
    const auto points = samples(state.range(0));
    for (auto _ : state) {
        morvane::MacPictZeptar p;
        p.CreatePicture(pictureWidth, pictureHeight);
        for (const Sample& s : points) {
            p.setForeColor(morvane::Grafik::GetFarbe(s.colour));
            p.PaintOval(s.u - 5, s.v - 5, 10, 10);
            p.setForeColor(morvane::RGB(0, 0, 0));
            p.FrameOval(s.u - 6, s.v - 6, 12, 12);
        }
        benchmark::DoNotOptimize(p.pictureBytes());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SamplesIntoPict)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
