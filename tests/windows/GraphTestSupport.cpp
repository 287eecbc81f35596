#include "GraphTestSupport.h"

#include "data/MeasurementFile.h"
#include "draw/qt/QtDiagramServices.h"
#include "windows/SystemBeep.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <stdexcept>
#include <utility>

namespace morvane::test {

std::shared_ptr<Dataset> loadRows(const TemporaryFolder& folder, const std::string& name,
                                  const std::string& contents) {
    writeBytes(folder / name, contents);
    MeasurementFile::LoadResult loaded = MeasurementFile::load(folder / name);
    if (!loaded) {
        throw std::runtime_error("cannot read the test rows: " + loaded.error);
    }
    return std::move(loaded.dataset);
}

void GraphTestRun::start() {
    folder = std::make_unique<TemporaryFolder>();
    drawings = 0;
    beeps = 0;
    SystemBeep::setListener([this] { ++beeps; });
}

void GraphTestRun::finish() {
    for (const QPointer<QWidget>& window : windows) {
        delete window.data();
    }
    windows.clear();
    SystemBeep::setListener({});
    folder.reset();
}

DiagramServices countingServices(int* drawings) {
    DiagramServices services = qtDiagramServices({});
    services.longDate = [drawings] {
        if (drawings) {
            ++*drawings;
        }
        return std::string("1. Januar 2000");
    };
    return services;
}

QImage grabbed(QWidget& widget) {
    return widget.grab().toImage();
}

Color pixel(const QImage& image, int x, int y) {
    const QColor colour = image.pixelColor(x, y);
    return RGB(colour.red(), colour.green(), colour.blue());
}

void moveMouse(QWidget& widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

const datarow* rowNumbered(const Dataset& data, int anr) {
    for (std::int32_t i = 1; i <= data.anzahl(); ++i) {
        if (data.row(i).anr == anr) {
            return &data.row(i);
        }
    }
    return nullptr;
}

datarow* rowNumbered(Dataset& data, int anr) {
    return const_cast<datarow*>(rowNumbered(std::as_const(data), anr));
}

} // namespace morvane::test
