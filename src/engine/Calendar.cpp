#include "Calendar.h"

#include "CalendarState.h"
#include "daybridge_algorithms.hpp"

namespace algo = daybridge::algo;

namespace vardex {

namespace {

// The Dee dates the every-day path leaves: 29 February, years beyond +-1,400,000, impossible
// fields. Out of line, so that the every-day path saves no registers for it.
[[gnu::noinline, gnu::cold]] int32_t DeeDateToJDNRare(EuroDate &date)
{
    date.valid = algo::DeeDateToJdn(date.year, date.month, date.day, DeeEpochJDN, date.jdn);
    return date.valid == 1 ? -1 : 0;
}

}  // namespace

// The Dee side is the arithmetic of DeeDateToJDN and DeeJDNToDate, taken here straight from the
// shared algorithms: every Dee conversion of the program passes this way, and is spared a call.
int32_t DateToJDN(EuroDate &date)
{
    if (date.calendar != kCalendarDee)
        return euro_date_to_jdn(&date);
    const int32_t epoch = DeeEpochJDN;
    if (algo::IsEveryDayDate(date.year, date.month, date.day) && algo::IsNearEpoch(epoch)) [[likely]] {
        date.jdn = algo::DeeEveryDayJdn(date.year, date.month, date.day, epoch);
        date.valid = 1;
        return -1;
    }
    return DeeDateToJDNRare(date);
}

void JDNToDate(EuroDate &date)
{
    if (date.calendar != kCalendarDee) {
        jdn_to_euro_date(&date);
        return;
    }
    const algo::Ymd ymd = algo::DeeFromDays(date.jdn, DeeEpochJDN);
    date.year = ymd.year;
    date.month = ymd.month;
    date.day = ymd.day;
    date.valid = 1;
}

}  // namespace vardex
