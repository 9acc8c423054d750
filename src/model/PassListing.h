// The passes of a satellite one after another over a stretch of time, as the details screen
// and `skelvor-cli passes` list them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "Date.h"
#include "PassData.h"
#include "PassVisibility.h"

class SatelliteData;

// The pass span setting as seconds ahead: it holds days times 3600, so times 24; none while it
// is below one second (unset).
std::optional<double> passTimetableSpan(double passTimetableDuration);
// How far ahead future passes are listed, in seconds: the pass span setting, or 20 days while it
// is unset.
double futurePassSpan(double passTimetableDuration);

// Each pass is built from the set of the one before, starting at from; the list ends at the
// first pass that rises after end. A search that finds no pass (none rises, or none reaches the
// minimum elevation, within its ten days) goes on ten days later while that lies before end; a
// geostationary satellite's pass has no set and ends the list. A pass in progress at from is
// not listed: the first one rises after from.
std::vector<std::shared_ptr<PassData>> passesBetween(SatelliteData& satellite, Date from, Date end,
                                                     std::int32_t minimumElevation);

// A pass with what of it can be seen.
struct WatchedPass {
    std::shared_ptr<PassData> pass;
    std::optional<VisiblePart> visible;
};

// The next pass that rises after after (one in progress then is passed over) and reaches the
// minimum elevation, and when visibleOnly also can be seen, rising within horizon seconds of
// after; none without one.
std::optional<WatchedPass> nextPassToWatch(SatelliteData& satellite, Date after,
                                           std::int32_t minimumElevation,
                                           const VisibilityConditions& conditions, bool visibleOnly,
                                           double horizon);
