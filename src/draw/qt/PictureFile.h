#pragma once

#include "draw/Picture.h"

#include <filesystem>
#include <string>

namespace morvane {

// Writes a picture made by QtPictureFactory as a PNG file with its resolution (e.g. 144 dpi)
// in the file. The file is replaced only when the whole image was written. False, with a
// readable reason in `error` when given, for any other kind of picture or when the file cannot
// be written.
bool savePicture(const Picture& picture, const std::filesystem::path& path,
                 std::string* error = nullptr);

} // namespace morvane
