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
    if (!algo::IsPlausible(date.year, date.month, date.day, IsDeeLeapYear(date.year))) {
        date.valid = 0;
        return false;
    }
    const int64_t jdn = algo::DeeToDays(date.year, static_cast<uint32_t>(date.month),
                                        static_cast<uint32_t>(date.day), DeeEpochJDN);
    if (!algo::FitsJdn(jdn)) {
        date.valid = 0;
        return false;
    }
    date.jdn = static_cast<int32_t>(jdn);
    date.valid = 1;
    return true;
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
