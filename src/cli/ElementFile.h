// Reading a file of element sets for the command line, three-line sets or, when its first line
// is the CSV header row, CSV records: every set that can be used is made into a satellite, in
// file order; every one that cannot, and every stray line, is reported with its line number.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "SatelliteData.h"

class SettingsStore;

struct ElementFile {
    std::vector<std::shared_ptr<SatelliteData>> satellites;
    QStringList problems;  // "line N: ..." for each stretch or record that is not a usable set
    qsizetype rejectedSets = 0;
};

struct ElementFileText {
    QString text;
    QString error;  // why the file could not be read; empty when it was
};

// The text of a regular file, a Qt resource path (":/...") or, for "-", standard input, of at
// most the size of a fetched document. Devices, FIFOs and directories are refused.
ElementFileText readElementFileText(const QString& path);

ElementFile readElementSets(const QString& text, const SettingsStore* settings);
