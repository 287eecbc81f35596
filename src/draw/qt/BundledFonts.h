#pragma once

#include <QString>
#include <string_view>

// The font every surface draws text in unless told otherwise: Liberation Sans (Regular and
// Bold, SIL Open Font License, fonts/LICENSE), which has Helvetica's metrics and is compiled
// into the program so that text measures the same on every machine.
namespace morvane {

// Loads the bundled faces into Qt's font database. Call once after the QGuiApplication exists
// (the application at start-up, tests in their main); later calls do nothing. False when the
// faces cannot be loaded; text then falls back to the system's fonts.
bool registerBundledFonts();

// "Liberation Sans".
QString bundledFontFamily();

// Whether the system itself offers a face named "Helvetica"; meaningful after
// registerBundledFonts().
bool systemHasHelvetica();

// The family Qt is asked for when a surface is told to use `name`: the bundled face for
// "Helvetica" in any case (unless the system has Helvetica) and for an empty name (the
// default font); `name` itself otherwise.
QString resolveFontFamily(std::string_view name);

} // namespace morvane
