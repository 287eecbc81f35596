#include "cli/Command.h"
#include "data/MeasurementFile.h"

#include <ostream>

namespace morvane::cli {

int convertCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || args[0].starts_with("--") || args[1].starts_with("--")) {
        err << "morvane convert: usage: morvane convert IN OUT\n";
        return 2;
    }
    const MeasurementFile::LoadResult loaded = MeasurementFile::load(args[0]);
    if (!loaded) {
        err << "morvane convert: cannot read " << args[0] << ": " << loaded.error << '\n';
        return 1;
    }
    const MeasurementFile::SaveResult saved = MeasurementFile::save(*loaded.dataset, args[1]);
    if (!saved) {
        err << "morvane convert: cannot write " << args[1] << ": " << saved.error << '\n';
        return 1;
    }
    out << "wrote " << loaded.dataset->anzahl() << " rows to " << args[1] << '\n';
    return 0;
}

} // namespace morvane::cli
