// What the commands of skelvor-cli share: the messages besides the answers, reading the element
// sets of --tle, placing the observer, and the commands themselves, each giving its table of
// answers.
#pragma once

#include <QString>

#include "CommandLine.h"
#include "ElementFile.h"
#include "OutputTable.h"
#include "SettingsStore.h"

class SkelvorAppDelegate;

// The messages a command gives besides its answers, and what they make of the exit code.
struct Diagnostics {
    QString text;             // lines for standard error
    bool badInput = false;    // an element set could not be used: exit code 2
    bool unanswered = false;  // an answer does not exist: exit code 1

    // A set that the command cannot answer at all, or at the instant named.
    void noAnswer(const SatelliteData& satellite, const QString& why);
};

// The element sets of --tle. A stray line is reported; a set that cannot be used is reported
// and skipped, and the exit code tells of it. Throws UsageError when the file cannot be read or
// holds no usable set.
ElementFile loadSets(const CommandLine& options, Diagnostics& diagnostics,
                     const SettingsStore& settings);

// Places the observer from --lat and --lon (degrees) and --alt (metres, 0 when absent).
void placeObserver(const CommandLine& options, SettingsStore& settings);

// Reads the saved state without writing anything, and places the observer from --lat and --lon,
// or else where the saved state has it. Throws CommandFailure when the state cannot be read.
void useSavedState(const CommandLine& options, SkelvorAppDelegate& appDelegate);

// Whether every number of the row is finite; the orbit models give not-a-number where an
// element set describes no orbit at that instant.
bool isFiniteRow(const std::vector<OutputTable::Cell>& row);

// --min-elevation in whole degrees (0 when absent).
std::int32_t minimumElevation(const CommandLine& options);
// The stretch of time of --from (default now) and --days (default 1).
struct PassSpan {
    Date from;
    Date end;
};
PassSpan passSpan(const CommandLine& options, const SettingsStore& settings);
// Whether the satellite's model gives a position at from; when not, the diagnostics say so,
// since saying it has no passes would be wrong.
bool hasPositionAt(SatelliteData& satellite, Date from, Diagnostics& diagnostics);

OutputTable propagateCommand(const CommandLine& options, const ElementFile& sets,
                             Diagnostics& diagnostics);
OutputTable lookCommand(const CommandLine& options, const ElementFile& sets,
                        const SettingsStore& settings, Diagnostics& diagnostics);
OutputTable passesCommand(const CommandLine& options,
                          const std::vector<std::shared_ptr<SatelliteData>>& satellites,
                          const SettingsStore& settings, Diagnostics& diagnostics);
OutputTable sunCommand(const CommandLine& options, const SettingsStore& settings);
OutputTable moonCommand(const CommandLine& options, const SettingsStore& settings);
