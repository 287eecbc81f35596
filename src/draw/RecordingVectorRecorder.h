#pragma once

#include "draw/VectorRecorder.h"

#include <string>
#include <vector>

namespace morvane {

// A VectorRecorder for tests that logs every call as one line, in the format of
// RecordingGraphics ("Drawline 1,2,3,4", "PaintOval 195,195,10,10", "DrawString \"A\" 10,20",
// "DrawText \"20\"", "TextSize 18", "ForeColor 0,0,0"). StringWidth is the whole part of
// 0.5 x text size per code point. CopyPicture returns copyResult and logs "CopyPicture".
class RecordingVectorRecorder : public VectorRecorder {
public:
    std::vector<std::string> calls;
    int copyResult = 0;

    void CreatePicture(int width, int height) override;
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void setForeColor(Color color) override;
    void setPenWidth(int pixels) override;
    void setPenHeight(int pixels) override;
    int TextSize() const override { return m_textSize; }
    void setTextSize(int points) override;
    void Drawline(int x1, int y1, int x2, int y2) override;
    void FrameOval(int x, int y, int w, int h) override;
    void PaintOval(int x, int y, int w, int h) override;
    void DrawString(std::string_view text, int x, int y) override;
    void MoveTo(int h, int v) override;
    void DrawText(std::string_view text) override;
    int StringWidth(std::string_view text) const override;
    int CopyPicture() override;

    std::vector<std::string> callsStartingWith(std::string_view word) const;

private:
    void record(std::string_view name, std::initializer_list<int> values);

    int m_width = 0;
    int m_height = 0;
    int m_textSize = 12;
};

} // namespace morvane
