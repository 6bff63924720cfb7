// SPDX-License-Identifier: MIT
// The instant of an equinox or solstice in Universal Time, after Jean Meeus, "Astronomical
// Algorithms" (2nd ed., 1998), chapter 27, with Delta-T from libskyfold; and the civil day and
// clock time of such an instant at Greenwich or at a meridian west of it, in mean or apparent
// solar time. Standard C++ only.
//
// Results are reproducible to the last bit: 2 pi is the constant below, degrees become radians
// by dividing by 360 first, powers are formed by repeated multiplication and the periodic
// terms' angles reach the cosine unreduced. Changing any of these moves rare results across a
// rounding step of the tables built from them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vardex {

// Event codes of EquinoxSolsticeJDE; every value other than the first three means December.
inline constexpr int16_t kMarchEquinox = 0;
inline constexpr int16_t kJuneSolstice = 1;
inline constexpr int16_t kSeptemberEquinox = 2;
inline constexpr int16_t kDecemberSolstice = 3;

// 2 pi to 15 significant digits (not the nearest double, 6.283185307179586).
inline constexpr double kTwoPi = 6.28318530717959;

// Meeus's Table 27.C: 24 rows of amplitude A (0.00001 day), phase B and rate C (radians and
// radians per Julian century once converted).
inline constexpr int kPeriodicTermRows = 24;
using PeriodicTermTable = std::array<std::array<double, 3>, kPeriodicTermRows>;

// The periodic-term table in radians. Built from the published degree values on first use,
// once per process and safely from any thread; the same table on every call.
const PeriodicTermTable &PeriodicTerms();

// Makes sure the periodic-term table is built. Calling it is optional and may be repeated: the
// computations below build the table themselves when needed.
void InitPeriodicTerms();

// S = sum of A cos(C T + B) over the 24 rows, in units of 0.00001 day; T in Julian centuries
// from J2000.0.
double PeriodicTermsSum(double T);

// Instant of the event (codes above) in the given astronomical year as a Julian Ephemeris Day
// (dynamical time): Table 27.A below year 1000, Table 27.B from 1000 on (also for 3001..4000).
double EquinoxSolsticeJDE(int16_t event, int32_t year);

// Delta-T (TT - UT) for the year, in minutes, from libskyfold.
double DeltaTMinutes(int32_t year);

// EquinoxSolsticeJDE minus Delta-T: the instant as a Julian Date in Universal Time.
double EquinoxSolsticeUT(int16_t event, int32_t year);

// The March equinox of the year, as a Julian Date in Universal Time.
double VernalEquinoxUT(int32_t year);

// Day number at Greenwich, JD + 0.5: its whole part is the JDN of the civil day, its fraction
// the time since midnight.
double GreenwichDayNumber(double jd);

// Day number in local mean time at a meridian degreesWest degrees west of Greenwich.
double LocalDayNumber(double jd, double degreesWest);

enum class SolarTime {
    Mean,
    Apparent,  // taken as mean solar time minus 8 minutes, whatever the date or place
};

// The civil day and clock time of an instant, rounded to the nearest minute (30 seconds round
// down, and 24:00 becomes 00:00 of the next day).
struct CivilInstant {
    double dayNumber = 0;  // rounded to the minute; whole part the JDN, fraction the time
    int32_t jdn = 0;       // of the civil day
    std::string time;      // "HH:MM"
};

// At Greenwich. A Julian Date whose day lies outside the 32-bit JDN range (or NaN) gives jdn
// clamped to that range (0 for NaN) and time "XX:XX:XX".
CivilInstant GreenwichCivilInstant(double jd, SolarTime solarTime);

// At the meridian degreesWest degrees west of Greenwich; otherwise as GreenwichCivilInstant.
CivilInstant LocalCivilInstant(double jd, double degreesWest, SolarTime solarTime);

}  // namespace vardex
