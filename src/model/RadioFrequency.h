// Radio frequencies as the user types them in a frequency record, and their Doppler shift as
// the satellite approaches or recedes. The pass screen, the radio tracking and skelvor-cli all
// take their frequencies and shifts from here.
#pragma once

#include <QString>

namespace radio {

// The speed of light in km/s.
inline constexpr double speedOfLight = 299792.458;

// The frequency in Hz of a text such as "145.9", "435.1 MHz" or "2400kHz": the first run of
// digits and points, in MHz unless followed by kHz (in any letter case). Text without one is 0.
double frequencyFromText(const QString& text);

// A passband in Hz; low equals high for a single frequency.
struct FrequencyBand {
    double low = 0.0;
    double high = 0.0;
    double centre() const { return (low + high) / 2; }
    bool isPassband() const { return high > low; }
};

// The band of a text such as "435.030-435.060", "145.9 - 145.95 MHz" or "145.9": two numbers
// joined by a dash are a passband, in the unit following the second (MHz unless kHz); a single
// number reads as frequencyFromText reads it. The edges come out in ascending order.
FrequencyBand bandFromText(const QString& text);

// The shift in Hz of a carrier of this frequency (Hz) at the range rate (km/s, positive while
// receding): positive while the satellite approaches.
double dopplerShift(double frequency, double rangeRate);

// The frequency heard on the ground from a satellite sending at this frequency, and the one to
// send from the ground for the satellite to hear this frequency (both Hz; range rate km/s).
double receivedOnGround(double satelliteFrequency, double rangeRate);
double sentFromGround(double satelliteFrequency, double rangeRate);
// The satellite's own downlink frequency that arrives on the ground as groundFrequency.
double sentBySatellite(double groundFrequency, double rangeRate);

// A frequency in Hz as text in MHz, such as "145.9" or "435.0305": as few decimals as the
// value needs, at most six (1 Hz).
QString megahertzText(double hertz);

}  // namespace radio
