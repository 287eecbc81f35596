#include "draw/Picture.h"

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

} // namespace morvane
