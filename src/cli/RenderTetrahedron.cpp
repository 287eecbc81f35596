#include "cli/RenderCommand.h"

#include <ostream>

namespace morvane::cli {

// Placeholder until the diagram model exists: says so instead of pretending to render.
int renderTetrahedron(const RenderOptions&, std::ostream&, std::ostream& err) {
    err << "morvane render: this diagram cannot be rendered yet\n";
    return 1;
}

} // namespace morvane::cli
