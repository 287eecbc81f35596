#pragma once

#include "data/TextFormat.h"

#include <string>
#include <string_view>

// Conversion between the bytes of a measurement file and the UTF-8 text the program holds.
namespace morvane::TextCodec {

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates, at most U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Bytes of the given encoding to UTF-8. UTF-8 input is returned unchanged (a byte order mark is
// the caller's business). Every legacy byte maps to one code point, so encode() gives the
// original bytes back; the five bytes that Windows-1252 leaves undefined map to U+0081 etc.
std::string decode(std::string_view bytes, TextEncoding encoding);

// UTF-8 text to bytes of the encoding. A code point that the legacy encoding cannot represent
// is written as '?'.
std::string encode(std::string_view utf8, TextEncoding encoding);

} // namespace morvane::TextCodec
