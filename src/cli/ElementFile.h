// Reading a file of element sets for the command line, three-line sets or, when its first line
// is the CSV header row, CSV records: every set that reads is made into a satellite, in file
// order; every one that does not is reported with its line number and skipped.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "SatelliteData.h"

class SettingsStore;

struct ElementFile {
    std::vector<std::shared_ptr<SatelliteData>> satellites;
    QStringList problems;  // "line N: ..." for each stretch or record that is not an element set
};

// The text of a file, a Qt resource path (":/...") or, for "-", standard input; none when it
// cannot be read.
std::optional<QString> readTextFile(const QString& path);

ElementFile readElementSets(const QString& text, const SettingsStore* appDelegate);
