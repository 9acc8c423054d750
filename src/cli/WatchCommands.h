// Commands of skelvor-cli for watching the sky: tonight's visible passes of a whole catalogue.
#pragma once

#include <QString>

#include "CommandLine.h"
#include "CommandSupport.h"
#include "SkelvorAppDelegate.h"

// tonight: the visible passes of every satellite of --tle FILE, or of the saved catalogue (its
// --category ones), from dusk to dawn, in time order.
QString tonightCommand(const CommandLine& options, Diagnostics& diagnostics,
                       SkelvorAppDelegate& appDelegate);
