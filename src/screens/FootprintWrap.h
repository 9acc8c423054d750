// Moving a longitude or a map x by whole turns of the globe into a range. Each step is taken at
// once rather than turn by turn, so that a value far outside the range ends quickly.
#pragma once

#include <cmath>

namespace footprint {

// The value plus the fewest whole periods that bring it up to low or above.
inline double raisedTo(double value, double low, double period) {
    return value < low ? value + std::ceil((low - value) / period) * period : value;
}

// The value less the fewest whole periods that bring it down to high or below.
inline double loweredTo(double value, double high, double period) {
    return value > high ? value - std::ceil((value - high) / period) * period : value;
}

}  // namespace footprint
