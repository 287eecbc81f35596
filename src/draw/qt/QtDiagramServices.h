#pragma once

#include "draw/DiagramServices.h"

#include <functional>
#include <memory>

namespace morvane {

class PictClipboard;

// The platform for diagram models on Qt: pictures on 32-bit QImages (QtPictureFactory),
// `smoothing` as the smoothing check mark (empty: always off), today's date in the system
// locale's long format, and fresh MacPictZeptar recorders that place their pictures on
// `clipboard` (none: copying fails with PictError::noClipboard). Pictures and text need a
// QGuiApplication when they are drawn, not when the services are made.
DiagramServices qtDiagramServices(std::function<bool()> smoothing,
                                  std::shared_ptr<PictClipboard> clipboard = nullptr);

} // namespace morvane
