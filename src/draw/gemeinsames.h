#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morvane {
class Dataset;
class Graphics;
class VectorRecorder;
struct DiagramServices;
} // namespace morvane

// Labels whose digits are drawn small and lowered like subscripts ("Al2O3").
namespace morvane::gemeinsames {

// The one-line credit that both diagrams draw centred below the figure.
inline constexpr std::string_view creditLine = "Gezeichnet mit Morvane";

// Sets the font to "Helvetica", then draws each character of the UTF-8 label: digits 0-9 at
// size 10, 2 pixels below the baseline y; everything else at size 18 on it. x (left end of the
// first character) advances by each character's real width, truncated after adding. Leaves the
// surface at the size of the last character. A label ends early where its next character would
// start beyond the int range, far off any surface.
void drawstring(Graphics& g, std::string_view label, int x, int y);

// The same on the vector recorder: no font is set, and the recorder's whole-pixel widths are
// added as they are.
void drawstringV(VectorRecorder& p, std::string_view label, int x, int y);

// The file and date lines of both diagrams: the data set's file as a full path at x 10, baseline
// 20, and today's date in the system's long format (services.longDate) at baseline 40, at text
// size `fontsize`. The raster lines set the font "helvetica" first; the vector lines set no
// font. Steps run in that order and the first failure ends them silently: no data set, no file
// (nothing drawn), no date service (the path only), or a service that throws.
void printdatum(Graphics& g, const Dataset* data, const DiagramServices& services, int fontsize);
void printdatumV(VectorRecorder& p, const Dataset* data, const DiagramServices& services,
                 int fontsize);

// The file made absolute and normalised; the path as it is when that fails.
std::string fullPathText(const std::filesystem::path& file);

} // namespace morvane::gemeinsames
