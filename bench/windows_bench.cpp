// On the offscreen platform:
// - opening and scrolling a measurement file of a million rows in the data window: the time from
//   the file name to a shown and painted window, and the time of one scroll step with its
//   repaint;
// - the graph windows at 100,000 rows: one step of a dragged angle slider (render and repaint of
//   the canvas), the name of the point under the moving mouse (hit test), one render of the
//   triangle as on every activation.

#include "RandomCompositions.h"
#include "app/App.h"
#include "draw/qt/BundledFonts.h"
#include "draw/qt/QtDiagramServices.h"
#include "windows/Ausgabe2D.h"
#include "windows/Ausgabe3D.h"
#include "windows/DataWindow.h"
#include "windows/GraphCanvas.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int millionRows = 1'000'000;

// The file of a million random rows in the measurement format, once it has been made.
std::optional<fs::path>& millionRowFileMade() {
    static std::optional<fs::path> path;
    return path;
}

// Makes the file on first use; main() removes it at the end.
const fs::path& millionRowFile() {
    std::optional<fs::path>& made = millionRowFileMade();
    if (made) {
        return *made;
    }
    const fs::path file = fs::temp_directory_path() / "morvane-bench-million.txt";
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe\n";
    std::mt19937 random(42);
    std::uniform_int_distribution<int> hundredths(0, 9999);
    std::uniform_int_distribution<int> colour(0, 15);
    char line[96];
    for (int row = 1; row <= millionRows; ++row) {
        const int a = hundredths(random), b = hundredths(random), c = hundredths(random),
                  d = hundredths(random);
        std::snprintf(line, sizeof line, "%d\t%d,%02d\t%d,%02d\t%d,%02d\t%d,%02d\t%d\n", row,
                      a / 100, a % 100, b / 100, b % 100, c / 100, c % 100, d / 100, d % 100,
                      colour(random));
        out << line;
    }
    made = file;
    return *made;
}

// Lets the offscreen platform expose the window, so that repaint() really paints.
void waitUntilExposed(QWidget& window) {
    for (int pass = 0;
         pass < 1000 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++pass) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// From the file name to the shown, painted data window, as a file handed to the program opens.
void OpenMillionRowsUntilShown(benchmark::State& state) {
    const QString file = QString::fromStdString(millionRowFile().string());
    morvane::App app;
    for (auto _ : state) {
        morvane::DataWindow* window = app.Event_OpenDocument(file);
        if (!window) {
            state.SkipWithError("the file did not open");
            break;
        }
        waitUntilExposed(*window);
        window->repaint();
        state.PauseTiming();
        state.counters["rows"] = window->Liste()->model()->rowCount();
        delete window;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenMillionRowsUntilShown)->Unit(benchmark::kMillisecond)->Iterations(3);

// One page down in a list of a million rows, with its repaint, anywhere in the list.
void ScrollMillionRows(benchmark::State& state) {
    morvane::DataWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false); // lives on the stack
    window.loadfile(millionRowFile());
    window.show();
    window.switchView();
    waitUntilExposed(window);
    QScrollBar* bar = window.Liste()->verticalScrollBar();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> position(bar->minimum(), bar->maximum());
    for (auto _ : state) {
        bar->setValue(position(random));
        window.Liste()->viewport()->repaint();
    }
}
BENCHMARK(ScrollMillionRows)->Unit(benchmark::kMillisecond);

// A dragged angle slider moves by one degree: the window renders the tetrahedron (637 x 486;
// second argument: no face projection, or the projection on face ABC) and the canvas repaints.
void DragAngleSlider3D(benchmark::State& state) {
    auto* window = morvane::Ausgabe3D::open(morvane::bench::randomCompositions(state.range(0)),
                                            morvane::qtDiagramServices({}));
    window->findChild<QComboBox*>("PopupProjektion")
        ->setCurrentIndex(static_cast<int>(state.range(1)));
    waitUntilExposed(*window);
    auto* slider = window->findChild<QSlider*>("Slider1");
    int angle = 0;
    for (auto _ : state) {
        angle = (angle + 1) % 360;
        slider->setValue(angle);
        window->ausgabe()->repaint();
    }
    delete window;
}
BENCHMARK(DragAngleSlider3D)->Args({100'000, 0})->Args({100'000, 1})->Unit(benchmark::kMillisecond);

// The mouse moves over the canvas: the point under it is looked up and named.
void MouseOverCanvas3D(benchmark::State& state) {
    auto* window = morvane::Ausgabe3D::open(morvane::bench::randomCompositions(state.range(0)),
                                            morvane::qtDiagramServices({}));
    waitUntilExposed(*window);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> x(0, 636);
    std::uniform_int_distribution<int> y(0, 485);
    for (auto _ : state) {
        window->ausgabe_MouseMove(x(random), y(random));
    }
    delete window;
}
BENCHMARK(MouseOverCanvas3D)->Arg(100'000)->Unit(benchmark::kMicrosecond);

// The triangle window renders (625 x 449) and repaints, as whenever it comes to the front.
void RenderTriangle2D(benchmark::State& state) {
    auto* window = morvane::Ausgabe2D::open(morvane::bench::randomCompositions(state.range(0)),
                                            morvane::qtDiagramServices({}));
    waitUntilExposed(*window);
    for (auto _ : state) {
        window->update();
        window->ausgabe()->repaint();
    }
    delete window;
}
BENCHMARK(RenderTriangle2D)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    morvane::registerBundledFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (const std::optional<fs::path>& made = millionRowFileMade()) {
        std::error_code ignored;
        fs::remove(*made, ignored);
    }
    return 0;
}
