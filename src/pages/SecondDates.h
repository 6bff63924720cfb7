// SPDX-License-Identifier: MIT
// The same day in a second calendar, written small beneath each day of a page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "CalendarPage.h"
#include "engine/CalendarDate.h"

namespace vardex {

enum class SecondCalendar { None, Gregorian, Julian, Dee, Hebrew };

// "none", "gregorian", "julian", "dee", "hebrew".
const char *SecondCalendarId(SecondCalendar calendar);
std::optional<SecondCalendar> SecondCalendarNamed(const std::string &name);

struct SecondDate {
    int64_t year = 0;   // the calendar's own (AM for the Hebrew)
    int32_t month = 0;  // 1..12 (Hebrew: 1 Nisan .. 12 Adar or Adar I, 13 Adar II)
    int32_t day = 0;
    std::string monthName;  // "March", "Tishrei", "Adar II"
};

// The second calendar a reader expects beside a page's day: the Julian beside the Gregorian and
// the Dee, the Gregorian beside the Julian and beside a place's Old Style (Julian or Swedish)
// days, the Julian beside a place's Gregorian days.
SecondCalendar DefaultSecondCalendar(const PageCalendar &calendar, const PageDay &day);

// Nothing for SecondCalendar::None or a day the calendar does not hold.
std::optional<SecondDate> SecondDateOf(SecondCalendar calendar, int32_t jdn, DeeVariant variant);

}  // namespace vardex
