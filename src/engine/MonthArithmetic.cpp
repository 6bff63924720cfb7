// SPDX-License-Identifier: MIT
#include "MonthArithmetic.h"

#include <limits>

#include "Calendars.h"

namespace vardex {

MovedDate AddMonths(Calendar calendar, const CalendarDate &date, int64_t months, DeeVariant variant)
{
    // Months counted from January of year 0; floor division keeps negative years right. A caller's
    // month count is at most a few times 2^32, far inside 64 bits.
    const int64_t count = int64_t{date.year} * 12 + (date.month - 1) + months;
    const int64_t year = count >= 0 ? count / 12 : (count - 11) / 12;
    if (year < std::numeric_limits<int32_t>::min() || year > std::numeric_limits<int32_t>::max())
        return {date, std::nullopt};
    MovedDate moved{{static_cast<int32_t>(year), static_cast<int32_t>(count - year * 12 + 1), date.day}, {}};
    while (!(moved.jdn = DateToJDN(calendar, moved.date, variant))) {
        if (moved.date.day <= 1)
            return moved;
        --moved.date.day;
    }
    return moved;
}

}  // namespace vardex
