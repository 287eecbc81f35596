#pragma once

#include "draw/PictClipboard.h"

namespace morvane {

// The system clipboard as the vector recorder's clipboard: the PICT picture under the MIME type
// "image/x-pict" and its SVG twin under "image/svg+xml", both in one clipboard entry. Fails with
// PictError::noClipboard when there is no QGuiApplication (and so no clipboard).
class QtPictClipboard : public PictClipboard {
public:
    static constexpr const char* pictMimeType = "image/x-pict";
    static constexpr const char* svgMimeType = "image/svg+xml";

    int putPicture(const std::string& pict, const std::string& svg) override;
};

} // namespace morvane
