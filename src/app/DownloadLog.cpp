#include "DownloadLog.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "FetchText.h"
#include "KeyedArchiveFile.h"

// The file is a JSON object: for each address, {"time": seconds since 1970, "categories":
// {name: file name}}, the categories only for an index page.
namespace {

const QString time_key = QStringLiteral("time");
const QString categories_key = QStringLiteral("categories");

}  // namespace

DownloadLog::DownloadLog(QString path) : path_(std::move(path)) { read(); }

const DownloadLog::Entry* DownloadLog::recentEntry(const QUrl& address, Date now) const {
    const auto entry = entries_.constFind(address.toString());
    if (entry == entries_.cend() || !(std::fabs(now - entry->time) < window)) return nullptr;
    return &*entry;
}

bool DownloadLog::isRecent(const QUrl& address, Date now) const {
    return recentEntry(address, now) != nullptr;
}

std::optional<QMap<QString, QString>> DownloadLog::recentCategories(const QUrl& index,
                                                                    Date now) const {
    const Entry* entry = recentEntry(index, now);
    if (!entry || entry->categories.isEmpty()) return std::nullopt;
    return entry->categories;
}

void DownloadLog::record(const QUrl& address, Date now, const QMap<QString, QString>& categories) {
    if (!isNetworkAddress(address)) return;
    entries_.removeIf([now](QMap<QString, Entry>::iterator entry) {
        return !(std::fabs(now - entry->time) < window);
    });
    entries_.insert(address.toString(), {now, categories});
    write();
}

void DownloadLog::read() {
    QFile file(path_);
    if (path_.isEmpty() || !file.open(QIODevice::ReadOnly)) return;
    const QJsonObject log = QJsonDocument::fromJson(file.readAll()).object();
    for (auto item = log.begin(); item != log.end(); ++item) {
        const QJsonObject entry = item->toObject();
        const QJsonValue time = entry.value(time_key);
        if (!time.isDouble()) continue;
        QMap<QString, QString> categories;
        const QJsonObject names = entry.value(categories_key).toObject();
        for (auto name = names.begin(); name != names.end(); ++name) {
            if (name->isString()) categories.insert(name.key(), name->toString());
        }
        const Date when(time.toDouble() - Date::reference_date_unix_seconds);
        entries_.insert(item.key(), {when, categories});
    }
}

// A failed write leaves the old file; the log in memory still holds for this run.
void DownloadLog::write() const {
    if (path_.isEmpty()) return;
    QJsonObject log;
    for (auto item = entries_.cbegin(); item != entries_.cend(); ++item) {
        QJsonObject entry{{time_key, item->time.secondsSince1970()}};
        if (!item->categories.isEmpty()) {
            QJsonObject names;
            for (auto name = item->categories.cbegin(); name != item->categories.cend(); ++name) {
                names.insert(name.key(), *name);
            }
            entry.insert(categories_key, names);
        }
        log.insert(item.key(), entry);
    }
    KeyedArchiveFile(path_).write(QJsonDocument(log).toJson(QJsonDocument::Compact));
}
