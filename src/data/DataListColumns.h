#pragma once

#include "data/Dataset.h"

#include <string>

// Headings and cell texts of the data list: column 0 "Anr", 1-4 the components ("0.00"),
// 5 "Farbe", 6-9 the normalised components in percent ("0.0"), 10 "Summe" ("0"). The decimal
// separator is the comma, as in the files. Shared by the data window and `morvane list`.
namespace morvane::DataListColumns {

inline constexpr int rawColumnCount = 6;
inline constexpr int allColumnCount = 11;

std::string heading(const Dataset& data, int column);
std::string cell(const datarow& row, int column);

} // namespace morvane::DataListColumns
