// The documents fetched from the element-set server within the last two hours, kept with what
// they brought. The server refuses a document asked for again within two hours; so an update cut
// short by Cancel, a refusal, a crash or the end of the program goes on from these copies at its
// next start instead of asking again. Each document is a file of the cache folder named
// "<SHA-1 of the address>-<seconds since 1970 when fetched>.document", written atomically: a
// CBOR map of "Address" and "Document" (the bytes as received). Without a folder the documents
// are kept in memory for the run.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QUrl>
#include <optional>

#include "Date.h"

class DocumentCache {
public:
    explicit DocumentCache(QString folder) : folder_(std::move(folder)) {}

    // The document fetched from the address less than two hours from now (a clock set back
    // counts the same as one that went on); none otherwise.
    std::optional<QByteArray> recent(const QUrl& address, Date now) const;

    // Keeps the document fetched now. A failed write is not an error: the next update within
    // two hours then finds it fetched but not kept.
    void store(const QUrl& address, Date now, const QByteArray& document);

    // Removes the documents older than two hours and the writes a crash cut short.
    void removeStale(Date now) const;

private:
    struct Entry {
        Date time;
        QByteArray document;
    };
    std::optional<Entry> readFile(const QUrl& address, Date now) const;

    QString folder_;
    QMap<QString, Entry> memory_;  // by address, without a folder
};
