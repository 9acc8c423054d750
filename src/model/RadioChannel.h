// What the radio is tuned to while a pass is worked: the active frequency record read as a
// channel (single frequencies, or the passbands of a linear transponder), and the frequencies
// to set on the ground for the satellite's range rate.
#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "FrequencyRecord.h"
#include "RadioFrequency.h"

namespace radio {

struct Channel {
    std::optional<FrequencyBand> downlink;  // as the satellite sends it, Hz
    std::optional<FrequencyBand> uplink;    // as the satellite hears it, Hz
    std::optional<QString> mode;
    bool inverting = false;

    // The uplink's mode: an inverting transponder's uplink is on the other sideband.
    std::optional<QString> uplinkMode() const;
    // A linear transponder: both links are passbands, and the uplink follows the downlink.
    bool isTransponder() const {
        return downlink && uplink && downlink->isPassband() && uplink->isPassband();
    }
};

// The record's channel; none when it names no frequency (missing, or text without a number).
std::optional<Channel> channelOf(const FrequencyRecord& record);
// The channel of the active record among these; none when there is none or it has no frequency.
std::optional<Channel> activeChannel(const std::optional<QList<FrequencyRecord>>& records);

// Frequencies in Hz; each link may be absent.
struct LinkFrequencies {
    std::optional<double> downlink;
    std::optional<double> uplink;
    bool operator==(const LinkFrequencies&) const = default;
};

// The frequencies at the satellite worked at first: the single frequencies, or for a
// transponder the middle of its downlink passband and the uplink paired with it.
LinkFrequencies initialTuning(const Channel& channel);
// A transponder's uplink for a downlink at the satellite, the downlink first held within its
// passband; an inverting transponder pairs the top of one passband with the bottom of the other.
LinkFrequencies pairedTuning(const Channel& channel, double satelliteDownlink);
// The frequencies to set on the ground for those at the satellite at this range rate (km/s).
LinkFrequencies groundFrequencies(const LinkFrequencies& atSatellite, double rangeRate);

}  // namespace radio
