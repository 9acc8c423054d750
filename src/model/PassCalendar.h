// Passes as an iCalendar file (RFC 5545): one event per pass from rise to set, in UTC, its
// summary the satellite's name and highest elevation, its description the azimuths, times and
// whether and when the pass can be seen.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "Date.h"
#include "PassCoordinate.h"
#include "PassVisibility.h"

class PassData;
class SatelliteData;
struct TonightPass;

struct CalendarPass {
    QString name;
    std::int32_t catalogNumber = 0;
    Date rise;
    Date set;
    double riseAzimuth = 0.0;  // degrees
    double setAzimuth = 0.0;
    PassCoordinate highest;
    std::optional<VisiblePart> visible;  // none: it cannot be seen

    // A listed pass with its visibility.
    static CalendarPass of(const SatelliteData& satellite, const PassData& pass,
                           const PassVisibility& visibility);
    // A pass of tonight's list, visible by being listed.
    static CalendarPass of(const TonightPass& pass);
};

// The passes of each satellite in turn, as passesBetween lists them from from to end, each with
// its visibility under the conditions.
std::vector<CalendarPass> calendarPasses(
    const std::vector<std::shared_ptr<SatelliteData>>& satellites, Date from, Date end,
    std::int32_t minimumElevation, const VisibilityConditions& conditions);

// The whole file, lines ended by CR LF. stamp is the instant the file is made (DTSTAMP).
QString passCalendar(const std::vector<CalendarPass>& passes, Date stamp);
