#include "cli/RenderCommand.h"
#include "cli/RenderSupport.h"
#include "ternary/Daten2D.h"

#include <ostream>

namespace morvane::cli {

// The triangle of one face as the 2D window draws it, with the window's settings taken from the
// options.
int renderTriangle(const RenderOptions& options, std::ostream& out, std::ostream& err) {
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
    Daten2D model(commandLineServices(options.smooth));
    model.data = data;
    model.which = options.face;
    model.showraster = options.grid;
    model.showrand = options.border;
    model.showtext = options.labels;
    model.showdata = options.points;
    model.kreisdicke = options.circle;
    const auto drawVector = [&model](VectorRecorder& p) {
        model.erzeugebildV(p, model.which, model.which);
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
