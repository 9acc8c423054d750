// Tonight, for the whole catalogue: every visible pass of every satellite from dusk to dawn at
// the observer, in time order. The passes listed are those the one-satellite search gives
// (PassData and PassVisibility): cheap bounds only decide where that search need not look.
//
// In order: the night from the Sun; for each satellite, whether its orbit can reach the
// observer's sky at all (inclination and apogee against the observer's latitude) and when in
// the night any height it reaches can be in sunlight over the observer (eclipse geometry);
// then a scan of the catalogue at common instants a minute apart, propagating in batches the
// satellites due at each instant, each satellite skipping ahead as far as the bounds on its
// motion allow until it may be high enough and sunlit; from there, its passes one after
// another, looked at cheaply before the full search. Satellites are shared among the threads.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "Date.h"
#include "NightWindow.h"
#include "PassCoordinate.h"
#include "PassVisibility.h"
#include "records.h"

// One satellite of the catalogue, copied for the scan, which never touches the catalogue's own.
struct TonightSatellite {
    QString name;
    QString category;
    std::int32_t catalogNumber = 0;
    engine::sat_record_t record{};
};

struct TonightOptions {
    engine::geodetic_point_t observer{};  // radians and km, as the observer record
    Date from;                            // the night under way then, or the next one
    double darknessElevation = VisibilityConditions::default_darkness;  // degrees
    std::int32_t minimumElevation = 0;  // whole degrees, as the passes' setting
    int threads = 2;
};

struct TonightPass {
    QString name;
    QString category;
    std::int32_t catalogNumber = 0;
    Date aos;
    Date los;
    float aosAzimuth = 0.0f;
    float losAzimuth = 0.0f;
    PassCoordinate highest;
    VisiblePart visible;
};

struct TonightList {
    std::optional<Night> night;
    std::vector<TonightPass> passes;  // by the start of their visible part
    // How many satellites each stage left: could reach the sky, could be sunlit over the
    // observer in the night, came near enough in the scan; and how many passes were searched.
    struct Counts {
        std::size_t satellites = 0, reaching = 0, sunlit = 0, near = 0, passes = 0;
    } counts;
};

TonightList scanTonight(const std::vector<TonightSatellite>& catalogue,
                        const TonightOptions& options);
