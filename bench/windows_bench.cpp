// Opening and scrolling a measurement file of a million rows in the data window, on the
// offscreen platform: the time from the file name to a shown and painted window, and the time
// of one scroll step with its repaint.

#include "app/App.h"
#include "windows/DataWindow.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int millionRows = 1'000'000;

// A file of `rows` random rows in the measurement format, made once per run.
const fs::path& generatedFile(int rows) {
    static const fs::path path = [rows] {
        const fs::path file =
            fs::temp_directory_path() / ("morvane-bench-" + std::to_string(rows) + ".txt");
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << "Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe\n";
        std::mt19937 random(42);
        std::uniform_int_distribution<int> hundredths(0, 9999);
        std::uniform_int_distribution<int> colour(0, 15);
        char line[96];
        for (int row = 1; row <= rows; ++row) {
            const int a = hundredths(random), b = hundredths(random), c = hundredths(random),
                      d = hundredths(random);
            std::snprintf(line, sizeof line, "%d\t%d,%02d\t%d,%02d\t%d,%02d\t%d,%02d\t%d\n", row,
                          a / 100, a % 100, b / 100, b % 100, c / 100, c % 100, d / 100, d % 100,
                          colour(random));
            out << line;
        }
        return file;
    }();
    return path;
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
    const QString file = QString::fromStdString(generatedFile(millionRows).string());
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
    window.loadfile(generatedFile(millionRows));
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove(generatedFile(millionRows), ignored);
    return 0;
}
