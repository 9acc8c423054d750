// Where a body stands in the observer's sky, in degrees: azimuth 0 to 360 from north through
// east, elevation above the horizon (negative below).
#pragma once

struct AzimuthAndElevation {
    float azimuth = 0.0f;
    float elevation = 0.0f;
};
