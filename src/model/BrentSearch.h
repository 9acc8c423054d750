// The highest point of a smooth quantity over an interval of time by Brent's method: parabolic
// steps through the three best points so far, golden-section steps where a parabola would not
// help. A peak of a pass is found to a second in half a dozen predictions, where golden
// sections alone take a dozen. Where the peak is sharp (a pass nearly overhead, whose
// elevation turns at the zenith), the search goes on at a finer resolution until the peak can
// stand no more than the spread above the best point.
#pragma once

#include <algorithm>
#include <cmath>

#include "Date.h"

// start is a probe inside [low, high] already made; probeAt(t) makes the probe at t and
// height(probe) is the quantity. Gives the highest probe made.
template <typename Probe, typename ProbeAt, typename Height>
Probe brentHighest(Date low, Date high, Probe start, ProbeAt probeAt, Height height,
                   double resolution, double spread, int maxSteps) {
    constexpr double golden = 0.3819660112501051;  // (3 - sqrt(5)) / 2
    constexpr int rounds = 3;
    constexpr double finer = 20.0;
    Probe best = start;
    int steps = 0;
    for (int round = 0; round < rounds; ++round) {
        // Minimises -height over seconds from low.
        double a = 0.0, b = high - low;
        double x = best.t - low, w = x, v = x;
        double fx = -height(best), fw = HUGE_VAL, fv = HUGE_VAL;
        double d = 0.0, e = 0.0;
        for (; steps < maxSteps; ++steps) {
            const double middle = (a + b) / 2.0;
            const double tol = resolution / 2.0;
            if (std::fabs(x - middle) <= 2.0 * tol - (b - a) / 2.0) break;
            bool parabolic = false;
            if (std::fabs(e) > tol && std::isfinite(fw) && std::isfinite(fv)) {
                const double r = (x - w) * (fx - fv);
                double q = (x - v) * (fx - fw);
                double p = (x - v) * q - (x - w) * r;
                q = 2.0 * (q - r);
                if (q > 0.0) p = -p;
                q = std::fabs(q);
                const double last = e;
                if (std::fabs(p) < std::fabs(0.5 * q * last) && p > q * (a - x) &&
                    p < q * (b - x)) {
                    e = d;
                    d = p / q;
                    const double u = x + d;
                    if (u - a < 2.0 * tol || b - u < 2.0 * tol) d = x < middle ? tol : -tol;
                    parabolic = true;
                }
            }
            if (!parabolic) {
                e = x >= middle ? a - x : b - x;
                d = golden * e;
            }
            const double u = std::fabs(d) >= tol ? x + d : x + (d > 0.0 ? tol : -tol);
            const Probe probe = probeAt(low + u);
            const double fu = -height(probe);
            if (!std::isfinite(fu)) return best;
            if (fu <= fx) {
                (u >= x ? a : b) = x;
                v = w, fv = fw;
                w = x, fw = fx;
                x = u, fx = fu;
                best = probe;
            } else {
                (u < x ? a : b) = u;
                if (fu <= fw || w == x) {
                    v = w, fv = fw;
                    w = u, fw = fu;
                } else if (fu <= fv || v == x || v == w) {
                    v = u, fv = fu;
                }
            }
        }
        // A sharp peak: the best points differ by more than the spread, or they stand alike on
        // either side of it, which the parabola through the three best shows by a curvature
        // that leaves more than the spread within the resolution.
        const double curvature = ((fv - fx) / (v - x) - (fw - fx) / (w - x)) / (v - w);
        const bool sharp = std::fabs(fw - fx) > spread ||
                           std::fabs(curvature) * resolution * resolution / 4.0 > spread;
        if (!sharp) break;
        // Again around the best point, finer.
        const Date centre = best.t;
        low = std::max(low, centre - resolution);
        high = std::min(high, centre + resolution);
        resolution /= finer;
    }
    return best;
}
