#include "cli/Command.h"
#include "data/DataListColumns.h"
#include "data/MeasurementFile.h"

#include <ostream>

namespace morvane::cli {

int listCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    std::string path;
    bool normalised = false;
    for (const std::string& arg : args) {
        if (arg == "--normalised" || arg == "--normalized") {
            normalised = true;
        } else if (arg.starts_with("--")) {
            err << "morvane list: unknown option " << arg << '\n';
            return 2;
        } else if (path.empty()) {
            path = arg;
        } else {
            err << "morvane list: only one file, please (got " << path << " and " << arg << ")\n";
            return 2;
        }
    }
    if (path.empty()) {
        err << "morvane list: which file? usage: morvane list FILE [--normalised]\n";
        return 2;
    }
    const MeasurementFile::LoadResult loaded = MeasurementFile::load(path);
    if (!loaded) {
        err << "morvane list: cannot read " << path << ": " << loaded.error << '\n';
        return 1;
    }
    const Dataset& data = *loaded.dataset;
    const int columns =
        normalised ? DataListColumns::allColumnCount : DataListColumns::rawColumnCount;
    for (int column = 0; column < columns; ++column) {
        out << (column ? "\t" : "") << DataListColumns::heading(data, column);
    }
    out << '\n';
    std::string line;
    for (std::int32_t i = 1; i <= data.anzahl(); ++i) {
        line.clear();
        for (int column = 0; column < columns; ++column) {
            if (column) {
                line += '\t';
            }
            line += DataListColumns::cell(data.row(i), column);
        }
        line += '\n';
        out << line;
    }
    out.flush();
    if (!out) {
        err << "morvane list: could not write the list\n";
        return 1;
    }
    return 0;
}

} // namespace morvane::cli
