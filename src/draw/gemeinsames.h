#pragma once

#include <string_view>

namespace morvane {
class Graphics;
class VectorRecorder;
} // namespace morvane

// Labels whose digits are drawn small and lowered like subscripts ("Al2O3").
namespace morvane::gemeinsames {

// The one-line credit that both diagrams draw centred below the figure.
inline constexpr std::string_view creditLine = "Gezeichnet mit Morvane";

// Sets the font to "Helvetica", then draws each character of the UTF-8 label: digits 0-9 at
// size 10, 2 pixels below the baseline y; everything else at size 18 on it. x (left end of the
// first character) advances by each character's real width, truncated after adding. Leaves the
// surface at the size of the last character.
void drawstring(Graphics& g, std::string_view label, int x, int y);

// The same on the vector recorder: no font is set, and the recorder's whole-pixel widths are
// added as they are.
void drawstringV(VectorRecorder& p, std::string_view label, int x, int y);

} // namespace morvane::gemeinsames
