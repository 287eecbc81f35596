// Feeds arbitrary bytes to the measurement file reader, whole and in chunks, and checks what
// must hold for every input: only positive sample numbers, chunking does not matter, and what
// the writer makes of the data set reads back to the very same bytes.
#include "data/MeasurementFile.h"
#include "data/MeasurementParser.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace morvane;
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const auto whole = MeasurementFile::parse(input);
    for (std::int32_t i = 1; i <= whole->anzahl(); ++i) {
        if (whole->row(i).anr <= 0) {
            std::abort();
        }
    }
    MeasurementParser chunked;
    const std::size_t step = size % 7 + 1;
    for (std::size_t at = 0; at < size; at += step) {
        chunked.feed(input.substr(at, step));
    }
    const std::string text = MeasurementFile::serialise(*whole);
    if (MeasurementFile::serialise(*chunked.finish()) != text) {
        std::abort();
    }
    // Bytes, not decoded text: a legacy header that happens to be valid UTF-8 reads back as
    // UTF-8 once the invalid bytes of the data lines are gone, and is written back unchanged.
    const auto again = MeasurementFile::parse(text);
    if (MeasurementFile::serialise(*again) != text) {
        std::abort();
    }
    return 0;
}
