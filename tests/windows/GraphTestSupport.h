#pragma once

#include "data/Dataset.h"
#include "draw/Color.h"
#include "draw/DiagramServices.h"
#include "support/TestPaths.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

namespace morvane::test {

// Rows at known places, as a measurement file. At all angles 0 rows 10 (front) and 11 (back)
// both lie on the tetrahedron's centre, row 12 on corner A.
inline constexpr const char* threeRows = "Nr\tA\tB\tC\tD\tFarbe\n"
                                         "10\t1\t0\t1\t0\t1\n"
                                         "11\t0\t1\t0\t1\t2\n"
                                         "12\t1\t0\t0\t0\t3\n";

// Writes `contents` to `name` in `folder` and reads it as the program does; fails the test
// when it cannot be read.
std::shared_ptr<Dataset> loadRows(const TemporaryFolder& folder, const std::string& name,
                                  const std::string& contents);

// Qt pictures without smoothing; every drawing of a data set with a file asks once for the
// date, which `drawings` (when given) counts.
DiagramServices countingServices(int* drawings = nullptr);

// The pixels of a widget as it paints itself now.
QImage grabbed(QWidget& widget);
Color pixel(const QImage& image, int x, int y);

// A mouse movement without buttons to `at` (widget pixels).
void moveMouse(QWidget& widget, QPoint at);

// The control of that object name in the window; fails the test run when there is none.
template <typename Control>
Control& control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(name);
    if (!found) {
        qFatal("no control %s", name);
    }
    return *found;
}

// The sample number of the row that window.Punktobject(x, y) finds; -1 when it finds none.
template <typename Window>
int hitAnr(Window& window, int x, int y) {
    const datarow* row = window.Punktobject(x, y);
    return row ? row->anr : -1;
}

// What every graph window test starts from and leaves behind: a fresh folder, counted drawings
// and system beeps, and the windows it opened, deleted at the end.
struct GraphTestRun {
    std::unique_ptr<TemporaryFolder> folder;
    QList<QPointer<QWidget>> windows;
    int drawings = 0;
    int beeps = 0;

    void start();
    void finish();
};

// The first row with sample number `anr`, or none.
datarow* rowNumbered(Dataset& data, int anr);
const datarow* rowNumbered(const Dataset& data, int anr);

} // namespace morvane::test
