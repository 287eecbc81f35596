#include "app/Program.h"

#include "app/App.h"

#include <QApplication>

namespace morvane {

bool canShowWindows() {
#if defined(Q_OS_MACOS) || defined(Q_OS_WIN)
    return true;
#else
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            return true;
        }
    }
    return false;
#endif
}

int runProgram(int& argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Morvane");
    App app;
    app.start(QApplication::arguments().mid(1));
    if (app.hasEnded()) {
        return 0;
    }
    return QApplication::exec();
}

} // namespace morvane
