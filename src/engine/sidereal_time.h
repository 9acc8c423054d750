// Julian dates of element-set epochs and Greenwich sidereal angles.
#pragma once

#include "records.h"

namespace engine {

// Julian date of 0 January of a four-digit year, 0h UT.
double Julian_Date_of_Year(double year);

// Julian date of an epoch as written in an element set (YYDDD.DDDDDDDD); two-digit years
// below 57 are 20xx, the others 19xx.
double Julian_Date_of_Epoch(double epoch);

// Greenwich sidereal angle of an element-set epoch; writes the days since 1950 January 0.0
// into deep_arg.ds50.
double ThetaG(double epoch, deep_link_t& deep_arg);

// Greenwich mean sidereal angle of a Julian date (UT), in [0, 2pi).
double ThetaG_JD(double jd);

}  // namespace engine
