// The Dee calendar: Gregorian month lengths and a 33-year cycle of 12,053 days whose years 4, 8,
// .., 32 are leap years, in either variant (DeeVariant: the epoch 1-1-1 is JDN 1,721,425 or
// 1,721,426). Constant time, exact for every int32_t JDN.
#pragma once

#include <cstdint>
#include <optional>

#include "Calendars.h"

namespace vardex {

// Leap when the year mod 33, taken non-negative, is 4, 8, .., 32 (so -1 and 4 are, 0 and 33 not).
bool IsDeeLeapYear(int32_t year);

// Days of the month, 0 for a month outside 1..12.
int16_t DeeMonthLength(int16_t month, int32_t year);

// The JDN of a Dee date, or nothing for an impossible date or one whose JDN would not fit in 32 bits.
std::optional<int32_t> DeeDateToJDN(const CalendarDate &date, DeeVariant variant);

// The Dee date of a JDN.
CalendarDate DeeJDNToDate(int32_t jdn, DeeVariant variant);

}  // namespace vardex
