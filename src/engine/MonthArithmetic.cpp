// SPDX-License-Identifier: MIT
#include "MonthArithmetic.h"

#include <limits>

#include "Calendars.h"

namespace vardex {

constexpr int32_t kShortestMonth = 28;

MovedDate AddMonths(Calendar calendar, const CalendarDate &date, int64_t months, DeeVariant variant)
{
    // Months counted from January of year 0; floor division keeps negative years right. A caller's
    // month count is at most a few times 2^32, far inside 64 bits.
    const int64_t count = int64_t{date.year} * 12 + (date.month - 1) + months;
    const int64_t year = count >= 0 ? count / 12 : (count - 11) / 12;
    if (year < std::numeric_limits<int32_t>::min() || year > std::numeric_limits<int32_t>::max())
        return {date, std::nullopt};
    MovedDate moved{{static_cast<int32_t>(year), static_cast<int32_t>(count - year * 12 + 1), date.day}, {}};
    // A day the month lacks becomes its last day. Every month of the three calendars has 28 days,
    // so a day of 28 or less that does not convert lies beyond the range of JDNs: clipping it would
    // count the range's last day as a month's.
    while (!(moved.jdn = DateToJDN(calendar, moved.date, variant))) {
        if (moved.date.day <= kShortestMonth)
            return moved;
        --moved.date.day;
    }
    return moved;
}

}  // namespace vardex
