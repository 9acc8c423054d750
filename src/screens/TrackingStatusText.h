// What the pass screen says about the pass being worked: the phase of the tracking, what the
// radio and the rotator last acknowledged, and the state of each connection with the error
// the daemon answered, in words.
#pragma once

#include <QString>

#include "ControlConnection.h"
#include "TrackingSession.h"

class SettingsStore;

namespace tracking_text {

// Waiting for AOS at a time, tracking until LOS at a time, over, or stopped.
QString phaseText(const TrackingSession::Status& status, const SettingsStore& settings);
// The frequencies and mode the radio acknowledged, in MHz to the hertz; empty before any.
QString frequenciesText(const TrackingSession::Status& status);
// The position the rotator acknowledged, in its own degrees; empty before any.
QString pointingText(const TrackingSession::Status& status);
// The connection's state, then the last error answer; empty while the device is not in use
// (connection nullptr).
QString connectionText(const QString& device, const ControlConnection* connection,
                       const QString& answerProblem);

}  // namespace tracking_text
