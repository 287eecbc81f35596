#pragma once

#include "data/Dataset.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Streaming reader of a measurement file: feed() takes the bytes in chunks of any size (a line
// may span chunks), finish() returns the data set. Lines end in LF, CRLF or a lone CR; the first
// line end seen is remembered for writing. Data lines are parsed as bytes (numbers are ASCII);
// the header is decoded at the end, once the whole file is known to be UTF-8 or not.
class MeasurementParser {
public:
    // sizeHint: the expected total size in bytes, used to reserve room for the rows.
    explicit MeasurementParser(std::size_t sizeHint = 0);

    void feed(std::string_view chunk);
    std::shared_ptr<Dataset> finish();

private:
    void line(std::string_view bytes);
    void dataLine(std::string_view bytes);
    void noteLineEnd(LineEnd lineEnd);
    void reserveRows(std::string_view firstBytes);

    std::shared_ptr<Dataset> m_data;
    std::string m_partial;     // bytes of a line that continues in the next chunk
    std::string m_headerBytes; // raw bytes of the first line
    bool m_headerDone = false;
    bool m_pendingCR = false; // the previous chunk ended in CR: is the next byte LF?
    bool m_validUtf8 = true;
    bool m_rowsReserved = false;
    std::optional<LineEnd> m_lineEnd;
    std::size_t m_sizeHint;
};

} // namespace morvane
