#include "cli/RenderCommand.h"
#include "tetra/Daten3D.h"

namespace morvane::cli {

// The tetrahedron as the 3D window draws it, with the window's settings taken from the options.
bool renderTetrahedron(const RenderOptions& options, std::shared_ptr<Dataset> data,
                       OutputFormat format, std::string& error) {
    Daten3D model(commandLineServices(options.smooth));
    model.data = std::move(data);
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
    return writeDiagram(model, drawVector, options.output, format, options.width, options.height,
                        error);
}

} // namespace morvane::cli
