// SPDX-License-Identifier: MIT
// One day in the world's calendars: the rows of the World calendars window and of
// `vardex-cli calendars`. The calendars meet at the JDN; WorldDates.h computes each calendar's date as
// numbers, and this one place names and writes them, for the window, the command's text and its JSON.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/CalendarDate.h"

namespace vardex {

struct WorldDay {
    std::string id;        // "hebrew", as the JSON names it
    std::string name;      // "Hebrew"
    bool inRange = false;  // the calendar holds this day
    std::string text;      // "26 Kislev 5787"; "out of range"
    std::string note;      // what else helps a reader: "leap year", "leap month", a weekday's name
    std::string json;      // the calendar's JSON object; "null" out of range
};

// Every calendar, in the order the window and the command list them (Dee in `variant`).
std::vector<WorldDay> DayInWorldCalendars(int32_t jdn, DeeVariant variant);

// The English names the window gives the months: a Hebrew month 1 (Nisan) .. 13 (Adar II), month
// 12 being "Adar I" in a leap year; an Islamic month 1 (Muharram) .. 12. Empty for other numbers.
const char *HebrewMonthName(int32_t month, bool leapYear);
const char *IslamicMonthName(int32_t month);

}  // namespace vardex
