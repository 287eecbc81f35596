#pragma once

namespace morvane::tetra {

// Reals beyond this many pixels from the origin lie far outside any picture; refusing them
// keeps every whole-pixel value, and a box corner half a diameter away from it, inside the int
// range.
inline constexpr double pixelLimit = 1 << 29;

// Truncates a real pixel coordinate toward zero into `pixel`. False (and `pixel` untouched) when
// the value is not finite or lies beyond pixelLimit: such a point is not drawn.
inline bool toPixel(double value, int& pixel) {
    if (!(value > -pixelLimit && value < pixelLimit)) {
        return false;
    }
    pixel = static_cast<int>(value);
    return true;
}

} // namespace morvane::tetra
