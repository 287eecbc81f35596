#include "cli/RenderCommand.h"
#include "cli/RenderSupport.h"
#include "tetra/Daten3D.h"

#include <ostream>

namespace morvane::cli {

// The tetrahedron as the 3D window draws it, with the window's settings taken from the options.
int renderTetrahedron(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<OutputFormat> format = outputFormatFor(options.output, error);
    if (!format) {
        err << "morvane render: " << error << '\n';
        return 2;
    }
    std::shared_ptr<Dataset> data = loadForRendering(options.input, error);
    if (!data) {
        err << "morvane render: " << error << '\n';
        return 1;
    }
    Daten3D model(commandLineServices(options.smooth));
    model.data = data;
    model.WinkelPosition(options.angles[0], options.angles[1], options.angles[2]);
    model.which = options.projection;
    model.projektionsfarbe = Color{options.projectionColor & 0xFFFFFFu};
    model.kreisdicke = options.circle;
    model.showdata = options.points;
    model.showline = options.lines;
    model.showtext = options.labels;
    const auto drawVector = [&model](VectorRecorder& p) {
        model.drawV(p, 1);
    };
    if (!writeDiagram(model, drawVector, options.output, *format, options.width, options.height,
                      error)) {
        err << "morvane render: " << error << '\n';
        return 1;
    }
    out << "wrote " << options.output << " (" << options.width << " x " << options.height
        << " pixels, " << data->anzahl() << " rows)\n";
    return 0;
}

} // namespace morvane::cli
