// The next-pass cache and the ordering of satellites by their next event.
#include <algorithm>
#include <vector>

#include "PassData.h"
#include "SatelliteData.h"
#include "SettingsStore.h"

std::shared_ptr<PassData> SatelliteData::nextPass() {
    if (nextPass_) {
        const std::optional<Date> los = nextPass_->los();
        if (!los || *los - appDelegate_->now() >= 0.0) return nextPass_;
    }
    nextPass_ =
        std::make_shared<PassData>(*this, std::nullopt, appDelegate_->minimumPathElevation());
    return nextPass_;
}

int SatelliteData::compareByEventDateWith(SatelliteData& other) {
    return compareEventDates(nextPass()->nextEventDate(), other.nextPass()->nextEventDate());
}

int SatelliteData::compareEventDates(std::optional<Date> mine, std::optional<Date> theirs) {
    if (!mine) return 1;
    if (!theirs) return -1;
    if (*mine < *theirs) return -1;
    return *theirs < *mine ? 1 : 0;
}

void orderByNextEvent(QList<std::shared_ptr<SatelliteData>>& satellites) {
    struct Keyed {
        std::optional<Date> event;
        std::shared_ptr<SatelliteData> satellite;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(satellites.size());
    for (const auto& satellite : satellites) {
        keyed.push_back({satellite->nextPass()->nextEventDate(), satellite});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return SatelliteData::compareEventDates(a.event, b.event) < 0;
    });
    for (qsizetype i = 0; i < satellites.size(); ++i) satellites[i] = keyed[i].satellite;
}
