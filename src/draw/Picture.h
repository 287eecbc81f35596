#pragma once

#include "draw/Graphics.h"
#include "draw/RGBSurface.h"

#include <memory>

namespace morvane {

// An off-screen 32-bit picture with a drawing surface and a pixel surface, both valid while the
// picture lives.
class Picture {
public:
    virtual ~Picture() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual Graphics& graphics() = 0;
    virtual RGBSurface& rgbSurface() = 0;
    // Dots per inch stored with the picture (saved pictures use 144).
    virtual void setHorizontalResolution(double dpi) = 0;
    virtual void setVerticalResolution(double dpi) = 0;
};

// Makes pictures; the platform layer supplies the implementation.
class PictureFactory {
public:
    virtual ~PictureFactory() = default;

    // A blank white picture of width x height pixels and the given colour depth (32), or none
    // when the size is not positive or memory is short.
    virtual std::unique_ptr<Picture> NewPicture(int width, int height, int depth) const = 0;
};

// The picture a diagram draws into: `previous` cleared to white when it has exactly width x
// height pixels, otherwise a new one from the factory (none without a factory or when memory is
// short). The previous picture is let go before a new one is made, so both never coexist.
std::unique_ptr<Picture> reusedOrNewPicture(const PictureFactory* factory, int width, int height,
                                            std::unique_ptr<Picture> previous);

} // namespace morvane
