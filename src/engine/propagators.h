// The NORAD SGP4 (near-Earth) and SDP4 (deep-space) models. Each keeps all of its state in the
// satellite's own record, so satellites may be propagated in any order.
#pragma once

#include "records.h"

namespace engine {

// Entries of Deep.
inline constexpr int dpinit = 1;
inline constexpr int dpsec = 2;
inline constexpr int dpper = 3;

// Propagates a near-Earth satellite to tsince minutes after its epoch: pos in Earth radii, vel
// in Earth radii per minute (w not set), phase in radians.
void SGP4(sat_record_t& sat, double tsince);

// The same for a deep-space satellite (period of 225 minutes or more).
void SDP4(sat_record_t& sat, double tsince);

// Lunar-solar and resonance terms of SDP4: initialisation, secular terms, periodic terms.
void Deep(int entry, sat_record_t& sat);

// Propagates with SDP4 when the record is flagged deep space, else with SGP4.
void propagate(sat_record_t& sat, double tsince);

// A deep-space record keeps working values of the predictions made before it: the resonance
// integrator's last step and the lunar-solar terms of the last half hour. Used as they stand,
// they would make the answer for an instant depend on the instants asked before, so that a
// saved and restored satellite would predict differently from the one saved. Called before a
// propagation to tsince: the terms are computed afresh; the integrator goes on only forward,
// which gives the values a start from the epoch gives, and otherwise starts again from the
// epoch. Near-Earth records are left as they are.
void Forget_Earlier_Predictions(sat_record_t& sat, double tsince);

// Whether the element set's period, from the mean motion recovered from the Earth's oblateness,
// is 225 minutes or more, so that SDP4 is its model.
bool isDeepSpace(const tle_elements_t& tle);

}  // namespace engine
