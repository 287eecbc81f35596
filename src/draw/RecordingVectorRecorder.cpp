#include "draw/RecordingVectorRecorder.h"

#include "draw/RecordingGraphics.h"

namespace morvane {

void RecordingVectorRecorder::record(std::string_view name, std::initializer_list<int> values) {
    std::string line(name);
    char separator = ' ';
    for (int value : values) {
        line += separator;
        line += std::to_string(value);
        separator = ',';
    }
    calls.push_back(std::move(line));
}

void RecordingVectorRecorder::CreatePicture(int width, int height) {
    m_width = width;
    m_height = height;
    record("CreatePicture", {width, height});
}

void RecordingVectorRecorder::setForeColor(Color color) {
    record("ForeColor", {color.red(), color.green(), color.blue()});
}

void RecordingVectorRecorder::setPenWidth(int pixels) {
    record("PenWidth", {pixels});
}
void RecordingVectorRecorder::setPenHeight(int pixels) {
    record("PenHeight", {pixels});
}

void RecordingVectorRecorder::setTextSize(int points) {
    m_textSize = points;
    record("TextSize", {points});
}

void RecordingVectorRecorder::Drawline(int x1, int y1, int x2, int y2) {
    record("Drawline", {x1, y1, x2, y2});
}

void RecordingVectorRecorder::FrameOval(int x, int y, int w, int h) {
    record("FrameOval", {x, y, w, h});
}

void RecordingVectorRecorder::PaintOval(int x, int y, int w, int h) {
    record("PaintOval", {x, y, w, h});
}

void RecordingVectorRecorder::DrawString(std::string_view text, int x, int y) {
    calls.push_back("DrawString \"" + std::string(text) + "\" " + std::to_string(x) + "," +
                    std::to_string(y));
}

void RecordingVectorRecorder::MoveTo(int h, int v) {
    record("MoveTo", {h, v});
}

void RecordingVectorRecorder::DrawText(std::string_view text) {
    calls.push_back("DrawText \"" + std::string(text) + "\"");
}

int RecordingVectorRecorder::StringWidth(std::string_view text) const {
    return static_cast<int>(static_cast<double>(codePointCount(text)) * m_textSize * 0.5);
}

int RecordingVectorRecorder::CopyPicture() {
    calls.emplace_back("CopyPicture");
    return copyResult;
}

std::vector<std::string> RecordingVectorRecorder::callsStartingWith(std::string_view word) const {
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.compare(0, word.size(), word) == 0 &&
            (call.size() == word.size() || call[word.size()] == ' ')) {
            found.push_back(call);
        }
    }
    return found;
}

} // namespace morvane
