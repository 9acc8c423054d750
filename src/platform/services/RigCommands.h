// The commands of the rig control daemon's protocol that tracking uses, in their exact text
// form, and the reading of their answers. Frequencies in Hz, written as whole numbers.
#pragma once

#include <optional>

#include "CommandLink.h"

namespace rigctl {

ControlCommand setFrequency(double hertz);  // F
ControlCommand getFrequency();              // f
// M with the passband left to the radio's default (0). Mode names are the daemon's: USB, LSB,
// CW, FM, AM ...
ControlCommand setMode(const QString& mode);
ControlCommand setVfo(const QString& vfo);  // V, such as "Main" or "Sub"
// S: split on (transmitting on VFOB) or off.
ControlCommand setSplit(bool on);
ControlCommand setSplitFrequency(double hertz);    // I: the transmit frequency
ControlCommand setSplitMode(const QString& mode);  // X

// Whether the text is a mode name the protocol can carry (letters and digits, at most 12).
bool isModeName(const QString& mode);
// The frequency of a getFrequency answer; none when it is not a positive number.
std::optional<double> frequencyFrom(const ControlReply& reply);

}  // namespace rigctl

namespace rotctl {

// P: azimuth and elevation in degrees, two decimals.
ControlCommand setPosition(double azimuth, double elevation);
ControlCommand getPosition();  // p

struct Position {
    double azimuth;
    double elevation;
};
// The position of a getPosition answer; none when the two values are not numbers.
std::optional<Position> positionFrom(const ControlReply& reply);

}  // namespace rotctl
