#include "draw/qt/BundledFonts.h"
#include "support/WindowTestMain.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

namespace morvane::test {

void prepareQtTestEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    QStandardPaths::setTestModeEnabled(true);
}

void registerTestFonts() {
    registerBundledFonts();
}

} // namespace morvane::test
