#pragma once

#include <cstdint>

namespace morvane {

// 24-bit RGB colour: red in bits 16-23, green in bits 8-15, blue in bits 0-7.
struct Color {
    std::uint32_t rgb = 0;

    constexpr int red() const { return static_cast<int>((rgb >> 16) & 0xFF); }
    constexpr int green() const { return static_cast<int>((rgb >> 8) & 0xFF); }
    constexpr int blue() const { return static_cast<int>(rgb & 0xFF); }

    friend constexpr bool operator==(Color, Color) = default;
};

// Channels are taken modulo 256, as the 8-bit fields they are stored in.
constexpr Color RGB(int r, int g, int b) {
    return Color{(static_cast<std::uint32_t>(r & 0xFF) << 16) |
                 (static_cast<std::uint32_t>(g & 0xFF) << 8) |
                 static_cast<std::uint32_t>(b & 0xFF)};
}

} // namespace morvane
