#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The preferences record "Morvane Prefs": Length (4 bytes, signed, big-endian), that many bytes
// of page setup (PageLayoutText), then one smoothing byte (1 on, anything else off). Nothing
// else; the file is Length + 5 bytes long.
namespace morvane::PreferencesFile {

struct Record {
    // The page setup bytes; none when Length was 0 or less, or the file was damaged.
    std::optional<QByteArray> setup;
    bool smoothing = false;
};

QByteArray encode(const QByteArray& setup, bool smoothing);

// Reading never fails: fewer than 4 bytes, or a Length that runs past the end, read as the
// defaults (no setup, smoothing off). A Length of 0 or less leaves the setup out and takes the
// smoothing byte right after Length; a missing smoothing byte reads as off.
Record decode(QByteArrayView bytes);

// The file in the per-user configuration folder (QStandardPaths::GenericConfigLocation).
QString path();

// Reads the record at `file`; no file (or an unreadable one) gives the defaults.
Record read(const QString& file);
// Writes the bytes to a temporary file beside `file` and renames it over `file` only when all
// are on disk; creates the folder when it is missing. False when that fails; nothing is shown.
bool write(const QString& file, const QByteArray& bytes);

} // namespace morvane::PreferencesFile
