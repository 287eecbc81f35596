#pragma once

#include "data/TextFormat.h"
#include "data/datarow.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

// One loaded measurement file, shared (never copied) by its data window and every graph window
// opened from it. Rows are numbered 1 to anzahl(); reihen[0] exists and stays empty.
class Dataset {
public:
    Dataset() : reihen(1) {}

    std::vector<datarow> reihen;
    std::string headline;                      // first line of the file as read, UTF-8
    std::optional<std::filesystem::path> file; // where the set was read from or last written
    std::string a = "A";                       // component names from the header
    std::string b = "B";
    std::string c = "C";
    std::string d = "D";
    // 0 unchanged since read/written; 2 a graph recoloured a row and the list is stale;
    // 1 changed and the list has been rebuilt since.
    std::int32_t changed = 0;
    TextFormat format; // encoding and line end the file was read with

    std::int32_t anzahl() const { return static_cast<std::int32_t>(reihen.size()) - 1; }
    datarow& row(std::int32_t i) { return reihen[static_cast<std::size_t>(i)]; }
    const datarow& row(std::int32_t i) const { return reihen[static_cast<std::size_t>(i)]; }

    // Appends the row and normalises it, unless its sample number is 0 or negative.
    void addrow(const datarow& row);
    void setmenunames() {}
    // Names a..d from header fields 2..5 (tab-separated); missing or empty fields give
    // "A".."D". Nothing is trimmed.
    void getmenunames();
    // Reorders the rows by ascending y, leaving them in exactly the order of the classic
    // exchange sort (for i < j: swap when y[j] < y[i]), ties and NaN keys included, in
    // O(n log n). Rows with equal y are drawn in this order, so it decides what covers what.
    void sorty();
};

} // namespace morvane
