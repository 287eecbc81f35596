#include "cli/RenderCommand.h"

#include "cli/Command.h"

#include <ostream>

namespace morvane::cli {

int renderCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<RenderOptions> options = parseRenderOptions(args, error);
    const std::optional<OutputFormat> format =
        options ? outputFormatFor(options->output, error) : std::nullopt;
    if (!format) {
        err << "morvane render: " << error << '\n';
        return 2;
    }
    const std::shared_ptr<Dataset> data = loadForRendering(options->input, error);
    const bool tetrahedron = options->kind == RenderOptions::Kind::Tetrahedron;
    if (!data || !(tetrahedron ? renderTetrahedron(*options, data, *format, error)
                               : renderTriangle(*options, data, *format, error))) {
        err << "morvane render: " << error << '\n';
        return 1;
    }
    out << "wrote " << options->output << " (" << options->width << " x " << options->height
        << " pixels, " << data->anzahl() << " rows)\n";
    return 0;
}

} // namespace morvane::cli
