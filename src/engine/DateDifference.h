// SPDX-License-Identifier: MIT
// The difference between two days: in days, in weeks and days, and in years, months and days of a
// calendar.
#pragma once

#include <cstdint>

#include "CalendarDate.h"

namespace vardex {

// All three carry the sign of the difference (To before From: all negative or zero).
struct YearsMonthsDays {
    int64_t years = 0;
    int64_t months = 0;
    int64_t days = 0;
    friend bool operator==(const YearsMonthsDays &, const YearsMonthsDays &) = default;
};

struct WeeksDays {
    int64_t weeks = 0;
    int64_t days = 0;  // -6..6, with the sign of the difference: -10 days = -1 week -3 days
    friend bool operator==(const WeeksDays &, const WeeksDays &) = default;
};

WeeksDays InWeeks(int64_t days);

// From fromJdn to toJdn in `calendar`, defined by the main window's arithmetic so that it gives
// toJdn back: n is the largest count of months such that From + n months (AddMonths: the calendar
// date moved, then its day lowered until the date exists) is not after To; the years and months are
// n div 12 and n mod 12, the days what is left. When To is before From, the same going back, with
// the three figures negative.
YearsMonthsDays CalendarDifference(Calendar calendar, int32_t fromJdn, int32_t toJdn, DeeVariant variant);

}  // namespace vardex
