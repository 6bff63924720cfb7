// The date <-> JDN conversions and the weekday of daybridge's C interface.
#include "daybridge.h"
#include "daybridge_algorithms.hpp"

namespace algo = daybridge::algo;

namespace {

bool IsLeapYear(int32_t calendar, int32_t year)
{
    return calendar == DAYBRIDGE_GREGORIAN ? algo::IsGregorianLeapYear(year) : algo::IsJulianLeapYear(year);
}

}  // namespace

extern "C" int32_t euro_date_to_jdn(EuroDate *d)
{
    if (d == nullptr)
        return -1;
    d->valid = 0;
    if (d->calendar != DAYBRIDGE_GREGORIAN && d->calendar != DAYBRIDGE_JULIAN)
        return 0;
    if (!algo::IsPlausible(d->year, d->month, d->day, IsLeapYear(d->calendar, d->year)))
        return 0;
    const auto m = static_cast<uint32_t>(d->month);
    const auto day = static_cast<uint32_t>(d->day);
    const int64_t jdn = d->calendar == DAYBRIDGE_GREGORIAN ? algo::GregorianToDays(d->year, m, day)
                                                           : algo::JulianToDays(d->year, m, day);
    if (!algo::FitsJdn(jdn))
        return 0;
    d->jdn = static_cast<int32_t>(jdn);
    d->valid = 1;
    return 1;
}

extern "C" int32_t jdn_to_euro_date(EuroDate *d)
{
    if (d == nullptr)
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
