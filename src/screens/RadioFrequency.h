// Radio frequencies as the user types them in a frequency record, and their Doppler shift as
// the satellite approaches or recedes.
#pragma once

#include <QString>

namespace radar {

// The speed of light in km/s.
inline constexpr double speedOfLight = 299792.458;

// The frequency in Hz of a text such as "145.9", "435.1 MHz" or "2400kHz": the first run of
// digits and points, in MHz unless followed by kHz (in any letter case). Text without one is 0.
double frequencyFromText(const QString& text);

// The shift in Hz of a carrier of this frequency (Hz) at the range rate (km/s, positive while
// receding): positive while the satellite approaches.
double dopplerShift(double frequency, double rangeRate);

}  // namespace radar
