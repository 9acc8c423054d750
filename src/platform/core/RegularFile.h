// Reading a whole file that must be an ordinary file of bounded size. Anything else in its
// place is refused with a clear reason: a device such as /dev/zero never ends, a FIFO blocks
// until someone writes to it, and a directory holds no bytes.
#pragma once

#include <QByteArray>
#include <QString>

struct FileContents {
    enum class Outcome {
        read,        // bytes hold the whole file
        missing,     // there is no file at the path
        unreadable,  // error says why
    };
    Outcome outcome = Outcome::missing;
    QByteArray bytes;
    QString error;
};

// Follows symbolic links, so a link to a device is refused like the device.
FileContents readRegularFile(const QString& path, qint64 maxBytes);

// Reads an open descriptor (standard input) to its end, refusing more than maxBytes.
FileContents readStream(int fd, qint64 maxBytes);

// "larger than 64 MB": the reason given for a file or document over the limit.
QString tooLargeReason(qint64 maxBytes);
