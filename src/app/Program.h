#pragma once

#include <QStringList>

namespace morvane {

// True when Qt can show windows here: a display on Linux (DISPLAY or WAYLAND_DISPLAY), or a
// platform chosen with QT_QPA_PLATFORM; always on macOS and Windows.
bool canShowWindows();

// The graphical program: makes the QApplication, starts the App with the files named after the
// program name, and runs until the program ends. Returns the exit code.
int runProgram(int& argc, char** argv);

} // namespace morvane
