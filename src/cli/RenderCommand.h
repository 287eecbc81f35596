#pragma once

#include "cli/RenderOptions.h"
#include "cli/RenderSupport.h"
#include "data/Dataset.h"

#include <iosfwd>
#include <memory>
#include <span>
#include <string>

namespace morvane::cli {

int renderCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// Each draws the data set with the diagram model its window uses, set up from the options, and
// writes the picture in the given format; false with a readable reason on failure.
bool renderTetrahedron(const RenderOptions& options, std::shared_ptr<Dataset> data,
                       OutputFormat format, std::string& error);
bool renderTriangle(const RenderOptions& options, std::shared_ptr<Dataset> data,
                    OutputFormat format, std::string& error);

} // namespace morvane::cli
