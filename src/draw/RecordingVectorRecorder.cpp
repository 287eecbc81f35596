#include "draw/RecordingVectorRecorder.h"

#include "draw/RecordingGraphics.h"

namespace morvane {

void RecordingVectorRecorder::record(std::string_view name, std::initializer_list<int> values) {
    calls.push_back(recordedCall(name, values));
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
    calls.push_back(recordedText("DrawString", text) + " " + std::to_string(x) + "," +
                    std::to_string(y));
}

void RecordingVectorRecorder::MoveTo(int h, int v) {
    record("MoveTo", {h, v});
}

void RecordingVectorRecorder::DrawText(std::string_view text) {
    calls.push_back(recordedText("DrawText", text));
}

int RecordingVectorRecorder::StringWidth(std::string_view text) const {
    return static_cast<int>(static_cast<double>(codePointCount(text)) * m_textSize * 0.5);
}

int RecordingVectorRecorder::CopyPicture() {
    calls.emplace_back("CopyPicture");
    return copyResult;
}

std::vector<std::string> RecordingVectorRecorder::callsStartingWith(std::string_view word) const {
    return callsNamed(calls, word);
}

} // namespace morvane
