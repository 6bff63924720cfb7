// SPDX-License-Identifier: MIT
// The date <-> JDN conversions and the weekday of daybridge's C interface.
#include "daybridge.h"
#include "daybridge_algorithms.hpp"

namespace algo = daybridge::algo;

extern "C" int32_t euro_date_to_jdn(EuroDate *d)
{
    if (d == nullptr) [[unlikely]]
        return -1;
    bool valid = false;  // an unknown calendar is not valid; jdn is written only for a valid date
    if (d->calendar == DAYBRIDGE_GREGORIAN)
        valid = algo::GregorianDateToJdn(d->year, d->month, d->day, d->jdn);
    else if (d->calendar == DAYBRIDGE_JULIAN)
        valid = algo::JulianDateToJdn(d->year, d->month, d->day, d->jdn);
    d->valid = valid;
    return valid;
}

extern "C" int32_t jdn_to_euro_date(EuroDate *d)
{
    if (d == nullptr) [[unlikely]]
        return -1;
    algo::Ymd date{};
    if (d->calendar == DAYBRIDGE_GREGORIAN)
        date = algo::GregorianFromDays(d->jdn);
    else if (d->calendar == DAYBRIDGE_JULIAN)
        date = algo::JulianFromDays(d->jdn);
    else
        return d->valid = 0;
    d->year = date.year;
    d->month = date.month;
    d->day = date.day;
    return d->valid = 1;
}

extern "C" int32_t euro_day_of_week(int32_t jdn) { return algo::DayOfWeek(jdn); }
