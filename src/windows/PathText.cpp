#include "windows/PathText.h"

#include <QFile>

namespace morvane::PathText {

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path toPath(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

QString displayName(const std::filesystem::path& path) {
    return fromPath(path.filename());
}

} // namespace morvane::PathText
