// Commands of skelvor-cli for watching the sky: tonight's visible passes of a whole catalogue,
// and passes as an iCalendar file (--format ics).
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "CommandLine.h"
#include "CommandSupport.h"
#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"

// --format ics: the answer is a calendar, not a table.
bool calendarFormat(const CommandLine& options);

// The passes that `passes` lists, as calendar events with their visibility.
QString passesCalendar(const CommandLine& options,
                       const std::vector<std::shared_ptr<SatelliteData>>& satellites,
                       const SettingsStore& settings, Diagnostics& diagnostics);

// tonight: the visible passes of every satellite of --tle FILE, or of the saved catalogue (its
// --category ones), from dusk to dawn, in time order; as a table or a calendar.
QString tonightCommand(const CommandLine& options, Diagnostics& diagnostics,
                       SkelvorAppDelegate& appDelegate);
