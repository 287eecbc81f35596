#pragma once

#include "draw/Color.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// The bytes of a QuickDraw picture, version 2, as they are written: big-endian numbers, every
// opcode on an even offset, coordinates as signed 16-bit values (larger ones are clamped to
// -32768 .. 32767, the range QuickDraw can hold).
class PictStream {
public:
    // Starts a picture whose frame is 0, 0, width x height: the size and frame fields, the
    // version opcode, the version-2 header at 72 dpi, DefHilite and a clip region of the frame.
    void begin(int width, int height);
    bool started() const { return !m_bytes.empty(); }

    // Pads to an even offset, then writes the opcode.
    void opcode(std::uint16_t op);
    void byte(std::uint8_t value);
    void int16(long long value);
    void uint16(std::uint16_t value);
    void int32(std::int32_t value);
    void bytes(std::string_view data);
    // A Point: v (y) first, then h (x).
    void point(long long h, long long v);
    // A Rect: top, left, bottom, right.
    void rect(long long left, long long top, long long right, long long bottom);
    // Three 16-bit channels, 257 times the 8-bit ones.
    void rgb(Color color);

    // The picture so far, closed with OpEndPic and with its size field (the low 16 bits of the
    // length) filled in; the stream itself stays open. Empty before begin().
    std::string finished() const;

    static constexpr std::int16_t clamp16(long long value) {
        return static_cast<std::int16_t>(value < -32768 ? -32768 : value > 32767 ? 32767 : value);
    }

private:
    std::string m_bytes;
};

// The opcodes a diagram recording uses.
namespace PictOp {
inline constexpr std::uint16_t clip = 0x0001;
inline constexpr std::uint16_t txFont = 0x0003;
inline constexpr std::uint16_t pnSize = 0x0007;
inline constexpr std::uint16_t txSize = 0x000D;
inline constexpr std::uint16_t version = 0x0011;
inline constexpr std::uint16_t rgbFgCol = 0x001A;
inline constexpr std::uint16_t defHilite = 0x001E;
inline constexpr std::uint16_t line = 0x0020;
inline constexpr std::uint16_t longText = 0x0028;
inline constexpr std::uint16_t dhText = 0x0029;
inline constexpr std::uint16_t dvText = 0x002A;
inline constexpr std::uint16_t fontName = 0x002C;
inline constexpr std::uint16_t frameOval = 0x0050;
inline constexpr std::uint16_t paintOval = 0x0051;
inline constexpr std::uint16_t endPic = 0x00FF;
inline constexpr std::uint16_t header = 0x0C00;
} // namespace PictOp

} // namespace morvane
