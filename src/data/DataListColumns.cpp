#include "data/DataListColumns.h"

#include "data/NumberText.h"

namespace morvane::DataListColumns {

std::string heading(const Dataset& data, int column) {
    const std::string* const names[] = {&data.a, &data.b, &data.c, &data.d};
    if (column == 0) {
        return "Anr";
    }
    if (column >= 1 && column <= 4) {
        return *names[column - 1];
    }
    if (column == 5) {
        return "Farbe";
    }
    if (column >= 6 && column <= 9) {
        return "n" + *names[column - 6];
    }
    if (column == 10) {
        return "Summe";
    }
    return {};
}

std::string cell(const datarow& row, int column) {
    using NumberText::formatFixed;
    switch (column) {
    case 0:
        return std::to_string(row.anr);
    case 1:
        return formatFixed(row.a, 2);
    case 2:
        return formatFixed(row.b, 2);
    case 3:
        return formatFixed(row.c, 2);
    case 4:
        return formatFixed(row.d, 2);
    case 5:
        return std::to_string(row.farbe);
    case 6:
        return formatFixed(row.RelA * 100, 1);
    case 7:
        return formatFixed(row.RelB * 100, 1);
    case 8:
        return formatFixed(row.RelC * 100, 1);
    case 9:
        return formatFixed(row.RelD * 100, 1);
    case 10:
        return formatFixed((((row.RelD + row.RelC) + row.RelB) + row.RelA) * 100, 0);
    default:
        return {};
    }
}

} // namespace morvane::DataListColumns
