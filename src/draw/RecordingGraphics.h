#pragma once

#include "draw/Graphics.h"
#include "draw/RGBSurface.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace morvane {

// A Graphics for tests that draws nothing and logs every call as one line, e.g.
//   "ForeColor 100,100,100"  "PenWidth 2"  "PenHeight 2"
//   "DrawLine 100,100,300,100"  "FillOval 195,195,10,10"  "DrawString \"SiO2\" 10,20"
// Text metrics are deterministic and font-free: a string is 0.5 x text size wide per code point
// (charWidthFactor), and TextHeight is the whole part of 1.25 x text size. The current state
// (colour, size, bold, font, pen) can be read back.
class RecordingGraphics : public Graphics {
public:
    RecordingGraphics(int width, int height) : m_width(width), m_height(height) {}

    std::vector<std::string> calls;
    double charWidthFactor = 0.5;

    Color ForeColor() const override { return m_foreColor; }
    void setForeColor(Color color) override;
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void setTextFont(std::string_view name) override;
    void setTextSize(double points) override;
    void setBold(bool bold) override;
    void setPenWidth(int pixels) override;
    void setPenHeight(int pixels) override;
    int TextHeight() const override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawOval(int x, int y, int w, int h) override;
    void FillOval(int x, int y, int w, int h) override;
    void DrawRect(int x, int y, int w, int h) override;
    void FillRect(int x, int y, int w, int h) override;
    void ClearRect(int x, int y, int w, int h) override;
    void DrawString(std::string_view text, int x, int y) override;
    double StringWidth(std::string_view text) const override;
    void DrawPicture(const Picture& picture, int x, int y) override;
    void setPixel(int x, int y, Color color) override;
    void DrawCautionIcon(int x, int y) override;

    double textSize() const { return m_textSize; }
    bool bold() const { return m_bold; }
    const std::string& font() const { return m_font; }
    int penWidth() const { return m_penWidth; }
    int penHeight() const { return m_penHeight; }

    // Calls that start with the given word ("FillOval"), in order.
    std::vector<std::string> callsStartingWith(std::string_view word) const;

private:
    void record(std::string_view name, std::initializer_list<int> values);

    int m_width;
    int m_height;
    Color m_foreColor;
    double m_textSize = 12;
    bool m_bold = false;
    std::string m_font = "System";
    int m_penWidth = 1;
    int m_penHeight = 1;
};

// Pixel surface over a plain buffer, white on creation; for tests and headless drawing.
class MemorySurface : public RGBSurface {
public:
    MemorySurface(int width, int height);

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    Color Pixel(int x, int y) const override;
    void setPixel(int x, int y, Color color) override;

private:
    int m_width;
    int m_height;
    std::vector<Color> m_pixels;
};

// One logged call: "FillOval 195,195,10,10" from the name and its whole-number arguments.
std::string recordedCall(std::string_view name, std::initializer_list<int> values);
// A logged text call: "DrawText \"20\"".
std::string recordedText(std::string_view name, std::string_view text);
// The calls of a log with the given name ("FillOval"), in order.
std::vector<std::string> callsNamed(const std::vector<std::string>& calls, std::string_view name);

// Number of code points of UTF-8 text.
std::size_t codePointCount(std::string_view utf8);

} // namespace morvane
