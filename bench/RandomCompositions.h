#pragma once

#include "data/Dataset.h"

#include <cstdint>
#include <memory>
#include <random>

namespace morvane::bench {

// Random compositions (components 0 to 100) with colours 0 to 15, as a loaded file would give
// them; the same rows for the same count in every benchmark.
inline std::shared_ptr<Dataset> randomCompositions(std::int64_t count) {
    auto data = std::make_shared<Dataset>();
    data->reihen.reserve(static_cast<std::size_t>(count) + 1);
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> value(0.0, 100.0);
    std::uniform_int_distribution<int> colour(0, 15);
    for (std::int64_t i = 1; i <= count; ++i) {
        datarow row;
        row.anr = static_cast<std::int32_t>(i);
        row.a = value(random);
        row.b = value(random);
        row.c = value(random);
        row.d = value(random);
        row.farbe = colour(random);
        data->addrow(row);
    }
    return data;
}

} // namespace morvane::bench
