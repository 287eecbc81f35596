#include "data/MeasurementParser.h"

#include "data/NumberText.h"
#include "data/TabFields.h"
#include "data/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace morvane {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

} // namespace

MeasurementParser::MeasurementParser(std::size_t sizeHint)
    : m_data(std::make_shared<Dataset>()), m_sizeHint(sizeHint) {}

void MeasurementParser::feed(std::string_view chunk) {
    if (chunk.empty()) {
        return;
    }
    if (m_pendingCR) {
        m_pendingCR = false;
        noteLineEnd(chunk.front() == '\n' ? LineEnd::CRLF : LineEnd::CR);
        if (chunk.front() == '\n') {
            chunk.remove_prefix(1);
        }
    }
    const char* const begin = chunk.data();
    const char* const end = begin + chunk.size();
    const char* cursor = begin;
    // Next LF and next CR, each found with memchr and kept until passed.
    const char* nextLF = nullptr;
    const char* nextCR = nullptr;
    while (cursor < end) {
        if (nextLF == nullptr || nextLF < cursor) {
            nextLF = static_cast<const char*>(std::memchr(cursor, '\n', end - cursor));
            if (nextLF == nullptr) {
                nextLF = end;
            }
        }
        if (nextCR == nullptr || nextCR < cursor) {
            nextCR = static_cast<const char*>(std::memchr(cursor, '\r', end - cursor));
            if (nextCR == nullptr) {
                nextCR = end;
            }
        }
        const char* const lineEnd = std::min(nextLF, nextCR);
        if (lineEnd == end) {
            m_partial.append(cursor, end);
            return;
        }
        std::string_view bytes(cursor, static_cast<std::size_t>(lineEnd - cursor));
        if (!m_partial.empty()) {
            m_partial.append(bytes);
            bytes = m_partial;
        }
        line(bytes);
        m_partial.clear();
        if (*lineEnd == '\n') {
            noteLineEnd(LineEnd::LF);
            cursor = lineEnd + 1;
        } else if (lineEnd + 1 == end) {
            m_pendingCR = true; // CR or CRLF: decided by the next chunk
            cursor = end;
        } else {
            const bool crlf = lineEnd[1] == '\n';
            noteLineEnd(crlf ? LineEnd::CRLF : LineEnd::CR);
            cursor = lineEnd + (crlf ? 2 : 1);
        }
    }
}

void MeasurementParser::noteLineEnd(LineEnd lineEnd) {
    if (!m_lineEnd) {
        m_lineEnd = lineEnd;
    }
}

void MeasurementParser::line(std::string_view bytes) {
    if (m_validUtf8 && !TextCodec::isValidUtf8(bytes)) {
        m_validUtf8 = false;
    }
    if (!m_headerDone) {
        m_headerDone = true;
        m_headerBytes.assign(bytes);
        return;
    }
    reserveRows(bytes);
    dataLine(bytes);
}

// A million-row file should not grow its row array by doubling (peak 1.5x to 2x of the rows):
// estimate the row count from the first data line's length and the file size.
void MeasurementParser::reserveRows(std::string_view firstBytes) {
    if (m_rowsReserved) {
        return;
    }
    m_rowsReserved = true;
    const std::size_t lineLength = std::max<std::size_t>(firstBytes.size() + 1, 12);
    const std::size_t estimate = m_sizeHint / lineLength;
    m_data->reihen.reserve(std::min<std::size_t>(estimate + estimate / 8 + 16, 50'000'000));
}

void MeasurementParser::dataLine(std::string_view bytes) {
    std::array<std::string_view, 6> fields{};
    const std::size_t fieldCount = splitTabFields(bytes, fields);
    if (fieldCount <= 4) {
        return;
    }
    const std::optional<std::int32_t> anr =
        NumberText::truncateToInt32(NumberText::parseValue(fields[0]));
    if (!anr || *anr <= 0) {
        return;
    }
    datarow row;
    row.anr = *anr;
    row.a = NumberText::parseValue(fields[1]);
    row.b = NumberText::parseValue(fields[2]);
    row.c = NumberText::parseValue(fields[3]);
    row.d = NumberText::parseValue(fields[4]);
    row.farbe = NumberText::saturateToInt32(NumberText::parsePlainNumber(fields[5]));
    m_data->addrow(row);
}

std::shared_ptr<Dataset> MeasurementParser::finish() {
    if (m_pendingCR) {
        m_pendingCR = false;
        noteLineEnd(LineEnd::CR);
    }
    if (!m_partial.empty()) {
        const std::string last = std::move(m_partial);
        m_partial.clear();
        line(last);
    }
    Dataset& data = *m_data;
    data.format.lineEnd = m_lineEnd.value_or(LineEnd::LF);
    std::string_view header = m_headerBytes;
    if (m_validUtf8) {
        const bool bom = header.substr(0, byteOrderMark.size()) == byteOrderMark;
        data.format.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
        if (bom) {
            header.remove_prefix(byteOrderMark.size());
        }
    } else {
        data.format.encoding =
            data.format.lineEnd == LineEnd::CR ? TextEncoding::MacRoman : TextEncoding::Windows1252;
    }
    data.headline = TextCodec::decode(header, data.format.encoding);
    data.getmenunames();
    return std::move(m_data);
}

} // namespace morvane
