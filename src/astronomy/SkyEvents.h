// SPDX-License-Identifier: MIT
// The seasons and the Moon's phases as events a reader can use: each instant in TT and in UT
// with the Delta-T between them and its uncertainty, and the civil day and clock time at a
// chosen meridian. The window and vardex-cli both list these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DeltaTModels.h"
#include "engine/CalendarDate.h"

namespace vardex {

// The years the seasons and phases are offered for (astronomical numbering).
inline constexpr int32_t kFirstSkyYear = -4000;
inline constexpr int32_t kLastSkyYear = 8000;

enum class SkyEventKind {
    MarchEquinox,
    JuneSolstice,
    SeptemberEquinox,
    DecemberSolstice,
    NewMoon,
    FirstQuarter,
    FullMoon,
    LastQuarter,
};

// "march_equinox", ..., "new_moon", "first_quarter", "full_moon", "last_quarter".
const char *SkyEventId(SkyEventKind kind);
// "March equinox", ..., "New moon", "First quarter", "Full moon", "Last quarter".
const char *SkyEventName(SkyEventKind kind);

// A meridian, east or west of Greenwich, in whole degrees and minutes of arc.
struct Meridian {
    int degrees = 0;  // 0..180
    int minutes = 0;  // 0..59
    bool east = true;
    double EastDegrees() const;
};

// Degrees 0..180 and minutes 0..59, no more than 180 degrees in all.
bool IsValidMeridian(const Meridian &meridian);

// "0°00′ E", "77°00′ W".
std::string MeridianText(const Meridian &meridian);

struct SkyEvent {
    SkyEventKind kind = SkyEventKind::MarchEquinox;
    double jdTT = 0;
    double jdUT = 0;
    DeltaTEstimate deltaT;
    std::optional<int64_t> lunation;  // Brown's, for the phases
};

// A day and a clock time to the second: the instant rounded to the nearest second.
struct ClockReading {
    int32_t jdn = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

// The reading at Greenwich (eastDegrees 0) or in the local mean time of a meridian.
ClockReading ReadClock(double jdUT, double eastDegrees);

// "HH:MM:SS".
std::string ClockText(const ClockReading &reading);

// "YYYY-MM-DD", astronomical years, four digits at least and a minus sign before years below 0
// ("-0043-03-15").
std::string IsoDateText(const CalendarDate &date);

// The same of a JDN's proleptic Gregorian date.
std::string GregorianIsoText(int32_t jdn);

// The March equinox, the June solstice, the September equinox and the December solstice of the
// year; none for a year outside kFirstSkyYear..kLastSkyYear.
std::vector<SkyEvent> SeasonsOfYear(int32_t year, DeltaTModel model);

// The phases whose day at the meridian falls in the Gregorian year (and month 1..12, if given),
// in time order; none for a year outside kFirstSkyYear..kLastSkyYear or a month outside 1..12.
std::vector<SkyEvent> MoonPhasesOfYear(int32_t year, std::optional<int> month, DeltaTModel model,
                                       double eastDegrees);

}  // namespace vardex
