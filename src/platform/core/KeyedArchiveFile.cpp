#include "KeyedArchiveFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCborValue>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

// Temporary files are "<name>.saving-" followed by six random characters.
const QString temporaryInfix = QStringLiteral(".saving-");

// The reason of the last failed system call, in words.
QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        left -= written;
    }
    return true;
}

// Writes the bytes to a new temporary file and syncs it; its name, or none on failure (then
// nothing is left behind).
std::optional<QByteArray> writeTemporary(const QString& path, const QByteArray& bytes) {
    QByteArray name = QFile::encodeName(path + temporaryInfix + QStringLiteral("XXXXXX"));
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    const bool synced = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) == 0 && synced) return name;
    ::unlink(name.constData());
    return std::nullopt;
}

bool syncDirectory(const QString& directory) {
    const int fd =
        ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace

KeyedArchiveFile::ReadResult KeyedArchiveFile::read(const EntryReader& readEntry) const {
    // Read whole rather than mapped: a file cut short by another program while it is read must
    // give an unreadable state, not a crash.
    FileContents file = readRegularFile(path_, maxBytes_);
    const QByteArray bytes = std::exchange(file.bytes, {});
    if (file.outcome != FileContents::Outcome::read) return file;
    const ReadResult notAnArchive{
        FileContents::Outcome::unreadable, {}, QStringLiteral("not a whole archive")};
    if (bytes.isEmpty()) return {FileContents::Outcome::unreadable, {}, QStringLiteral("empty")};
    QCborStreamReader reader(bytes);
    if (!reader.isMap() || !reader.enterContainer()) return notAnArchive;
    while (reader.lastError() == QCborError::NoError && reader.hasNext()) {
        const std::optional<QCborValue> key = readCborValue(reader);
        if (!key || !key->isString() || !readEntry(key->toString(), reader)) return notAnArchive;
    }
    const bool whole = reader.lastError() == QCborError::NoError && reader.leaveContainer() &&
                       reader.currentOffset() == bytes.size();
    return whole ? file : notAnArchive;
}

std::optional<QString> KeyedArchiveFile::write(const QByteArray& bytes) const {
    const QString directory = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(directory)) {
        return QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(directory));
    }
    const std::optional<QByteArray> temporary = writeTemporary(path_, bytes);
    if (!temporary) return systemError();
    if (::rename(temporary->constData(), QFile::encodeName(path_).constData()) != 0) {
        const QString error = systemError();
        ::unlink(temporary->constData());
        return error;
    }
    if (!syncDirectory(directory)) return systemError();
    return std::nullopt;
}

std::optional<QString> KeyedArchiveFile::setAside(Date now) const {
    const QString time = now.toQDateTime().toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
    const QString aside = path_ + QStringLiteral(".unreadable-") + time;
    // Renamed as it stands: a link is renamed, not what it points at.
    if (::rename(QFile::encodeName(path_).constData(), QFile::encodeName(aside).constData()) != 0) {
        return std::nullopt;
    }
    return aside;
}

void KeyedArchiveFile::removeInterruptedWrites() const {
    const QFileInfo info(path_);
    QDir directory = info.absoluteDir();
    const QStringList leftovers =
        directory.entryList({info.fileName() + temporaryInfix + u'*'}, QDir::Files | QDir::Hidden);
    for (const QString& name : leftovers) directory.remove(name);
}

std::optional<QCborValue> readCborValue(QCborStreamReader& reader) {
    QCborValue value = QCborValue::fromCbor(reader);
    if (reader.lastError() != QCborError::NoError) return std::nullopt;
    return value;
}

std::optional<QCborMap> KeyedArchiveFile::readMap() const {
    QCborMap map;
    const FileContents result = read([&map](const QString& key, QCborStreamReader& reader) {
        const std::optional<QCborValue> value = readCborValue(reader);
        if (!value) return false;
        map.insert(key, *value);
        return true;
    });
    if (result.outcome != FileContents::Outcome::read) return std::nullopt;
    return map;
}
