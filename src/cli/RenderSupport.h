#pragma once

#include "data/Dataset.h"
#include "draw/DiagramServices.h"
#include "draw/VectorRecorder.h"
#include "draw/daten.h"

#include <QtGlobal>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QGuiApplication;

// What `morvane render` needs to draw a diagram model into a file, shared by the tetrahedron
// and the triangle renderers:
//
//   std::string error;
//   const auto format = outputFormatFor(options.output, error);      // before any work
//   const auto data = loadForRendering(options.input, error);
//   Daten3D model(commandLineServices(options.smooth));
//   model.data = data;  ...settings...
//   writeDiagram(model, [&](VectorRecorder& p) { model.drawV(p, 1); }, options.output, *format,
//                options.width, options.height, error);
//
// Every failure comes back as false or none with one readable line in `error`.
namespace morvane::cli {

// Makes sure a QGuiApplication exists while it lives (pictures draw text through Qt's fonts)
// and that the bundled Helvetica-metric faces are registered. Creates the application only when
// there is none; a command-line render never shows a window, so it uses the offscreen platform
// unless QT_QPA_PLATFORM asks for another (a DISPLAY that cannot be reached would otherwise
// abort the program). While it owns the application, Qt's own warnings are kept off standard
// error.
class GuiSession {
public:
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

private:
    std::unique_ptr<QGuiApplication> m_application;
    QtMessageHandler m_previousHandler = nullptr;
};

// The platform for drawing on the command line: Qt pictures (32-bit QImages), smoothed lines as
// requested, today's date in the system locale's long format, and vector recorders
// (MacPictZeptar) without a clipboard.
DiagramServices commandLineServices(bool smoothing);

enum class OutputFormat {
    Png,  // the raster picture of makepicture
    Pict, // the vector recording as a PICT file
    Svg,  // the vector recording's SVG twin
};

// The format by the output file's extension, in any case: .png, .pict or .pct, .svg.
std::optional<OutputFormat> outputFormatFor(const std::filesystem::path& path, std::string& error);

// Reads a measurement file; none when it cannot be read.
std::shared_ptr<Dataset> loadForRendering(const std::filesystem::path& path, std::string& error);

// The vector drawing of a model (e.g. Daten3D::drawV) onto a recorder whose picture has begun.
using VectorDrawing = std::function<void(VectorRecorder&)>;

// Draws the model at width x height pixels into `path`: PNG through model.makepicture (a
// GuiSession is made for it when none is alive), PICT and SVG through `drawVector` on a
// MacPictZeptar. The file is replaced only when it was written completely. False when the
// picture cannot be made (size, memory) or the file cannot be written.
bool writeDiagram(daten& model, const VectorDrawing& drawVector, const std::filesystem::path& path,
                  OutputFormat format, int width, int height, std::string& error);

} // namespace morvane::cli
