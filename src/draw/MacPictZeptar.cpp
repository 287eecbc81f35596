#include "draw/MacPictZeptar.h"

#include "data/TextCodec.h"
#include "draw/PictFontWidths.h"

#include <algorithm>
#include <fstream>
#include <limits>

namespace morvane {
namespace {

// LongText, DHText and DVText hold at most 255 characters.
constexpr std::size_t maxTextRun = 255;

std::string toMacRoman(std::string_view utf8) {
    return TextCodec::encode(utf8, TextEncoding::MacRoman);
}

// Width in whole pixels (rounded to nearest) of Mac Roman text at `size` pixels.
int macRomanWidth(std::string_view macRoman, int size) {
    long long units = 0;
    for (char c : macRoman) {
        units += PictFontWidths::helvetica[static_cast<unsigned char>(c)];
    }
    const long long scaled = units * size;
    const long long width =
        (2 * scaled + PictFontWidths::unitsPerEm) / (2 * PictFontWidths::unitsPerEm);
    return static_cast<int>(std::min<long long>(width, std::numeric_limits<int>::max()));
}

} // namespace

MacPictZeptar::MacPictZeptar(std::shared_ptr<PictClipboard> clipboard)
    : m_clipboard(std::move(clipboard)) {}

void MacPictZeptar::CreatePicture(int width, int height) {
    m_width = width;
    m_height = height;
    m_stream.begin(width, height);
    m_svg.begin(width, height);
    m_ended = false;
    // A new picture starts from QuickDraw's defaults: black, a 1 x 1 pen, no font or size yet.
    m_recordedColor.reset();
    m_recordedPenWidth = 1;
    m_recordedPenHeight = 1;
    m_fontRecorded = false;
    m_recordedTextSize = 0;
    m_lastTextOrigin.reset();
}

void MacPictZeptar::syncColor() {
    if (m_recordedColor != m_foreColor) {
        m_stream.opcode(PictOp::rgbFgCol);
        m_stream.rgb(m_foreColor);
        m_recordedColor = m_foreColor;
    }
}

void MacPictZeptar::syncPen() {
    if (m_recordedPenWidth != m_penWidth || m_recordedPenHeight != m_penHeight) {
        m_stream.opcode(PictOp::pnSize);
        m_stream.point(m_penWidth, m_penHeight);
        m_recordedPenWidth = m_penWidth;
        m_recordedPenHeight = m_penHeight;
    }
}

void MacPictZeptar::syncText() {
    if (!m_fontRecorded) {
        m_stream.opcode(PictOp::fontName);
        m_stream.uint16(static_cast<std::uint16_t>(2 + 1 + fontName.size()));
        m_stream.uint16(fontId);
        m_stream.byte(static_cast<std::uint8_t>(fontName.size()));
        m_stream.bytes(fontName);
        m_stream.opcode(PictOp::txFont);
        m_stream.int16(fontId);
        m_fontRecorded = true;
    }
    if (m_recordedTextSize != effectiveTextSize()) {
        m_stream.opcode(PictOp::txSize);
        m_stream.int16(effectiveTextSize());
        m_recordedTextSize = effectiveTextSize();
    }
}

void MacPictZeptar::Drawline(int x1, int y1, int x2, int y2) {
    if (!recording()) {
        return;
    }
    syncColor();
    syncPen();
    m_stream.opcode(PictOp::line);
    m_stream.point(x1, y1);
    m_stream.point(x2, y2);
    m_svg.line(x1, y1, x2, y2, m_penWidth, m_penHeight, m_foreColor);
}

void MacPictZeptar::FrameOval(int x, int y, int w, int h) {
    if (!recording() || w < 1 || h < 1) {
        return;
    }
    syncColor();
    syncPen();
    m_stream.opcode(PictOp::frameOval);
    m_stream.rect(x, y, static_cast<long long>(x) + w, static_cast<long long>(y) + h);
    if (m_penWidth >= 1 && m_penHeight >= 1) {
        m_svg.oval(x, y, w, h, m_penWidth, m_penHeight, m_foreColor);
    }
}

void MacPictZeptar::PaintOval(int x, int y, int w, int h) {
    if (!recording() || w < 1 || h < 1) {
        return;
    }
    syncColor();
    m_stream.opcode(PictOp::paintOval);
    m_stream.rect(x, y, static_cast<long long>(x) + w, static_cast<long long>(y) + h);
    m_svg.oval(x, y, w, h, 0, 0, m_foreColor);
}

void MacPictZeptar::DrawString(std::string_view text, int x, int y) {
    recordText(x, y, text);
}

void MacPictZeptar::MoveTo(int h, int v) {
    m_penH = h;
    m_penV = v;
}

void MacPictZeptar::DrawText(std::string_view text) {
    recordText(m_penH, m_penV, text);
    // The pen stops at the end of the int range; no picture reaches that far.
    const long long end = static_cast<long long>(m_penH) + StringWidth(text);
    m_penH = static_cast<int>(std::min<long long>(end, std::numeric_limits<int>::max()));
}

int MacPictZeptar::StringWidth(std::string_view text) const {
    return macRomanWidth(toMacRoman(text), effectiveTextSize());
}

void MacPictZeptar::recordText(int x, int y, std::string_view utf8) {
    if (!recording() || utf8.empty()) {
        return;
    }
    syncColor();
    syncText();
    const std::string macRoman = toMacRoman(utf8);
    // The twin gets exactly the characters the picture holds.
    m_svg.text(x, y, effectiveTextSize(), TextCodec::decode(macRoman, TextEncoding::MacRoman),
               m_foreColor);
    long long h = x;
    for (std::size_t start = 0; start < macRoman.size(); start += maxTextRun) {
        const std::string_view run = std::string_view(macRoman).substr(start, maxTextRun);
        recordTextRun(PictStream::clamp16(h), y, run);
        h += macRomanWidth(run, effectiveTextSize());
    }
}

void MacPictZeptar::recordTextRun(int x, int y, std::string_view macRoman) {
    const TextOrigin origin{PictStream::clamp16(x), PictStream::clamp16(y)};
    // DHText and DVText move the text origin of the previous text by 0 .. 255 pixels.
    const bool follows = m_lastTextOrigin.has_value();
    const int dh = follows ? origin.h - m_lastTextOrigin->h : -1;
    const int dv = follows ? origin.v - m_lastTextOrigin->v : -1;
    if (follows && dv == 0 && dh >= 0 && dh <= 255) {
        m_stream.opcode(PictOp::dhText);
        m_stream.byte(static_cast<std::uint8_t>(dh));
    } else if (follows && dh == 0 && dv >= 0 && dv <= 255) {
        m_stream.opcode(PictOp::dvText);
        m_stream.byte(static_cast<std::uint8_t>(dv));
    } else {
        m_stream.opcode(PictOp::longText);
        m_stream.point(origin.h, origin.v);
    }
    m_stream.byte(static_cast<std::uint8_t>(macRoman.size()));
    m_stream.bytes(macRoman);
    m_lastTextOrigin = origin;
}

int MacPictZeptar::CopyPicture() {
    if (!m_stream.started()) {
        return PictError::noPicture;
    }
    m_ended = true;
    if (!m_clipboard) {
        return PictError::noClipboard;
    }
    return m_clipboard->putPicture(pictureBytes(), svgDocument());
}

std::string MacPictZeptar::pictureBytes() const {
    return m_stream.finished();
}

std::string MacPictZeptar::svgDocument() const {
    return m_svg.document();
}

bool MacPictZeptar::savePict(const std::filesystem::path& path, std::string* error) const {
    auto fail = [&](const std::string& reason) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    if (!m_stream.started()) {
        return fail("no picture has been recorded");
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string header(512, '\0');
    const std::string picture = pictureBytes();
    out.write(header.data(), static_cast<std::streamsize>(header.size()));
    out.write(picture.data(), static_cast<std::streamsize>(picture.size()));
    out.close();
    if (!out) {
        return fail("cannot write " + path.string());
    }
    return true;
}

} // namespace morvane
