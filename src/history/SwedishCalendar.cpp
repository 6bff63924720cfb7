// SPDX-License-Identifier: MIT
#include "SwedishCalendar.h"

#include "engine/Calendars.h"

namespace vardex {

std::optional<CalendarDate> SwedishDate(int32_t jdn)
{
    if (jdn < kFirstSwedishJdn || jdn > kLastSwedishJdn)
        return std::nullopt;
    if (jdn == kLastSwedishJdn)
        return CalendarDate{1712, 2, 30};
    return JDNToDate(Calendar::Julian, jdn + 1, DeeVariant::DeeCecil);  // one day ahead
}

std::optional<int32_t> SwedishJdn(const CalendarDate &date)
{
    if (date == CalendarDate{1712, 2, 30})
        return kLastSwedishJdn;
    const std::optional<int32_t> ahead = DateToJDN(Calendar::Julian, date, DeeVariant::DeeCecil);
    if (!ahead || *ahead - 1 < kFirstSwedishJdn || *ahead - 1 >= kLastSwedishJdn)
        return std::nullopt;
    return *ahead - 1;
}

}  // namespace vardex
