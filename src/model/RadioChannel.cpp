#include "RadioChannel.h"

#include <algorithm>

namespace radio {

namespace {

std::optional<FrequencyBand> band(const std::optional<QString>& text) {
    if (!text) return std::nullopt;
    const FrequencyBand result = bandFromText(*text);
    if (result.low <= 0.0) return std::nullopt;
    return result;
}

}  // namespace

std::optional<QString> Channel::uplinkMode() const {
    if (!inverting || !mode) return mode;
    if (*mode == u"USB") return QStringLiteral("LSB");
    if (*mode == u"LSB") return QStringLiteral("USB");
    return mode;
}

std::optional<Channel> channelOf(const FrequencyRecord& record) {
    const std::optional<FrequencyBand> downlink = band(record.downlink);
    const std::optional<FrequencyBand> uplink = band(record.uplink);
    if (!downlink && !uplink) return std::nullopt;
    return Channel{downlink, uplink, record.mode, record.inverting};
}

std::optional<Channel> activeChannel(const std::optional<QList<FrequencyRecord>>& records) {
    if (!records) return std::nullopt;
    for (const FrequencyRecord& record : *records) {
        if (record.active) return channelOf(record);
    }
    return std::nullopt;
}

LinkFrequencies initialTuning(const Channel& channel) {
    if (channel.isTransponder()) return pairedTuning(channel, channel.downlink->centre());
    LinkFrequencies tuning;
    if (channel.downlink) tuning.downlink = channel.downlink->low;
    if (channel.uplink) tuning.uplink = channel.uplink->low;
    return tuning;
}

LinkFrequencies pairedTuning(const Channel& channel, double satelliteDownlink) {
    const FrequencyBand& down = *channel.downlink;
    const FrequencyBand& up = *channel.uplink;
    const double downlink = std::clamp(satelliteDownlink, down.low, down.high);
    const double offset = downlink - down.low;
    const double uplink = channel.inverting ? up.high - offset : up.low + offset;
    return {downlink, std::clamp(uplink, up.low, up.high)};
}

LinkFrequencies groundFrequencies(const LinkFrequencies& atSatellite, double rangeRate) {
    LinkFrequencies ground;
    if (atSatellite.downlink) ground.downlink = receivedOnGround(*atSatellite.downlink, rangeRate);
    if (atSatellite.uplink) ground.uplink = sentFromGround(*atSatellite.uplink, rangeRate);
    return ground;
}

}  // namespace radio
