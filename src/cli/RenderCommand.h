#pragma once

#include "cli/RenderOptions.h"

#include <iosfwd>
#include <span>
#include <string>

namespace morvane::cli {

int renderCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// Each draws the measurement file with the diagram model the window uses and writes the picture
// (PNG, or the vector recording for .pict); returns the exit code.
int renderTetrahedron(const RenderOptions& options, std::ostream& out, std::ostream& err);
int renderTriangle(const RenderOptions& options, std::ostream& out, std::ostream& err);

} // namespace morvane::cli
