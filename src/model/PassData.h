// One pass of a satellite over the observer: rise and set, samples once a minute from rise to
// set with a closing sample at the set (they draw the track), and the highest point, refined
// between the samples. An empty pass has none of them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Date.h"
#include "PassCoordinate.h"

class SatelliteData;

class PassData {
public:
    // The next pass of the satellite from after (none: now, or the pass in progress) whose
    // highest point reaches minimumElevation degrees; empty when none rises within 10 days of
    // the later of now and after.
    explicit PassData(SatelliteData& satellite, std::optional<Date> after = std::nullopt,
                      std::int32_t minimumElevation = 0);

    std::optional<Date> aos() const { return aos_; }
    void setAos(std::optional<Date> value) { aos_ = value; }
    std::optional<Date> los() const { return los_; }
    void setLos(std::optional<Date> value) { los_ = value; }
    SatelliteData& satelliteReference() const { return *satelliteReference_; }

    // The highest point of the pass, within 0.01 degrees and a second; not one of the samples.
    // For a geostationary satellite, its one sample.
    const PassCoordinate* highestElevationEntry() const;
    std::int32_t highestElevation() const;
    std::optional<Date> highestElevationDate() const;
    std::int32_t passItemCount() const { return static_cast<std::int32_t>(passArray_.size()); }
    const PassCoordinate& passItemAtIndex(std::int32_t index) const { return passArray_.at(index); }

    // The rise while it is still ahead, else the set; none for an empty or geostationary pass.
    std::optional<Date> nextEventDate() const;

private:
    void sampleGeostationary();
    bool samplePass(Date aos, Date los, std::int32_t minimumElevation);
    void appendSample(std::optional<Date> date);
    void refineHighest(std::size_t index);
    void clear();

    std::optional<Date> aos_;
    std::optional<Date> los_;
    std::optional<PassCoordinate> highest_;
    std::vector<PassCoordinate> passArray_;
    SatelliteData* satelliteReference_;
};
