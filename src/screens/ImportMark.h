// How a frequency record that came from the transmitter import is marked on the screens: as
// imported while it is the import's own, and as changed since once the user has edited it
// (the import then leaves it alone). Records the user made carry no mark.
#pragma once

#include <QString>

#include "FrequencyRecord.h"

// The mark in a list of records; empty for a record the user made.
QString importMark(const FrequencyRecord& record);
// The same said in full, for the record's editor.
QString importNote(const FrequencyRecord& record);
