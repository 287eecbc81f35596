#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file types the program knows: the name that dialogs show, the file name extensions (with
// their dot) and the classic Mac OS type and creator codes.
namespace morvane::FileTypes {

struct FileType {
    std::string_view name;
    std::vector<std::string_view> extensions;
    std::string_view type;
    std::string_view creator;

    // Filter for a file dialog: "Text files (*.txt) (*.asc *.ascii ...)", or just the name
    // when the type has no extensions.
    std::string dialogFilter() const;
    // True when the file name ends in one of the extensions (ignoring case).
    bool matches(std::string_view fileName) const;
};

extern const FileType pTextFilesTxt;
extern const FileType pPref;
extern const FileType pBMPFilesBmp;
extern const FileType pImagePict;
extern const FileType pVideoQuicktime;

// Every type, in the order they are registered at start-up.
const std::vector<const FileType*>& all();

} // namespace morvane::FileTypes
