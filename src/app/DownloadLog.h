// When documents were downloaded from the element-set server within the last two hours. The
// server's data change at most every two hours, and it refuses, and in the end blocks, clients
// that download a document again before then; so a document in the log is not asked for again.
// The log is kept in a small file, so that this holds across runs, even when the document itself
// was not kept.
#pragma once

#include <QMap>
#include <QString>
#include <QUrl>

#include "Date.h"

class DownloadLog {
public:
    static constexpr double window = 2 * 3600.0;  // seconds

    // Reads the file; a missing or unreadable one is an empty log. Without a path the log is
    // kept in memory only.
    explicit DownloadLog(QString path);

    // Whether the document was downloaded less than two hours from now (a clock set back
    // counts the same as one that went on).
    bool isRecent(const QUrl& address, Date now) const;

    // Notes a successful download and replaces the file, leaving out the entries older than two
    // hours. Addresses read locally are not noted.
    void record(const QUrl& address, Date now);

private:
    void read();
    void write() const;

    QString path_;
    QMap<QString, Date> entries_;
};
