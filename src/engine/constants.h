// Constants of the orbit engine, with the decimal values the system has always used. They are
// not always full double precision (twopi, two thirds, degrees to radians); results are
// reproduced with these values, so they are never recomputed.
#pragma once

namespace engine::constants {

inline constexpr double twopi = 6.2831853071796;
inline constexpr double pi = 3.1415926535898;
inline constexpr double pio2 = 1.5707963267949;
inline constexpr double x3pio2 = 4.71238898;
inline constexpr double de2ra = 0.0174532925;

inline constexpr double xke = 0.0743669161;
inline constexpr double tothrd = 0.66666667;
inline constexpr double ck2 = 5.413079E-4;
inline constexpr double ck4 = 6.209887E-7;
inline constexpr double ck2_x1_5 = 0.00081196185;           // 1.5 ck2
inline constexpr double ck2_x3 = 0.0016239237;              // 3 ck2
inline constexpr double ck2_x0_75 = 0.000405980925;         // 0.75 ck2
inline constexpr double ck2_xm2 = -0.0010826158;            // -2 ck2
inline constexpr double ck4_x1_25 = 7.762358750000001e-07;  // 1.25 ck4
inline constexpr double a3ovk2 = 0.004690140306468833;
inline constexpr double a3ovk2_4 = 0.0011725350766172082;  // a3ovk2 / 4
inline constexpr double a3ovk2_8 = 0.0005862675383086041;  // a3ovk2 / 8
inline constexpr double xkmper = 6378.135;
inline constexpr double s = 1.012229;
inline constexpr double qoms2t = 1.880279E-09;
inline constexpr double perigee_220km = 1.034492841559484;  // 220 / xkmper + 1
inline constexpr double e6a = 1E-6;
inline constexpr double half_tothrd = 0.333333335;    // 0.5 tothrd
inline constexpr double c134_81 = 1.654320987654321;  // 134 / 81

inline constexpr double minutes_per_day = 1440.0;
inline constexpr double seconds_per_day = 86400.0;
inline constexpr double km_per_min_to_km_per_s = 106.30225;  // xkmper * 1440 / 86400
inline constexpr double sidereal_seconds_per_day = 86636.55456;

// Earth ellipsoid and rotation of the observer geometry.
inline constexpr double eccentricity_squared = 0.006694316872977159;  // f (2 - f)
inline constexpr double one_minus_flattening = 0.996647221;
inline constexpr double earth_rotation = 7.292115E-5;  // rad/s

}  // namespace engine::constants
