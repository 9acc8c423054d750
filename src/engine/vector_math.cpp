#include "vector_math.h"

namespace engine {

void Convert_Sat_State(vector4_t& pos, vector4_t& vel) {
    pos.x *= constants::xkmper;
    pos.y *= constants::xkmper;
    pos.z *= constants::xkmper;
    Magnitude(pos);
    vel.x *= constants::km_per_min_to_km_per_s;
    vel.y *= constants::km_per_min_to_km_per_s;
    vel.z *= constants::km_per_min_to_km_per_s;
    Magnitude(vel);
}

}  // namespace engine
