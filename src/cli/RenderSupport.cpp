#include "cli/RenderSupport.h"

#include "data/MeasurementFile.h"
#include "draw/MacPictZeptar.h"
#include "draw/qt/BundledFonts.h"
#include "draw/qt/PictureFile.h"
#include "draw/qt/QtDiagramServices.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace morvane::cli {
namespace {

// QGuiApplication keeps references to these for its whole life.
int applicationArgc = 1;
char applicationName[] = "morvane";
char* applicationArgv[] = {applicationName, nullptr};

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Writes beside the target and renames over it, so that a failure leaves any old file intact.
bool writeFileAtomically(const std::string& bytes, const std::filesystem::path& path,
                         std::string& error) {
    QSaveFile file(QString::fromStdString(path.string()));
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size ||
        !file.commit()) {
        error = "cannot write " + path.string() + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

// Qt's notes about its environment (no XDG_RUNTIME_DIR, and the like) are not the command's
// business; its critical and fatal messages still reach standard error.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

GuiSession::GuiSession() {
    if (QGuiApplication::instance() == nullptr) {
        m_previousHandler = qInstallMessageHandler(quietMessages);
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        m_application = std::make_unique<QGuiApplication>(applicationArgc, applicationArgv);
    }
    registerBundledFonts(); // once per process; text falls back to system faces if it fails
}

GuiSession::~GuiSession() {
    if (m_application) {
        m_application.reset();
        qInstallMessageHandler(m_previousHandler);
    }
}

DiagramServices commandLineServices(bool smoothing) {
    return qtDiagramServices([smoothing] { return smoothing; });
}

std::optional<OutputFormat> outputFormatFor(const std::filesystem::path& path, std::string& error) {
    const std::string extension = lowerCase(path.extension().string());
    if (extension == ".png") {
        return OutputFormat::Png;
    }
    if (extension == ".pict" || extension == ".pct") {
        return OutputFormat::Pict;
    }
    if (extension == ".svg") {
        return OutputFormat::Svg;
    }
    error = "cannot tell the picture format of " + path.string() +
            ": give the output file the extension .png, .pict or .svg";
    return std::nullopt;
}

std::shared_ptr<Dataset> loadForRendering(const std::filesystem::path& path, std::string& error) {
    MeasurementFile::LoadResult loaded = MeasurementFile::load(path);
    if (!loaded) {
        error = "cannot read " + path.string() + ": " + loaded.error;
        return nullptr;
    }
    return std::move(loaded.dataset);
}

bool writeDiagram(daten& model, const VectorDrawing& drawVector, const std::filesystem::path& path,
                  OutputFormat format, int width, int height, std::string& error) {
    if (format == OutputFormat::Png) {
        const GuiSession session;
        const std::unique_ptr<Picture> picture = model.makepicture(width, height, nullptr);
        if (!picture) {
            error = "cannot make a picture of " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels (too large, or out of memory)";
            return false;
        }
        return savePicture(*picture, path, &error);
    }
    MacPictZeptar recorder;
    recorder.CreatePicture(width, height);
    drawVector(recorder);
    // A PICT file is the clipboard picture after a header of 512 zero bytes.
    return writeFileAtomically(format == OutputFormat::Pict
                                   ? std::string(512, '\0') + recorder.pictureBytes()
                                   : recorder.svgDocument(),
                               path, error);
}

} // namespace morvane::cli
