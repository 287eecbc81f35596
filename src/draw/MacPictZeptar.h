#pragma once

#include "draw/PictClipboard.h"
#include "draw/PictStream.h"
#include "draw/SvgRecording.h"
#include "draw/VectorRecorder.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The vector recorder: records the drawing commands of a diagram as an Apple QuickDraw picture
// (PICT version 2), with an SVG twin of the same drawing, and puts both on a clipboard.
//
// Whole pixels, origin top left, y down; coordinates beyond QuickDraw's 16-bit range are
// clamped to it. Text is UTF-8 and is stored in Mac Roman (other characters become '?'), in the
// recorder's one font, Helvetica (font id 21), announced by a FontName record before the first
// text. State changes (colour, pen, text size) are recorded lazily, just before the first
// command that uses them. Commands before CreatePicture or after CopyPicture are ignored.
class MacPictZeptar : public VectorRecorder {
public:
    static constexpr std::string_view fontName = "Helvetica";
    static constexpr int fontId = 21;
    static constexpr int defaultTextSize = 12;

    // CopyPicture puts the picture on `clipboard`; without one it fails with
    // PictError::noClipboard.
    explicit MacPictZeptar(std::shared_ptr<PictClipboard> clipboard = nullptr);

    void CreatePicture(int width, int height) override;
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

    void setForeColor(Color color) override { m_foreColor = color; }
    // Pen sizes below 1 make lines and outlines draw nothing, as in QuickDraw.
    void setPenWidth(int pixels) override { m_penWidth = pixels; }
    void setPenHeight(int pixels) override { m_penHeight = pixels; }
    // The size as set (12 at first); a size of 0 or less records and measures as 12.
    int TextSize() const override { return m_textSize; }
    void setTextSize(int points) override { m_textSize = points; }

    // The pen covers both end points, hanging below and to the right of the line.
    void Drawline(int x1, int y1, int x2, int y2) override;
    // An empty box (w or h below 1) records nothing.
    void FrameOval(int x, int y, int w, int h) override;
    void PaintOval(int x, int y, int w, int h) override;
    void DrawString(std::string_view text, int x, int y) override;
    void MoveTo(int h, int v) override;
    // Draws at the pen position and moves the pen to the end of the text (by StringWidth).
    void DrawText(std::string_view text) override;
    // The advance widths of the text's Mac Roman characters in Liberation Sans (Helvetica's
    // metrics) at the current size, summed and rounded to the nearest whole pixel.
    int StringWidth(std::string_view text) const override;

    // Ends the picture and hands it to the clipboard: 0 on success, the clipboard's error
    // number, PictError::noClipboard without a clipboard or PictError::noPicture before
    // CreatePicture.
    int CopyPicture() override;

    // The picture recorded so far, closed with its end opcode, without the 512-byte file
    // header (the clipboard form); empty before CreatePicture.
    std::string pictureBytes() const;
    // The same drawing as an SVG document; empty before CreatePicture.
    std::string svgDocument() const;
    // Writes pictureBytes() as a PICT file, after a header of 512 zero bytes. False, with the
    // reason in `error` when given, when there is no picture or the file cannot be written.
    bool savePict(const std::filesystem::path& path, std::string* error = nullptr) const;

private:
    struct TextOrigin {
        int h;
        int v;
    };

    bool recording() const { return m_stream.started() && !m_ended; }
    int effectiveTextSize() const { return m_textSize > 0 ? m_textSize : defaultTextSize; }
    void syncColor();
    void syncPen();
    void syncText();
    void recordText(int x, int y, std::string_view utf8);
    void recordTextRun(int x, int y, std::string_view macRoman);

    std::shared_ptr<PictClipboard> m_clipboard;
    PictStream m_stream;
    SvgRecording m_svg;
    bool m_ended = false;
    int m_width = 0;
    int m_height = 0;

    // As set by the caller.
    Color m_foreColor;
    int m_penWidth = 1;
    int m_penHeight = 1;
    int m_textSize = defaultTextSize;
    int m_penH = 0;
    int m_penV = 0;

    // As last recorded in the picture.
    std::optional<Color> m_recordedColor;
    int m_recordedPenWidth = 1;
    int m_recordedPenHeight = 1;
    bool m_fontRecorded = false;
    int m_recordedTextSize = 0;
    std::optional<TextOrigin> m_lastTextOrigin;
};

} // namespace morvane
