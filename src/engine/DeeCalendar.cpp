#include "DeeCalendar.h"

#include "CalendarState.h"
#include "daybridge_algorithms.hpp"

namespace algo = daybridge::algo;

namespace vardex {

bool IsDeeLeapYear(int32_t year) { return algo::IsDeeLeapYear(year); }

int16_t DeeMonthLength(int16_t month, int32_t year)
{
    return static_cast<int16_t>(algo::MonthLength(month, IsDeeLeapYear(year)));
}

bool DeeDateToJDN(EuroDate &date)
{
    const bool valid = algo::DeeDateToJdn(date.year, date.month, date.day, DeeEpochJDN, date.jdn);
    date.valid = valid;
    return valid;
}

void DeeJDNToDate(EuroDate &date)
{
    const algo::Ymd ymd = algo::DeeFromDays(date.jdn, DeeEpochJDN);
    date.year = ymd.year;
    date.month = ymd.month;
    date.day = ymd.day;
    date.valid = 1;
}

}  // namespace vardex
