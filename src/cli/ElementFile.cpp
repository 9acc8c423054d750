#include "ElementFile.h"

#include <QFile>

#include "ElementSetReader.h"

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

ElementFile readElementSets(const QString& text, const SettingsStore* appDelegate) {
    const ElementSetText read = readElementSetText(text);
    ElementFile result;
    for (const ElementSetEntry& set : read.sets) {
        result.satellites.push_back(SatelliteData::createFromValues(
            appDelegate, set.commonName, QString(), set.catalogNumber, set.values));
    }
    for (const ElementFileProblem& problem : read.problems) {
        result.problems
            << QStringLiteral("line %1: %2").arg(problem.lineNumber).arg(problem.reason);
    }
    return result;
}
