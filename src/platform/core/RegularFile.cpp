#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

FileContents unreadable(const QString& error) {
    return {FileContents::Outcome::unreadable, {}, error};
}

}  // namespace

QString tooLargeReason(qint64 maxBytes) {
    return QStringLiteral("larger than %1 MB").arg(maxBytes / (1024 * 1024));
}

FileContents readStream(int fd, qint64 maxBytes) {
    FileContents contents{FileContents::Outcome::read, {}, {}};
    constexpr qint64 chunk = 1 << 16;
    while (true) {
        const qsizetype size = contents.bytes.size();
        contents.bytes.resize(size + chunk);
        const ssize_t got = ::read(fd, contents.bytes.data() + size, chunk);
        contents.bytes.resize(size + std::max<ssize_t>(got, 0));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return unreadable(systemError(errno));
        if (got == 0) return contents;
        if (contents.bytes.size() > maxBytes) return unreadable(tooLargeReason(maxBytes));
    }
}

FileContents readRegularFile(const QString& path, qint64 maxBytes) {
    // Opened without waiting, so that a FIFO cannot hang the reader before it is refused.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return {};
        return unreadable(systemError(errno));
    }
    struct stat status {};
    FileContents contents;
    if (::fstat(fd, &status) != 0) {
        contents = unreadable(systemError(errno));
    } else if (!S_ISREG(status.st_mode)) {
        contents = unreadable(QStringLiteral("not a regular file"));
    } else if (status.st_size > maxBytes) {
        contents = unreadable(tooLargeReason(maxBytes));
    } else {
        contents = readStream(fd, maxBytes);
    }
    ::close(fd);
    return contents;
}
