// Saved states for the tests, the crash helper and the benchmark: catalogues of any size made
// from the sample element sets, each satellite with its own name and catalogue number, written
// as the state file of a data directory.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <vector>

#include "KeyedArchiveFile.h"
#include "SatelliteData.h"
#include "SavedState.h"
#include "SettingsStore.h"

namespace state_fixture {

inline const QStringList sample_categories{"sample-geo", "sample-heo", "sample-leo", "sample-nav"};

inline QString stateFile(const QString& dataDirectory) {
    return QDir(dataDirectory).filePath(QStringLiteral("Library/Preferences/currentState"));
}

// The satellites of one sample file, as archived.
inline std::vector<ArchivedSatellite> sampleSatellites(const QString& category) {
    QFile file(QStringLiteral(SKELVOR_SAMPLES "/%1.txt").arg(category));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const SettingsStore store;
    std::vector<ArchivedSatellite> satellites;
    for (qsizetype i = 0; i + 2 < lines.size(); i += 3) {
        const auto satellite = SatelliteData::createSatellite(
            &store, lines[i].section(u'[', 0, 0).trimmed(), category + QStringLiteral(".txt"), 0,
            lines[i], lines[i + 1], lines[i + 2]);
        if (satellite) satellites.push_back(satellite->archived());
    }
    return satellites;
}

// A catalogue of count satellites in the four sample categories, the samples repeated under
// the names "<sample name> <n>" with catalogue numbers 100000 + n; n counts from 1.
inline std::vector<SavedState::Category> generatedCatalogue(int count) {
    std::vector<SavedState::Category> catalogue;
    std::vector<std::vector<ArchivedSatellite>> samples;
    for (const QString& name : sample_categories) {
        catalogue.push_back({name, {}});
        samples.push_back(sampleSatellites(name));
    }
    for (int n = 1; n <= count;) {
        for (std::size_t c = 0; c < samples.size(); ++c) {
            for (const ArchivedSatellite& sample : samples[c]) {
                if (n > count) break;
                ArchivedSatellite satellite = sample;
                satellite.commonName = QStringLiteral("%1 %2").arg(sample.commonName).arg(n);
                satellite.catalogNumber = 100000 + n++;
                catalogue[c].satellites.push_back({satellite.commonName, satellite});
            }
        }
    }
    return catalogue;
}

inline int satelliteCount(const SavedState& state) {
    int count = 0;
    for (const auto& category : state.knownSatellites) {
        count += static_cast<int>(category.satellites.size());
    }
    return count;
}

inline bool writeState(const QString& dataDirectory, const SavedState& state) {
    return !KeyedArchiveFile(stateFile(dataDirectory), max_state_file_bytes).write(state.toCbor());
}

}  // namespace state_fixture
