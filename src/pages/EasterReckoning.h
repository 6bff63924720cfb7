// SPDX-License-Identifier: MIT
// Which church a page follows and how it reckoned Easter in a year: what the feasts and their
// footer share.
#pragma once

#include <cstdint>
#include <optional>

#include "CalendarPage.h"

namespace vardex {

enum class Church { Western, Orthodox };
enum class Computus { Julian, Gregorian };

// The Orthodox church in the Orthodox countries of the calendar history, the Western everywhere
// else and on the pages of the three calendars.
Church ChurchOfPage(const PageCalendar &calendar);

// The computus of a year's Easter: the Orthodox church's always the Julian; the Western church's
// at a place the Gregorian once the place kept the Gregorian calendar on that Easter, else the
// Julian (the Swedish calendar counted as the Julian); on the pages of the calendars the page's
// own (the Gregorian for the Dee page).
Computus ComputusOfYear(const PageCalendar &calendar, int32_t year);

// Easter Sunday of a year by a computus, as a JDN at the calendar's own longitude; nothing where it
// lies beyond the program's JDNs.
std::optional<int32_t> EasterJdn(Computus computus, int32_t year);

// How many days ahead of the calendar's date at its longitude a place wrote a day (Russian America
// kept Asia's date); 0 on the pages of the calendars. A day's Easter is its JDN plus this.
int32_t DayOffsetOn(const PageCalendar &calendar, int32_t jdn);

}  // namespace vardex
