#include "app/PreferencesFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

namespace morvane::PreferencesFile {
namespace {

constexpr qsizetype lengthSize = 4;
// A page setup takes a few hundred bytes; anything longer than this is not our file, and the
// limit keeps a damaged Length from asking for gigabytes.
constexpr qint64 largestFile = 64 * 1024;

} // namespace

QByteArray encode(const QByteArray& setup, bool smoothing) {
    QByteArray bytes(lengthSize, '\0');
    qToBigEndian<qint32>(static_cast<qint32>(setup.size()), bytes.data());
    bytes += setup;
    bytes += smoothing ? '\1' : '\0';
    return bytes;
}

Record decode(QByteArrayView bytes) {
    Record record;
    if (bytes.size() < lengthSize) {
        return record;
    }
    const qint32 length = qFromBigEndian<qint32>(bytes.data());
    qsizetype smoothingAt = lengthSize;
    if (length > 0) {
        if (length > bytes.size() - lengthSize) {
            return record; // cut short: trust nothing of it
        }
        record.setup = bytes.sliced(lengthSize, length).toByteArray();
        smoothingAt += length;
    }
    record.smoothing = smoothingAt < bytes.size() && bytes[smoothingAt] == 1;
    return record;
}

QString path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Morvane Prefs";
}

Record read(const QString& file) {
    // Only a plain file: a pipe or device in its place must not block start-up.
    if (!QFileInfo(file).isFile()) {
        return {};
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return {};
    }
    return decode(in.read(largestFile));
}

bool write(const QString& file, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    out.write(bytes);
    return out.commit();
}

} // namespace morvane::PreferencesFile
