#include "draw/RecordingGraphics.h"

#include "draw/Picture.h"

#include <cmath>
#include <cstdio>

namespace morvane {

std::size_t codePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::string recordedCall(std::string_view name, std::initializer_list<int> values) {
    std::string line(name);
    char separator = ' ';
    for (int value : values) {
        line += separator;
        line += std::to_string(value);
        separator = ',';
    }
    return line;
}

std::string recordedText(std::string_view name, std::string_view text) {
    return std::string(name) + " \"" + std::string(text) + "\"";
}

std::vector<std::string> callsNamed(const std::vector<std::string>& calls, std::string_view name) {
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.compare(0, name.size(), name) == 0 &&
            (call.size() == name.size() || call[name.size()] == ' ')) {
            found.push_back(call);
        }
    }
    return found;
}

void RecordingGraphics::record(std::string_view name, std::initializer_list<int> values) {
    calls.push_back(recordedCall(name, values));
}

void RecordingGraphics::setForeColor(Color color) {
    m_foreColor = color;
    record("ForeColor", {color.red(), color.green(), color.blue()});
}

void RecordingGraphics::setTextFont(std::string_view name) {
    m_font = name;
    calls.push_back("TextFont " + m_font);
}

void RecordingGraphics::setTextSize(double points) {
    m_textSize = points == 0 ? 12 : points;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "TextSize %g", points);
    calls.emplace_back(buffer);
}

void RecordingGraphics::setBold(bool bold) {
    m_bold = bold;
    record("Bold", {bold ? 1 : 0});
}

void RecordingGraphics::setPenWidth(int pixels) {
    m_penWidth = pixels;
    record("PenWidth", {pixels});
}

void RecordingGraphics::setPenHeight(int pixels) {
    m_penHeight = pixels;
    record("PenHeight", {pixels});
}

int RecordingGraphics::TextHeight() const {
    return static_cast<int>(m_textSize * 1.25);
}

void RecordingGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    record("DrawLine", {x1, y1, x2, y2});
}

void RecordingGraphics::DrawOval(int x, int y, int w, int h) {
    record("DrawOval", {x, y, w, h});
}
void RecordingGraphics::FillOval(int x, int y, int w, int h) {
    record("FillOval", {x, y, w, h});
}
void RecordingGraphics::DrawRect(int x, int y, int w, int h) {
    record("DrawRect", {x, y, w, h});
}
void RecordingGraphics::FillRect(int x, int y, int w, int h) {
    record("FillRect", {x, y, w, h});
}

void RecordingGraphics::ClearRect(int x, int y, int w, int h) {
    record("ClearRect", {x, y, w, h});
}

void RecordingGraphics::DrawString(std::string_view text, int x, int y) {
    calls.push_back(recordedText("DrawString", text) + " " + std::to_string(x) + "," +
                    std::to_string(y));
}

double RecordingGraphics::StringWidth(std::string_view text) const {
    return static_cast<double>(codePointCount(text)) * m_textSize * charWidthFactor;
}

void RecordingGraphics::DrawPicture(const Picture& picture, int x, int y) {
    record("DrawPicture", {x, y, picture.Width(), picture.Height()});
}

void RecordingGraphics::setPixel(int x, int y, Color color) {
    record("Pixel", {x, y, color.red(), color.green(), color.blue()});
}

void RecordingGraphics::DrawCautionIcon(int x, int y) {
    record("DrawCautionIcon", {x, y});
}

std::vector<std::string> RecordingGraphics::callsStartingWith(std::string_view word) const {
    return callsNamed(calls, word);
}

MemorySurface::MemorySurface(int width, int height)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
               RGB(255, 255, 255)) {}

Color MemorySurface::Pixel(int x, int y) const {
    return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                    static_cast<std::size_t>(x)];
}

void MemorySurface::setPixel(int x, int y, Color color) {
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
             static_cast<std::size_t>(x)] = color;
}

} // namespace morvane
