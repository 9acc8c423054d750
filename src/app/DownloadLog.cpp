#include "DownloadLog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "FetchText.h"
#include "KeyedArchiveFile.h"

// The file is a JSON object: for each address, {"time": seconds since 1970}.
namespace {

const QString time_key = QStringLiteral("time");
// Far more than the entries of two hours of a full update take.
constexpr qint64 max_log_bytes = 1024 * 1024;

bool isRecentTime(Date time, Date now) { return std::fabs(now - time) < DownloadLog::window; }

}  // namespace

DownloadLog::DownloadLog(QString path) : path_(std::move(path)) { read(); }

bool DownloadLog::isRecent(const QUrl& address, Date now) const {
    const auto entry = entries_.constFind(address.toString());
    return entry != entries_.cend() && isRecentTime(*entry, now);
}

void DownloadLog::record(const QUrl& address, Date now) {
    if (!isNetworkAddress(address)) return;
    entries_.removeIf(
        [now](QMap<QString, Date>::iterator entry) { return !isRecentTime(*entry, now); });
    entries_.insert(address.toString(), now);
    write();
}

void DownloadLog::read() {
    if (path_.isEmpty()) return;
    const FileContents file = readRegularFile(path_, max_log_bytes);
    const QJsonObject log = QJsonDocument::fromJson(file.bytes).object();
    for (auto item = log.begin(); item != log.end(); ++item) {
        const QJsonValue time = item->toObject().value(time_key);
        if (!time.isDouble()) continue;
        entries_.insert(item.key(), Date(time.toDouble() - Date::reference_date_unix_seconds));
    }
}

// A failed write leaves the old file; the log in memory still holds for this run.
void DownloadLog::write() const {
    if (path_.isEmpty()) return;
    QJsonObject log;
    for (auto item = entries_.cbegin(); item != entries_.cend(); ++item) {
        log.insert(item.key(), QJsonObject{{time_key, item->secondsSince1970()}});
    }
    static_cast<void>(KeyedArchiveFile(path_, max_log_bytes)
                          .write(QJsonDocument(log).toJson(QJsonDocument::Compact)));
}
