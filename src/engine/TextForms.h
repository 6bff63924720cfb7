// SPDX-License-Identifier: MIT
// Texts made from engine values: weekday names, year-month-day dates, grouped numbers and
// clock times of fractional day numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Calendars.h"

namespace vardex {

// 0 = Sunday .. 6 = Saturday, for every JDN.
int16_t DayOfWeek(int32_t jdn);

// "Sunday" .. "Saturday" for 0..6, the empty text otherwise.
std::string WeekdayText(int16_t weekday);

// A number of at least two digits: 5 -> "05", 12 -> "12", -3 -> "-3".
std::string TwoDigits(int32_t value);

// Year, separator, two-digit month, separator, two-digit day; a year beyond +-9999 is grouped
// with thousandsSeparator: FormatDate({12345, 1, 2}, "-", ",") = "12,345-01-02".
std::string FormatDate(const CalendarDate &date, std::string_view separator,
                       std::string_view thousandsSeparator);

// The digits of a number text grouped by thousands with the first character of separator; an
// empty separator returns the text unchanged. The result holds at most 19 characters.
std::string SeparateThousands(std::string_view number, std::string_view separator);

// "HH:MM" of the fractional part of a day number, "XX:XX:XX" for NaN or infinity.
std::string TimeOfDayText(double dayNumber);

// Rounds a day number to the nearest minute in place; exactly 30 seconds round down, and a
// time that rounds to 24:00 becomes 00:00 of the next day.
void RoundToMinute(double &dayNumber);

}  // namespace vardex
