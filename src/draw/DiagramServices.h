#pragma once

#include "draw/Picture.h"
#include "draw/VectorRecorder.h"

#include <functional>
#include <memory>
#include <string>

namespace morvane {

// What a diagram model asks of the platform. The application fills it with the Qt
// implementations; tests fill it with fakes. Every member may be empty.
struct DiagramServices {
    // Pictures for makepicture; without it makepicture returns none.
    const PictureFactory* pictures = nullptr;
    // The check mark of "Linien glätten", read each time a line is drawn; empty means off.
    std::function<bool()> smoothing;
    // Today's date in the system's long date format; empty ends the date line silently.
    std::function<std::string()> longDate;
    // A fresh vector recorder for "Copy vector image" (a MacPictZeptar on the clipboard).
    std::function<std::unique_ptr<VectorRecorder>()> newRecorder;

    bool smoothingOn() const { return smoothing && smoothing(); }
};

} // namespace morvane
