// The date record every conversion of the program travels in, and the calendar codes.
#pragma once

#include <cstdint>

#include "daybridge.h"

namespace vardex {

using EuroDate = ::EuroDate;  // six int32_t: year, month, day, calendar, jdn, valid

// Calendar codes are the character codes of the calendar letters and are compared as numbers.
inline constexpr int32_t kCalendarGregorian = 'G';
inline constexpr int32_t kCalendarJulian = 'J';
inline constexpr int32_t kCalendarDee = 'D';

static_assert(kCalendarGregorian == DAYBRIDGE_GREGORIAN && kCalendarJulian == DAYBRIDGE_JULIAN,
              "the engine and the library agree on the calendar codes");

}  // namespace vardex
