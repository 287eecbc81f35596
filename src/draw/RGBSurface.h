#pragma once

#include "draw/Color.h"

namespace morvane {

// Pixel access to a picture. Coordinates must lie inside 0..Width()-1, 0..Height()-1.
class RGBSurface {
public:
    virtual ~RGBSurface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual Color Pixel(int x, int y) const = 0;
    virtual void setPixel(int x, int y, Color color) = 0;
};

} // namespace morvane
