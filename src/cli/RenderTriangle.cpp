#include "cli/RenderCommand.h"
#include "ternary/Daten2D.h"

namespace morvane::cli {

// The triangle of one face as the 2D window draws it, with the window's settings taken from the
// options.
bool renderTriangle(const RenderOptions& options, std::shared_ptr<Dataset> data,
                    OutputFormat format, std::string& error) {
    Daten2D model(commandLineServices(options.smooth));
    model.data = std::move(data);
    model.which = options.face;
    model.showraster = options.grid;
    model.showrand = options.border;
    model.showtext = options.labels;
    model.showdata = options.points;
    model.kreisdicke = options.circle;
    const auto drawVector = [&model](VectorRecorder& p) {
        model.erzeugebildV(p, model.which, model.which);
    };
    return writeDiagram(model, drawVector, options.output, format, options.width, options.height,
                        error);
}

} // namespace morvane::cli
