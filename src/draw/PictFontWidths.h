#pragma once

#include <array>
#include <cstdint>

// Character widths of the vector recorder's font, so that MacPictZeptar measures text the same
// way on every machine without a font engine. The face is Liberation Sans Regular, the bundled
// face with Helvetica's metrics (src/draw/qt/fonts).
namespace morvane::PictFontWidths {

inline constexpr int unitsPerEm = 2048;

// Advance width in font units (unitsPerEm to the em) of each Mac Roman character code; the
// control codes 0-31 and 127 are 0. A character of size s points is advance * s / unitsPerEm
// pixels wide.
extern const std::array<std::uint16_t, 256> helvetica;

} // namespace morvane::PictFontWidths
