// SPDX-License-Identifier: MIT
#include "DateDifference.h"

#include <optional>

#include "Calendars.h"
#include "MonthArithmetic.h"

namespace vardex {

WeeksDays InWeeks(int64_t days) { return {days / 7, days % 7}; }  // C++ division truncates: signs agree

YearsMonthsDays CalendarDifference(Calendar calendar, int32_t fromJdn, int32_t toJdn, DeeVariant variant)
{
    const int64_t sign = toJdn < fromJdn ? -1 : 1;
    const CalendarDate from = JDNToDate(calendar, fromJdn, variant);
    const CalendarDate to = JDNToDate(calendar, toJdn, variant);
    // How far From moved by sign * n months gets past To: the distance still to go, or nothing
    // once it has passed To (or left the range of JDNs, which lies beyond To).
    const auto remaining = [&](int64_t n) -> std::optional<int64_t> {
        const std::optional<int32_t> jdn = AddMonths(calendar, from, sign * n, variant).jdn;
        if (!jdn || sign * (int64_t{toJdn} - *jdn) < 0)
            return std::nullopt;
        return sign * (int64_t{toJdn} - *jdn);
    };
    // The month count of the two calendar dates is within one of n; From + n months grows with n.
    int64_t n = sign * ((int64_t{to.year} - from.year) * 12 + (to.month - from.month));
    n = n < 0 ? 0 : n;
    while (n > 0 && !remaining(n))
        --n;
    while (remaining(n + 1))
        ++n;
    const int64_t days = *remaining(n);
    return {sign * (n / 12), sign * (n % 12), sign * days};
}

}  // namespace vardex
