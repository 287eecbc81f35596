#pragma once

namespace morvane {

// How a measurement file was encoded on disk, so that writing it back keeps its bytes.
enum class TextEncoding {
    Utf8,        // valid UTF-8 without byte order mark
    Utf8WithBom, // valid UTF-8 starting with EF BB BF
    Windows1252, // anything else whose lines end in LF or CRLF
    MacRoman,    // anything else whose lines end in a lone CR (classic Mac OS)
};

enum class LineEnd { LF, CRLF, CR };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::LF;

    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

} // namespace morvane
