#pragma once

#include <QByteArray>
#include <array>

namespace morvane::test {

// Advance widths in font units of the 256 Mac Roman character codes in a TrueType face, read
// with Qt's unhinted design metrics; 0 for the control codes 0-31 and 127. `unitsPerEm`
// receives the face's units to the em. All zero when the face cannot be read.
std::array<int, 256> macRomanAdvances(const QByteArray& fontData, int& unitsPerEm);

} // namespace morvane::test
