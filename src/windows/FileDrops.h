#pragma once

class QDragEnterEvent;
class QDropEvent;

// Files dropped on a window open as if the desktop had handed them to the program: each file
// becomes a QFileOpenEvent posted to the application, which opens it like any other document.
namespace morvane::FileDrops {

// Accepts a drag that carries local files; call from dragEnterEvent (and dragMoveEvent).
void acceptFiles(QDragEnterEvent& event);
// Posts one QFileOpenEvent per dropped local file; call from dropEvent.
void openFiles(QDropEvent& event);

} // namespace morvane::FileDrops
