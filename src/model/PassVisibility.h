// Whether a pass can be seen: the satellite sunlit and above the minimum elevation while the
// observer is in darkness, all at the same moment. Gives the stretches of the pass that can be
// seen, the visible part with its highest point, where the satellite enters and leaves the
// Earth's shadow, and the light at any instant of the pass.
#pragma once

#include <optional>
#include <vector>

#include "Date.h"
#include "EarthShadow.h"
#include "PassCoordinate.h"

class PassData;
class SatelliteData;

struct VisibilityConditions {
    // The observer is in darkness while the Sun is below this elevation (degrees). By default the
    // end of civil twilight; it may be set from the Sun on the horizon to the end of astronomical
    // twilight.
    static constexpr double default_darkness = -6.0;
    static constexpr double darkest = -18.0;
    static constexpr double lightest = 0.0;
    double darknessElevation = default_darkness;
    // Degrees; at or below 0, the whole pass from rise to set is high enough.
    double minimumElevation = 0.0;
};

// The light at one instant: the satellite's and the observer's.
struct SkyLight {
    Illumination illumination;
    bool sunlit;    // the satellite, as EarthShadow::sunlit
    bool darkness;  // the observer
};

struct ShadowCrossing {
    Date date;
    bool entering;         // into the shadow; else out of it
    PassCoordinate place;  // where the satellite stands then
};

struct VisiblePart {
    Date start;
    Date end;
    PassCoordinate highest;  // the highest point while visible
};

// The satellite and the Sun at one instant, as the visibility of a pass depends on them.
struct SkySample {
    Date t;
    double elevation;     // degrees
    double range;         // km
    double shadowMargin;  // radians, as EarthShadow::margin
    double sunElevation;  // degrees
};

// What the visibility of a pass is worked out from: its rise, set and highest point, and the
// instants it is looked at between them (at most a minute apart, in time order, the rise and
// the set among them), with the samples already made at some of those instants, which are
// used as they are.
struct PassOutline {
    Date aos;
    Date los;
    PassCoordinate highest;
    std::vector<Date> lookingPoints;
    std::vector<SkySample> samples;  // in time order

    // A sampled pass: its samples and its highest point; none for a pass without rise or set.
    static std::optional<PassOutline> of(const PassData& pass);
};

class PassVisibility {
public:
    struct Span {
        Date start;
        Date end;
    };

    // Looks at the pass with the satellite's observer; the satellite's predictions move.
    PassVisibility(SatelliteData& satellite, const PassData& pass,
                   const VisibilityConditions& conditions);
    PassVisibility(SatelliteData& satellite, const PassOutline& outline,
                   const VisibilityConditions& conditions);

    bool isVisible() const { return !spans_.empty(); }
    // The stretches that can be seen, in time order, each end found within a twentieth of a
    // second.
    const std::vector<Span>& visibleSpans() const { return spans_; }
    // From the first stretch's start to the last one's end, with the highest point within the
    // stretches; none for a pass that cannot be seen.
    std::optional<VisiblePart> visiblePart() const { return visiblePart_; }
    // Entries into and exits from the shadow between rise and set, in time order.
    const std::vector<ShadowCrossing>& shadowCrossings() const { return crossings_; }

    // The light at one instant, for the satellite's observer; the satellite is predicted there.
    static SkyLight lightAt(SatelliteData& satellite, Date date,
                            const VisibilityConditions& conditions);
    // The light at each sample of the pass, in its order (a sample without a date: now).
    static std::vector<SkyLight> sampleLights(SatelliteData& satellite, const PassData& pass,
                                              const VisibilityConditions& conditions);

private:
    using State = SkySample;
    class Scan;

    std::vector<Span> spans_;
    std::optional<VisiblePart> visiblePart_;
    std::vector<ShadowCrossing> crossings_;
};
