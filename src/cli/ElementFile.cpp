#include "ElementFile.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include "ElementSetReader.h"
#include "FetchText.h"
#include "RegularFile.h"

ElementFileText readElementFileText(const QString& path) {
    FileContents file;
    if (path == u"-") {
        file = readStream(STDIN_FILENO, max_document_bytes);
    } else if (path.startsWith(u":/")) {
        QFile resource(path);
        file.outcome = resource.open(QIODevice::ReadOnly) ? FileContents::Outcome::read
                                                          : FileContents::Outcome::missing;
        file.bytes = resource.readAll();
    } else {
        file = readRegularFile(path, max_document_bytes);
    }
    switch (file.outcome) {
        case FileContents::Outcome::read:
            return {QString::fromUtf8(file.bytes), {}};
        case FileContents::Outcome::missing:
            return {{}, QCoreApplication::translate("skelvor-cli", "no such file")};
        case FileContents::Outcome::unreadable:
            break;
    }
    return {{}, file.error};
}

ElementFile readElementSets(const QString& text, const SettingsStore* settings) {
    const ElementSetText read = readElementSetText(text);
    ElementFile result;
    for (const ElementSetEntry& set : read.sets) {
        result.satellites.push_back(SatelliteData::createFromValues(
            settings, set.commonName, QString(), set.catalogNumber, set.values));
    }
    for (const ElementFileProblem& problem : read.problems) {
        result.problems << QCoreApplication::translate("skelvor-cli", "line %1: %2")
                               .arg(problem.lineNumber)
                               .arg(problem.reason);
    }
    result.rejectedSets = read.rejectedSets();
    return result;
}
