#include "DocumentCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <cmath>

#include "DownloadLog.h"
#include "FetchText.h"
#include "KeyedArchiveFile.h"
#include "KeyedArchiver.h"

namespace {

const QString address_key = QStringLiteral("Address");
const QString document_key = QStringLiteral("Document");
const QString suffix = QStringLiteral(".document");

// A document and the few bytes of its address.
constexpr qint64 max_file_bytes = max_document_bytes + 64 * 1024;

bool isRecent(Date time, Date now) { return std::fabs(now - time) < DownloadLog::window; }

QString prefixOf(const QUrl& address) {
    const QByteArray hash =
        QCryptographicHash::hash(address.toString().toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex()) + u'-';
}

// When the document of a file was fetched, from its name; none for a name of another form.
std::optional<Date> fetchTime(const QString& fileName) {
    if (!fileName.endsWith(suffix)) return std::nullopt;
    const QString seconds = fileName.chopped(suffix.size()).section(u'-', -1);
    bool ok = false;
    const qlonglong since1970 = seconds.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return Date(static_cast<double>(since1970) - Date::reference_date_unix_seconds);
}

}  // namespace

std::optional<QByteArray> DocumentCache::recent(const QUrl& address, Date now) const {
    if (!folder_.isEmpty()) {
        const std::optional<Entry> entry = readFile(address, now);
        return entry ? std::optional(entry->document) : std::nullopt;
    }
    const auto entry = memory_.constFind(address.toString());
    if (entry == memory_.cend() || !isRecent(entry->time, now)) return std::nullopt;
    return entry->document;
}

std::optional<DocumentCache::Entry> DocumentCache::readFile(const QUrl& address, Date now) const {
    const QDir folder(folder_);
    for (const QString& name : folder.entryList({prefixOf(address) + u'*' + suffix}, QDir::Files)) {
        const std::optional<Date> time = fetchTime(name);
        if (!time || !isRecent(*time, now)) continue;
        QCborMap map;
        const auto read = KeyedArchiveFile(folder.filePath(name), max_file_bytes)
                              .read([&](const QString& key, QCborStreamReader& reader) {
                                  const std::optional<QCborValue> value = readCborValue(reader);
                                  if (value) map.insert(key, *value);
                                  return value.has_value();
                              });
        const KeyedUnarchiver coder(map);
        const std::optional<QByteArray> document = coder.decodeBytes(document_key);
        if (read.outcome == FileContents::Outcome::read &&
            coder.decodeString(address_key) == address.toString() && document) {
            return Entry{*time, *document};
        }
    }
    return std::nullopt;
}

void DocumentCache::store(const QUrl& address, Date now, const QByteArray& document) {
    if (folder_.isEmpty()) {
        memory_.insert(address.toString(), {now, document});
        return;
    }
    KeyedArchiver coder;
    coder.encodeString(address_key, address.toString());
    coder.encodeBytes(document_key, document);
    const QString name =
        prefixOf(address) + QString::number(std::llround(now.secondsSince1970())) + suffix;
    QDir folder(folder_);
    const std::optional<QString> failure = KeyedArchiveFile(folder.filePath(name), max_file_bytes)
                                               .write(QCborValue(coder.map()).toCbor());
    if (failure) return;
    // The older copies of the document give way to the new one.
    for (const QString& old : folder.entryList({prefixOf(address) + u'*' + suffix}, QDir::Files)) {
        if (old != name) folder.remove(old);
    }
}

void DocumentCache::removeStale(Date now) const {
    if (folder_.isEmpty()) return;
    QDir folder(folder_);
    for (const QString& name : folder.entryList({u'*' + suffix + u'*'}, QDir::Files)) {
        const std::optional<Date> time = fetchTime(name);
        if (!time || !isRecent(*time, now)) folder.remove(name);
    }
}
