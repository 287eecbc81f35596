// Load and save of a generated 1,000,000-row measurement file, and the depth sort against the
// plain exchange sort it replaces.
#include "data/Dataset.h"
#include "data/ExchangeSortOrder.h"
#include "data/MeasurementFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

using namespace morvane;
namespace fs = std::filesystem;

fs::path benchFolder() {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / "morvane-data-bench";
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// A realistic file: four values with two decimals and a comma, colours 0-15.
const fs::path& millionRowFile() {
    static const fs::path path = [] {
        const fs::path file = benchFolder() / "million.txt";
        std::ofstream out(file, std::ios::binary);
        out << "Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe\n";
        std::mt19937 random(1);
        std::uniform_int_distribution<int> hundredths(1, 7500);
        std::uniform_int_distribution<int> colour(0, 15);
        char line[128];
        for (int row = 1; row <= 1'000'000; ++row) {
            const int v[4] = {hundredths(random), hundredths(random), hundredths(random),
                              hundredths(random)};
            const int length =
                std::snprintf(line, sizeof line, "%d\t%d,%02d\t%d,%02d\t%d,%02d\t%d,%02d\t%d\n",
                              row, v[0] / 100, v[0] % 100, v[1] / 100, v[1] % 100, v[2] / 100,
                              v[2] % 100, v[3] / 100, v[3] % 100, colour(random));
            out.write(line, length);
        }
        return file;
    }();
    return path;
}

void BM_LoadMillionRows(benchmark::State& state) {
    const fs::path& file = millionRowFile();
    const auto bytes = static_cast<std::int64_t>(fs::file_size(file));
    for (auto _ : state) {
        auto loaded = MeasurementFile::load(file);
        benchmark::DoNotOptimize(loaded.dataset->anzahl());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_LoadMillionRows)->Unit(benchmark::kMillisecond);

void BM_SaveMillionRows(benchmark::State& state) {
    auto loaded = MeasurementFile::load(millionRowFile());
    const fs::path target = benchFolder() / "saved.txt";
    for (auto _ : state) {
        if (!MeasurementFile::save(*loaded.dataset, target)) {
            state.SkipWithError("save failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(target)));
}
BENCHMARK(BM_SaveMillionRows)->Unit(benchmark::kMillisecond);

// Depths as a 3D drawing produces them: mostly distinct, with some exact ties from duplicated
// compositions.
std::shared_ptr<Dataset> rowsWithDepths(std::int64_t count) {
    auto data = std::make_shared<Dataset>();
    std::mt19937 random(2);
    std::uniform_real_distribution<double> depth(-1.7, 1.7);
    for (std::int64_t i = 1; i <= count; ++i) {
        datarow row;
        row.anr = static_cast<std::int32_t>(i);
        row.y = i % 10 == 0 ? data->row(static_cast<std::int32_t>(i - 1)).y : depth(random);
        data->addrow(row);
    }
    return data;
}

void BM_Sorty(benchmark::State& state) {
    const auto original = rowsWithDepths(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Dataset data = *original;
        state.ResumeTiming();
        data.sorty();
        benchmark::DoNotOptimize(data.reihen.data());
    }
}
BENCHMARK(BM_Sorty)->RangeMultiplier(10)->Range(1000, 1'000'000)->Unit(benchmark::kMillisecond);

// The exchange sort on the same rows, run as the classic program does: swapping whole rows.
void BM_PlainExchangeSort(benchmark::State& state) {
    const auto original = rowsWithDepths(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Dataset data = *original;
        state.ResumeTiming();
        const std::int32_t n = data.anzahl();
        for (std::int32_t i = 1; i < n; ++i) {
            for (std::int32_t j = i + 1; j <= n; ++j) {
                if (data.row(j).y < data.row(i).y) {
                    std::swap(data.row(i), data.row(j));
                }
            }
        }
        benchmark::DoNotOptimize(data.reihen.data());
    }
}
BENCHMARK(BM_PlainExchangeSort)
    ->RangeMultiplier(10)
    ->Range(1000, 100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

BENCHMARK_MAIN();
