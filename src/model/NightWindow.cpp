#include "NightWindow.h"

#include <cmath>

#include "SunAndMoon.h"

namespace {

constexpr double search_span = 86400.0;  // seconds looked at either way
// The Sun's elevation changes by at most a quarter of a degree a minute, and never twice
// across a level within this step except at the edge of a polar day, which a few minutes of
// twilight more or less does not change.
constexpr double sun_step = 600.0;      // seconds
constexpr double sun_resolution = 1.0;  // seconds

class SunLevel {
public:
    SunLevel(const engine::geodetic_point_t& observer, double level)
        : observer_(observer), level_(level) {}

    bool dark(Date t) const { return SunAndMoon::sunElevation(observer_, t) < level_; }

    // The first instant in the direction (+1 or -1 seconds a step) from t, within the span, at
    // which darkness differs from its state at t; none within the span.
    std::optional<Date> change(Date t, double direction) const {
        const bool from = dark(t);
        Date near = t;
        for (double gone = sun_step; gone <= search_span; gone += sun_step) {
            const Date far = t + direction * gone;
            if (dark(far) == from) {
                near = far;
                continue;
            }
            Date a = near, b = far;
            while (std::fabs(b - a) > sun_resolution) {
                const Date middle = a + (b - a) / 2.0;
                (dark(middle) == from ? a : b) = middle;
            }
            return b;
        }
        return std::nullopt;
    }

private:
    engine::geodetic_point_t observer_;
    double level_;
};

}  // namespace

std::optional<Night> nightAt(const engine::geodetic_point_t& observer, Date from,
                             double darknessElevation) {
    const SunLevel sun(observer, darknessElevation);
    if (sun.dark(from)) {
        return Night{sun.change(from, -1.0).value_or(from - search_span),
                     sun.change(from, 1.0).value_or(from + search_span)};
    }
    const std::optional<Date> dusk = sun.change(from, 1.0);
    if (!dusk) return std::nullopt;
    return Night{*dusk, sun.change(*dusk, 1.0).value_or(*dusk + search_span)};
}
