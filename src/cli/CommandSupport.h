// What the commands of skelvor-cli share: reading the element sets of --tle, placing the
// observer, and the commands themselves, each giving its table of answers.
#pragma once

#include <QString>

#include "CommandLine.h"
#include "ElementFile.h"
#include "OutputTable.h"
#include "SettingsStore.h"

// The element sets of --tle; a set that cannot be read is reported to err and skipped. Throws
// UsageError when the file cannot be read or holds no readable set.
ElementFile loadSets(const CommandLine& options, QString& err, const SettingsStore& appDelegate);

// Places the observer from --lat and --lon (degrees) and --alt (metres, 0 when absent).
void placeObserver(const CommandLine& options, SettingsStore& appDelegate);

OutputTable propagateCommand(const CommandLine& options, const ElementFile& sets);
OutputTable lookCommand(const CommandLine& options, const ElementFile& sets,
                        const SettingsStore& appDelegate);
OutputTable passesCommand(const CommandLine& options,
                          const std::vector<std::shared_ptr<SatelliteData>>& satellites,
                          const SettingsStore& appDelegate);
OutputTable sunCommand(const CommandLine& options, const SettingsStore& appDelegate);
OutputTable moonCommand(const CommandLine& options, const SettingsStore& appDelegate);
