#include "draw/PictStream.h"

namespace morvane {

void PictStream::begin(int width, int height) {
    m_bytes.clear();
    uint16(0); // picture size, filled in by finished()
    rect(0, 0, width, height);
    opcode(PictOp::version);
    uint16(0x02FF);
    opcode(PictOp::header);
    int16(-2); // extended version-2 header
    int16(0);
    int32(0x00480000); // 72 dpi horizontally and vertically, as Fixed
    int32(0x00480000);
    rect(0, 0, width, height); // source rectangle
    int32(0);
    opcode(PictOp::defHilite);
    opcode(PictOp::clip);
    uint16(10); // a rectangular region: its size word and its bounds
    rect(0, 0, width, height);
}

void PictStream::opcode(std::uint16_t op) {
    if (m_bytes.size() % 2 != 0) {
        m_bytes.push_back('\0');
    }
    uint16(op);
}

void PictStream::byte(std::uint8_t value) {
    m_bytes.push_back(static_cast<char>(value));
}

void PictStream::int16(long long value) {
    uint16(static_cast<std::uint16_t>(clamp16(value)));
}

void PictStream::uint16(std::uint16_t value) {
    byte(static_cast<std::uint8_t>(value >> 8));
    byte(static_cast<std::uint8_t>(value & 0xFF));
}

void PictStream::int32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    uint16(static_cast<std::uint16_t>(bits >> 16));
    uint16(static_cast<std::uint16_t>(bits & 0xFFFF));
}

void PictStream::bytes(std::string_view data) {
    m_bytes.append(data);
}

void PictStream::point(long long h, long long v) {
    int16(v);
    int16(h);
}

void PictStream::rect(long long left, long long top, long long right, long long bottom) {
    int16(top);
    int16(left);
    int16(bottom);
    int16(right);
}

void PictStream::rgb(Color color) {
    uint16(static_cast<std::uint16_t>(color.red() * 257));
    uint16(static_cast<std::uint16_t>(color.green() * 257));
    uint16(static_cast<std::uint16_t>(color.blue() * 257));
}

std::string PictStream::finished() const {
    if (m_bytes.empty()) {
        return {};
    }
    PictStream closed = *this;
    closed.opcode(PictOp::endPic);
    const std::size_t size = closed.m_bytes.size();
    closed.m_bytes[0] = static_cast<char>((size >> 8) & 0xFF);
    closed.m_bytes[1] = static_cast<char>(size & 0xFF);
    return std::move(closed.m_bytes);
}

} // namespace morvane
