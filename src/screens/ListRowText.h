// The two text lines of a satellite's row in the satellite list: its next event with the clock
// time, and the countdown to it.
#pragma once

#include <QString>

#include "Date.h"

class PassData;
class SettingsStore;

struct ListRowText {
    QString eventLine;
    QString countdownLine;
};

// "in h:mm" for the seconds until an event, hours and minutes each truncated toward zero.
QString countdownText(double seconds);

// The lines for a satellite's next pass at now: the rise ("AOS") ahead, or the set ("LOS") of a
// pass under way, with the clock time and its zone ("AOS: 12:35:19 UTC"), and the countdown; a
// geostationary satellite or one without a pass gets its explanation instead.
ListRowText listRowText(const PassData& pass, bool geostationary, Date now,
                        const SettingsStore& settings);
