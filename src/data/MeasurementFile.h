#pragma once

#include "data/Dataset.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// Reader and writer of measurement text files: a header line, then one tab-separated line per
// sample (number, four values with decimal comma, colour index).
namespace morvane::MeasurementFile {

struct LoadResult {
    std::shared_ptr<Dataset> dataset; // none when the file could not be read
    std::string error;                // readable reason when dataset is none

    explicit operator bool() const { return dataset != nullptr; }
};

struct SaveResult {
    bool ok = false;
    std::string error; // readable reason when !ok

    explicit operator bool() const { return ok; }
};

// Reads the file in a streaming pass. The data set comes back in state 0 with `file` set and
// component names from the header. Lines may end in LF, CRLF or a lone CR; valid UTF-8 (with or
// without BOM) is read as UTF-8, anything else as Mac Roman (lone-CR files) or Windows-1252.
// A file that starts with a UTF-16 byte order mark is refused.
LoadResult load(const std::filesystem::path& path);

// Parses file contents already in memory (same rules as load, `file` stays unset).
std::shared_ptr<Dataset> parse(std::string_view bytes);

// Bytes that save() writes: the header as read, then every row in the set's current order as
// anr, a, b, c, d, farbe; every line ends with the line end and encoding the set was read with.
std::string serialise(const Dataset& data);

// Writes the set to a temporary file beside the target, flushes it to disk and renames it over
// the target, so the old file survives any failure. A replaced file keeps its permissions (a
// symbolic link is followed), a new one gets what the umask allows; a write-protected file is
// refused. On success sets `changed` to 0 and `file` to the path; on failure changes nothing and
// says why.
SaveResult save(Dataset& data, const std::filesystem::path& path);

} // namespace morvane::MeasurementFile
