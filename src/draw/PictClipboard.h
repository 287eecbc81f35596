#pragma once

#include <string>

namespace morvane {

// Where MacPictZeptar::CopyPicture puts a finished vector picture. The application implements
// it on the system clipboard (QtPictClipboard); tests use a fake.
class PictClipboard {
public:
    virtual ~PictClipboard() = default;

    // Replaces the clipboard's contents with one picture in two forms: `pict`, a QuickDraw
    // picture (PICT version 2) without the 512-byte file header, and `svg`, the same drawing as
    // an SVG document (may be empty). Returns 0 on success, otherwise a non-zero error number
    // (see PictError) that the caller shows to the user.
    virtual int putPicture(const std::string& pict, const std::string& svg) = 0;
};

// Error numbers of CopyPicture, after the classic Mac OS error codes of the same meaning.
namespace PictError {
// There is no clipboard to put the picture on (noScrapErr).
inline constexpr int noClipboard = -100;
// CopyPicture was called before CreatePicture (paramErr).
inline constexpr int noPicture = -50;
} // namespace PictError

} // namespace morvane
