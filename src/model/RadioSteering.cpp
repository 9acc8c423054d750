#include "RadioSteering.h"

#include <cmath>

namespace radio {

namespace {

std::optional<double> changed(std::optional<double> sent, std::optional<double> wanted,
                              double step) {
    if (!wanted) return std::nullopt;
    if (sent && std::abs(*wanted - *sent) < step) return std::nullopt;
    return wanted;
}

}  // namespace

RadioSteering::RadioSteering(Channel channel, double step)
    : channel_(std::move(channel)), step_(step), tuning_(initialTuning(channel_)) {}

void RadioSteering::radioDownlinkReadBack(double groundFrequency, double rangeRate) {
    if (!followsRadio() || !sent_.downlink) return;
    if (std::abs(groundFrequency - *sent_.downlink) < step_) return;
    tuning_ = pairedTuning(channel_, sentBySatellite(groundFrequency, rangeRate));
    sent_.downlink = groundFrequency;  // the radio is there already
}

LinkFrequencies RadioSteering::wanted(double rangeRate) const {
    return groundFrequencies(tuning_, rangeRate);
}

RadioCommand RadioSteering::changes(double rangeRate) const {
    const LinkFrequencies target = wanted(rangeRate);
    RadioCommand command;
    command.frequencies.downlink = changed(sent_.downlink, target.downlink, step_);
    command.frequencies.uplink = changed(sent_.uplink, target.uplink, step_);
    if (!modeSent_) command.mode = channel_.mode;
    return command;
}

}  // namespace radio
