#pragma once

#include <QString>
#include <filesystem>

// Conversions between file locations and their text, in the file system's own encoding.
namespace morvane::PathText {

QString fromPath(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& text);
// The name the file system presents to the user: the last component of the path.
QString displayName(const std::filesystem::path& path);

} // namespace morvane::PathText
