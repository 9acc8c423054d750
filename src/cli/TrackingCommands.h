// The commands of skelvor-cli that work a pass: `track` drives a radio and a rotator through
// the next pass, printing every command it sends; `doppler` lists the Doppler-corrected
// frequencies over a pass.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "CommandLine.h"
#include "CommandSupport.h"
#include "ElementFile.h"
#include "OutputTable.h"
#include "SkelvorAppDelegate.h"

// The satellite of --catalog N among the sets (the first set without it); throws UsageError
// when the number is not among them.
std::shared_ptr<SatelliteData> chosenSatellite(const CommandLine& options, const ElementFile& sets);

OutputTable dopplerCommand(const CommandLine& options, const ElementFile& sets,
                           const SettingsStore& settings);

// The options of track besides those of every command.
const std::vector<OptionSpec>& trackOptions();

// Runs until the pass is over; each line (a command sent, a problem) goes to print as it
// happens. Throws UsageError for bad usage.
void trackCommand(const CommandLine& options, Diagnostics& diagnostics,
                  SkelvorAppDelegate& appDelegate,
                  const std::function<void(const QString&)>& print);
