// Golden-section search for the highest point of a quantity over an interval of time, one
// prediction per step: the bracket keeps two inner probes and narrows towards the higher one.
// The caller decides when to stop and what to do with the probes.
#pragma once

#include <utility>

#include "Date.h"

template <typename Probe, typename ProbeAt, typename Height>
class GoldenSection {
public:
    // low is the probe at the start of the bracket; probeAt(t) makes the probe at t, and
    // height(probe) the quantity whose highest point is sought.
    GoldenSection(Probe low, Date high, ProbeAt probeAt, Height height)
        : low_(std::move(low)),
          high_(high),
          probeAt_(probeAt),
          height_(height),
          inner1_(probeAt_(high_ - ratio * (high_ - low_.t))),
          inner2_(probeAt_(low_.t + ratio * (high_ - low_.t))) {}

    const Probe& low() const { return low_; }
    const Probe& inner1() const { return inner1_; }
    const Probe& inner2() const { return inner2_; }
    double width() const { return high_ - low_.t; }

    // Drops the outer part beyond the lower inner probe and probes one new point.
    void narrow() {
        if (height_(inner1_) > height_(inner2_)) {
            high_ = inner2_.t;
            inner2_ = inner1_;
            inner1_ = probeAt_(high_ - ratio * (high_ - low_.t));
        } else {
            low_ = inner1_;
            inner1_ = inner2_;
            inner2_ = probeAt_(low_.t + ratio * (high_ - low_.t));
        }
    }

private:
    static constexpr double ratio = 0.6180339887498949;  // (sqrt(5) - 1) / 2

    Probe low_;
    Date high_;
    ProbeAt probeAt_;
    Height height_;
    Probe inner1_;
    Probe inner2_;
};
