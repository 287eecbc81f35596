#pragma once

#include "draw/Graphics.h"
#include "draw/Picture.h"
#include "draw/RGBSurface.h"

#include <memory>

namespace morvane {

// What picture output and movie rendering need of a diagram model (tetrahedron or triangle).
class daten {
public:
    virtual ~daten() = default;

    // The diagram drawn into a picture of width x height. `previous` is reused (cleared) when it
    // has exactly that size, otherwise a new picture is made. None when the model has no data
    // set or no picture can be had.
    virtual std::unique_ptr<Picture> makepicture(int width, int height,
                                                 std::unique_ptr<Picture> previous) = 0;
    // Draws the diagram on g. surface is g's pixel surface, or none (printing): then lines are
    // never smoothed. mode is passed through and ignored by the drawings.
    virtual void draw(RGBSurface* surface, Graphics& g, int mode) = 0;
};

// What both models' makepicture do: the reused or new picture (see reusedOrNewPicture) with
// `model` drawn into it through its pixel and drawing surfaces and `mode`; none when no picture
// can be had.
std::unique_ptr<Picture> drawnPicture(daten& model, const PictureFactory* factory, int width,
                                      int height, std::unique_ptr<Picture> previous, int mode);

} // namespace morvane
