#pragma once

#include "draw/Color.h"

#include <string>
#include <string_view>

namespace morvane {

// The SVG twin of a recorded vector picture, for programs that paste SVG but not PICT: the
// same commands as an SVG 1.1 document of width x height user units (one unit a pixel, origin
// top left, y down). Lines and oval outlines cover the area QuickDraw's pen covers: the pen
// hangs below and to the right of the path, and an outline lies inside its box.
class SvgRecording {
public:
    void begin(int width, int height);
    bool started() const { return m_started; }

    void line(int x1, int y1, int x2, int y2, int penWidth, int penHeight, Color color);
    // A filled oval (penWidth 0) or its outline drawn with the pen, inscribed in the box.
    void oval(int x, int y, int w, int h, int penWidth, int penHeight, Color color);
    // UTF-8 text with its baseline starting at x, y, in the recorder's font at `size` pixels.
    void text(int x, int y, int size, std::string_view utf8, Color color);

    // The document so far, closed; empty before begin().
    std::string document() const;

private:
    bool m_started = false;
    int m_width = 0;
    int m_height = 0;
    std::string m_body;
};

} // namespace morvane
