#include "base/FileTypes.h"

#include <algorithm>
#include <cctype>

namespace morvane::FileTypes {

const FileType pTextFilesTxt{"Text files (*.txt)",
                             {".asc", ".ascii", ".bas", ".c", ".class", ".cp", ".cpp", ".h", ".hp",
                              ".hpp", ".i3", ".java", ".m2", ".m3", ".mak", ".text", ".txt"},
                             "TEXT",
                             "????"};
const FileType pPref{"pref", {}, "pref", "pref"};
const FileType pBMPFilesBmp{"BMP Files (*.bmp)", {".bmp"}, "????", "????"};
const FileType pImagePict{"image/pict", {".pict", ".pic", ".pct"}, "PICT", "????"};
const FileType pVideoQuicktime{"video/quicktime", {".moov", ".mov", ".qt"}, "MooV", "TVOD"};

const std::vector<const FileType*>& all() {
    static const std::vector<const FileType*> types{&pTextFilesTxt, &pPref, &pBMPFilesBmp,
                                                    &pImagePict, &pVideoQuicktime};
    return types;
}

std::string FileType::dialogFilter() const {
    std::string filter(name);
    if (extensions.empty()) {
        return filter;
    }
    filter += " (";
    for (std::size_t i = 0; i < extensions.size(); ++i) {
        filter += i == 0 ? "*" : " *";
        filter += extensions[i];
    }
    filter += ')';
    return filter;
}

bool FileType::matches(std::string_view fileName) const {
    const auto lower = [](unsigned char c) {
        return std::tolower(c);
    };
    return std::any_of(extensions.begin(), extensions.end(), [&](std::string_view extension) {
        return fileName.size() >= extension.size() &&
               std::equal(extension.begin(), extension.end(),
                          fileName.end() - static_cast<std::ptrdiff_t>(extension.size()),
                          [&](char a, char b) { return lower(a) == lower(b); });
    });
}

} // namespace morvane::FileTypes
