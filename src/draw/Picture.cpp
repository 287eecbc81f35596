#include "draw/Picture.h"

#include "draw/daten.h"

namespace morvane {

std::unique_ptr<Picture> reusedOrNewPicture(const PictureFactory* factory, int width, int height,
                                            std::unique_ptr<Picture> previous) {
    if (previous && previous->Width() == width && previous->Height() == height) {
        previous->graphics().ClearRect(0, 0, width, height);
        return previous;
    }
    previous.reset();
    return factory ? factory->NewPicture(width, height, 32) : nullptr;
}

std::unique_ptr<Picture> drawnPicture(daten& model, const PictureFactory* factory, int width,
                                      int height, std::unique_ptr<Picture> previous, int mode) {
    std::unique_ptr<Picture> picture =
        reusedOrNewPicture(factory, width, height, std::move(previous));
    if (picture) {
        model.draw(&picture->rgbSurface(), picture->graphics(), mode);
    }
    return picture;
}

} // namespace morvane
