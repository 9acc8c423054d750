#include "ElementFile.h"

#include <QFile>
#include <QRegularExpression>

#include "CatalogNumber.h"
#include "CsvElementSet.h"

std::optional<QString> readTextFile(const QString& path) {
    QFile file;
    if (path == u"-") {
        if (!file.open(stdin, QIODevice::ReadOnly)) return std::nullopt;
    } else {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

namespace {

bool isBlank(const QString& line) { return line.trimmed().isEmpty(); }

// The name shown for a set: the name line without its bracketed status marker.
QString commonNameOf(const QString& nameLine) {
    const qsizetype bracket = nameLine.indexOf(u'[');
    return (bracket >= 0 ? nameLine.first(bracket) : nameLine).trimmed();
}

bool looksLikeSet(const QStringList& lines, qsizetype i) {
    return i + 2 < lines.size() && lines[i + 1].startsWith(u"1 ") && lines[i + 2].startsWith(u"2 ");
}

qsizetype firstFilledLine(const QStringList& lines) {
    qsizetype i = 0;
    while (i < lines.size() && isBlank(lines[i])) ++i;
    return i;
}

// The records after the header row of a CSV element file.
ElementFile readCsvRecords(const QStringList& lines, qsizetype header,
                           const SettingsStore* appDelegate) {
    ElementFile result;
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        if (isBlank(lines[i])) continue;
        const std::optional<CsvElementSet> record = readCsvElementSet(lines[i]);
        if (!record) {
            result.problems << QStringLiteral("line %1: not a CSV element record").arg(i + 1);
            continue;
        }
        result.satellites.push_back(SatelliteData::createFromCsv(
            appDelegate, record->name, QString(), record->catalogNumber, record->elements));
    }
    return result;
}

ElementFile readThreeLineSets(const QStringList& lines, const SettingsStore* appDelegate) {
    ElementFile result;
    qsizetype strayStart = -1;  // first line of a stretch that is not an element set
    auto reportStray = [&] {
        if (strayStart < 0) return;
        result.problems
            << QStringLiteral("line %1: not a three-line element set").arg(strayStart + 1);
        strayStart = -1;
    };
    for (qsizetype i = 0; i < lines.size();) {
        if (isBlank(lines[i])) {
            ++i;
            continue;
        }
        if (!looksLikeSet(lines, i)) {
            if (strayStart < 0) strayStart = i;
            ++i;
            continue;
        }
        reportStray();
        const QString nameLine = lines[i].trimmed();
        auto satellite = SatelliteData::createSatellite(appDelegate, commonNameOf(nameLine),
                                                        QString(), readCatalogNumber(lines[i + 1]),
                                                        nameLine, lines[i + 1], lines[i + 2]);
        if (satellite) {
            result.satellites.push_back(std::move(satellite));
        } else {
            result.problems
                << QStringLiteral("line %1: element lines shorter than 68 characters").arg(i + 1);
        }
        i += 3;
    }
    reportStray();
    return result;
}

}  // namespace

ElementFile readElementSets(const QString& text, const SettingsStore* appDelegate) {
    static const QRegularExpression lineEnd(QStringLiteral("\r?\n"));
    QStringList lines = text.split(lineEnd);
    for (QString& line : lines) {
        while (line.endsWith(u'\r')) line.chop(1);
    }
    const qsizetype first = firstFilledLine(lines);
    if (first < lines.size() && isCsvElementHeader(lines[first])) {
        return readCsvRecords(lines, first, appDelegate);
    }
    return readThreeLineSets(lines, appDelegate);
}
