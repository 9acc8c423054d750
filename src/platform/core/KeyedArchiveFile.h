// The file of a keyed archive on disk. A write replaces it as a whole: the bytes go to a
// temporary file beside it, which is synced and renamed over the old one before the directory
// is synced, so that after a crash at any moment the file is either the old or the new archive.
#pragma once

#include <QByteArray>
#include <QCborMap>
#include <QCborStreamReader>
#include <QCborValue>
#include <QString>
#include <functional>
#include <optional>

#include "Date.h"
#include "RegularFile.h"

class KeyedArchiveFile {
public:
    // Files larger than maxBytes are not read.
    KeyedArchiveFile(QString path, qint64 maxBytes) : path_(std::move(path)), maxBytes_(maxBytes) {}

    const QString& path() const { return path_; }

    // Reads the archive entry by entry, so that large values need not be held twice: for each
    // key, readEntry gets the key and the reader standing on its value, and reads exactly that
    // value (false stops the reading). The archive is read when the path names a regular file
    // of at most maxBytes holding exactly one CBOR map with text keys, all of it read.
    using EntryReader = std::function<bool(const QString& key, QCborStreamReader& reader)>;
    using ReadResult = FileContents;  // without the bytes
    ReadResult read(const EntryReader& readEntry) const;
    // The whole archive as one map, for small files of a few values; none when it cannot be
    // read.
    std::optional<QCborMap> readMap() const;

    // Replaces the file by the bytes, creating its directory when needed. On failure the old
    // file stays as it was, and the reason is given; none when the file was replaced.
    std::optional<QString> write(const QByteArray& bytes) const;

    // Keeps an unreadable file (or whatever stands at the path) for inspection: renames it to
    // "<name>.unreadable-<time>", the time in UTC as yyyyMMddTHHmmss. The new path; none when
    // it could not be renamed.
    std::optional<QString> setAside(Date now) const;

    // Removes the temporary files that writes cut short by a crash left beside the file.
    void removeInterruptedWrites() const;

private:
    QString path_;
    qint64 maxBytes_;
};

// The next value from the reader; none when the reader fails, since a value cut short by a
// reading error must not be used.
std::optional<QCborValue> readCborValue(QCborStreamReader& reader);
