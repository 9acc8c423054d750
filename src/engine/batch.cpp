#include "batch.h"

#include "constants.h"
#include "propagators.h"
#include "sidereal_time.h"
#include "vector_math.h"

namespace engine {

void Propagate_Batch(double jul_utc, const observer_site_t& site, sat_record_t* const* records,
                     std::size_t count, look_angles_t* looks) {
    const observer_frame_t frame = Observer_Frame(ThetaG_JD(jul_utc), site);
    for (std::size_t i = 0; i < count; ++i) {
        sat_record_t& sat = *records[i];
        sat.jul_utc = jul_utc;
        sat.tsince = (sat.jul_utc - sat.jul_epoch) * constants::minutes_per_day;
        Forget_Earlier_Predictions(sat, sat.tsince);
        propagate(sat, sat.tsince);
        Convert_Sat_State(sat.pos, sat.vel);
        if (looks) Calculate_Obs_Frame(frame, site, sat.pos, sat.vel, looks[i]);
    }
}

}  // namespace engine
