// SPDX-License-Identifier: MIT
// The seasons and phases as texts: one row per event, as the Seasons and Moon window's table
// shows it and as its CSV (the window's Save and vardex-cli's --csv) writes it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SkyEvents.h"
#include "engine/CalendarDate.h"

namespace vardex {

struct SkyEventRow {
    std::string event;      // "March equinox"
    std::string localDate;  // the day at the meridian, proleptic Gregorian: "2024-03-20"
    std::string localTime;  // local mean time there: "03:06:20"
    std::string utDate;     // the same at Greenwich, in UT
    std::string utTime;
    CalendarDate gregorian;  // the day at the meridian in each calendar
    CalendarDate julian;
    CalendarDate dee;
    std::string deltaT;  // DeltaTText
    std::optional<int64_t> lunation;
};

SkyEventRow RowOfEvent(const SkyEvent &event, double eastDegrees, DeeVariant variant);

// Delta-T for people: "64.0 s" below 100 s, "26 min 10 s" below an hour, "2 h 56 min" beyond;
// then the uncertainty where it reaches a minute: "2 h 56 min ± 4 min".
std::string DeltaTText(const DeltaTEstimate &estimate);

// "3 March 2024" (astronomical year numbering: "15 March -43").
std::string DayMonthYearText(const CalendarDate &date);

// The CSV of a list of events: a header, then one record per event.
std::string SkyEventsCsv(const std::vector<SkyEvent> &events, double eastDegrees, DeeVariant variant);

}  // namespace vardex
