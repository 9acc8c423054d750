// The next-pass cache and the ordering of satellites by their next event.
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
    const std::optional<Date> mine = nextPass()->nextEventDate();
    const std::optional<Date> theirs = other.nextPass()->nextEventDate();
    if (!mine) return 1;
    if (!theirs) return -1;
    if (*mine < *theirs) return -1;
    return *theirs < *mine ? 1 : 0;
}
