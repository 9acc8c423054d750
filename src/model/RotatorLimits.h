// What an antenna rotator can do and how it is to be driven, as the user sets it up. Angles in
// degrees: azimuth from north through east, elevation above the horizon. An azimuth range wider
// than 360 degrees (such as -180 to 540, or 0 to 450) reaches some directions two ways; an
// elevation range up to 180 degrees lets the rotator flip over the zenith.
#pragma once

struct RotatorPosition {
    double azimuth = 0.0;
    double elevation = 0.0;
    bool operator==(const RotatorPosition&) const = default;
};

struct RotatorLimits {
    double azimuthMin = 0.0;
    double azimuthMax = 360.0;
    double elevationMin = 0.0;
    double elevationMax = 90.0;
    // The rotator follows the satellite only once it has climbed this high.
    double startElevation = 0.0;
    RotatorPosition park{0.0, 0.0};
    // A change smaller than this in both axes is not sent.
    double tolerance = 1.0;

    // Whether the rotator can flip over the zenith: point at azimuth + 180 and elevation
    // 180 - e in place of azimuth and e.
    bool canFlip() const { return elevationMax >= 180.0; }
    // Ranges a rotator can have: at least 360 degrees of azimuth (at most 720), an elevation
    // range within 0 to 180 reaching up to at least 90, the park position within both.
    bool isValid() const;
};
