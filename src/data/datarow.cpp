#include "data/datarow.h"

#include <cmath>
#include <cstdio>

namespace morvane {

void datarow::calc() {
    const double sum = ((a + b) + c) + d;
    RelA = a / sum;
    RelB = b / sum;
    RelC = c / sum;
    RelD = d / sum;
}

bool datarow::ungleich(const datarow& other) const {
    return std::abs(other.x - x) > 0.01 || std::abs(other.y - y) > 0.01 ||
           std::abs(other.z - z) > 0.01;
}

std::string datarow::text() const {
    char buffer[200];
    std::snprintf(buffer, sizeof buffer, "%+.12f / %+.12f / %+.12f", x, y, z);
    return buffer;
}

} // namespace morvane
