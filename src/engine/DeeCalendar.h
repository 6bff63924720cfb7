// The Dee calendar: Gregorian month lengths, a 33-year cycle of 12053 days whose years 4, 8, ..,
// 32 are leap years, and an epoch (1-1-1) chosen by the variant through DeeEpochJDN.
#pragma once

#include <cstdint>

#include "EuroDate.h"

namespace vardex {

// Leap when the year mod 33, taken non-negative, is 4, 8, .., 32 (so -1 and 4 are, 0 and 33 not).
bool IsDeeLeapYear(int32_t year);

// Days of the month, 0 for a month outside 1..12.
int16_t DeeMonthLength(int16_t month, int32_t year);

// Reads year, month and day; sets valid and, for a valid date, jdn (left alone otherwise).
// A date whose JDN would not fit in 32 bits is not valid.
bool DeeDateToJDN(EuroDate &date);

// Reads jdn; sets year, month, day and valid = 1. Exact for every int32_t JDN.
void DeeJDNToDate(EuroDate &date);

}  // namespace vardex
