// Whether a satellite sees the Sun. The Earth (a sphere of the orbit model's equatorial radius)
// and the Sun (a sphere of the solar radius), as the satellite sees them: when their discs
// overlap, the satellite is in the Earth's shadow. This is the shadow as two cones tangent to
// both spheres: the umbra, narrowing behind the Earth, where the Sun is wholly hidden, and the
// penumbra, widening, where it is partly hidden.
#pragma once

#include "records.h"

enum class Illumination { sunlit, penumbra, umbra };

class EarthShadow {
public:
    // Places from the Earth's centre in one frame, km.
    EarthShadow(const engine::vector4_t& satellite, const engine::vector4_t& sun);

    Illumination illumination() const;
    // Sunlit for a watcher: the Sun's centre stands clear of the Earth's limb, half-way through
    // the penumbra.
    bool sunlit() const { return margin() > 0.0; }
    // The angle (radians) by which the Sun's centre stands clear of the limb; negative behind it.
    double margin() const { return separation_ - earthRadius_; }

    static constexpr double sun_radius = 695700.0;  // km, the nominal solar radius

private:
    double separation_;   // radians between the Earth's centre and the Sun's
    double earthRadius_;  // angular radius of the Earth's disc, radians
    double sunDistance_;  // km from the satellite to the Sun's centre
};
