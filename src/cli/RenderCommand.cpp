#include "cli/RenderCommand.h"

#include "cli/Command.h"
#include "cli/RenderOptions.h"

#include <ostream>

namespace morvane::cli {

int renderCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<RenderOptions> options = parseRenderOptions(args, error);
    if (!options) {
        err << "morvane render: " << error << '\n';
        return 2;
    }
    return options->kind == RenderOptions::Kind::Tetrahedron ? renderTetrahedron(*options, out, err)
                                                             : renderTriangle(*options, out, err);
}

} // namespace morvane::cli
