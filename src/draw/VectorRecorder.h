#pragma once

#include "draw/Color.h"

#include <string>
#include <string_view>

namespace morvane {

// What the diagrams call on the vector picture recorder (MacPictZeptar): commands are recorded
// as a QuickDraw picture instead of setting pixels. Whole pixels, origin top left, y down.
// Calling order: CreatePicture, drawing commands, CopyPicture.
class VectorRecorder {
public:
    virtual ~VectorRecorder() = default;

    // Starts a picture with a frame of width x height; following commands go into it.
    virtual void CreatePicture(int width, int height) = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual void setForeColor(Color color) = 0;
    virtual void setPenWidth(int pixels) = 0;
    virtual void setPenHeight(int pixels) = 0;
    virtual int TextSize() const = 0;
    virtual void setTextSize(int points) = 0;

    virtual void Drawline(int x1, int y1, int x2, int y2) = 0;
    virtual void FrameOval(int x, int y, int w, int h) = 0;
    virtual void PaintOval(int x, int y, int w, int h) = 0;
    // Text (UTF-8) with x at its left end and y on its baseline.
    virtual void DrawString(std::string_view text, int x, int y) = 0;
    virtual void MoveTo(int h, int v) = 0;
    // Text whose baseline starts at the pen position.
    virtual void DrawText(std::string_view text) = 0;
    // Width in whole pixels at the current text size, in the recorder's default font.
    virtual int StringWidth(std::string_view text) const = 0;

    // Ends the picture and places it on the clipboard: 0 on success, else an error number.
    virtual int CopyPicture() = 0;
};

// The message shown when CopyPicture reports an error.
inline std::string vectorImageErrorMessage(int error) {
    return "Error " + std::to_string(error) +
           " on creating the images. (Vector images are not supported on Windows!)";
}

} // namespace morvane
