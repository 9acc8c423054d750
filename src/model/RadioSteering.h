// Keeps the radio on the Doppler-corrected frequencies of one channel during a pass: decides,
// at each step, which frequencies and whether the mode need sending, and follows the user's
// tuning across a linear transponder's passband. No connection: the caller sends and reports
// back what the radio acknowledged.
#pragma once

#include <optional>

#include "RadioChannel.h"

namespace radio {

// What to send now; a link without a value is left as the radio has it.
struct RadioCommand {
    LinkFrequencies frequencies;  // on the ground, Hz
    std::optional<QString> mode;
    bool isEmpty() const { return !frequencies.downlink && !frequencies.uplink && !mode; }
};

class RadioSteering {
public:
    // step: the change in Hz below which a frequency is not sent again.
    RadioSteering(Channel channel, double step);

    const Channel& channel() const { return channel_; }
    // A transponder's downlink is read back from the radio before each step, since the user
    // tunes it.
    bool followsRadio() const { return channel_.isTransponder(); }
    // The radio's downlink as read back (Hz, on the ground). One further than the step from
    // what was last sent means the user has tuned: the tuning moves there, and the uplink
    // follows it across the passband.
    void radioDownlinkReadBack(double groundFrequency, double rangeRate);

    // The frequencies at the satellite being worked.
    const LinkFrequencies& tuning() const { return tuning_; }
    // The frequencies wanted on the ground at this range rate (km/s).
    LinkFrequencies wanted(double rangeRate) const;
    // What must be sent: the links that moved by the step or more since they were last
    // acknowledged, and the mode until it has been acknowledged once.
    RadioCommand changes(double rangeRate) const;

    // What the radio has acknowledged.
    void downlinkSent(double frequency) { sent_.downlink = frequency; }
    void uplinkSent(double frequency) { sent_.uplink = frequency; }
    void modeSent() { modeSent_ = true; }
    const LinkFrequencies& sent() const { return sent_; }

private:
    Channel channel_;
    double step_;
    LinkFrequencies tuning_;
    LinkFrequencies sent_;
    bool modeSent_ = false;
};

}  // namespace radio
