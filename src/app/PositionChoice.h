// Where the observer's position comes from: the location service, or the fixed position the
// user typed. The choice is kept in a small file beside the saved state, so that a typed
// position is never replaced at the next start by a fix or by the simulator's place.
#pragma once

#include <QString>

enum class PositionChoice { locationService, fixedPosition };

// The choice saved at the path; the location service when there is none or it cannot be read.
PositionChoice readPositionChoice(const QString& path);
// Replaces the file; false when it could not be written.
bool writePositionChoice(const QString& path, PositionChoice choice);
