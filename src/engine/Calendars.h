// SPDX-License-Identifier: MIT
// The calendars as values (CalendarDate.h) and the two conversions every other part of the
// program goes through. The calendars meet only at the Julian day number (JDN): Gregorian and
// Julian dates are converted by libdaybridge, Dee dates by DeeCalendar.h. The conversions are
// inline, so that a caller pays one call: into the library or into the Dee arithmetic.
#pragma once

#include <cstdint>
#include <optional>

#include "CalendarDate.h"
#include "DeeCalendar.h"
#include "daybridge.h"

namespace vardex {

constexpr int32_t DaybridgeCode(Calendar calendar)
{
    return calendar == Calendar::Julian ? DAYBRIDGE_JULIAN : DAYBRIDGE_GREGORIAN;
}

// The JDN of a date, or nothing when the date does not exist in the calendar or its JDN does not
// fit in 32 bits. The variant is read for Calendar::Dee only.
inline std::optional<int32_t> DateToJDN(Calendar calendar, const CalendarDate &date, DeeVariant variant)
{
    if (calendar == Calendar::Dee)
        return DeeDateToJDN(date, variant);
    EuroDate record{date.year, date.month, date.day, DaybridgeCode(calendar), 0, 0};
    euro_date_to_jdn(&record);
    if (record.valid != 1)
        return std::nullopt;
    return record.jdn;
}

// The date of a JDN; every int32_t JDN has one in every calendar.
inline CalendarDate JDNToDate(Calendar calendar, int32_t jdn, DeeVariant variant)
{
    if (calendar == Calendar::Dee)
        return DeeJDNToDate(jdn, variant);
    EuroDate record{0, 0, 0, DaybridgeCode(calendar), jdn, 0};
    jdn_to_euro_date(&record);
    return {record.year, record.month, record.day};
}

// The calendar a calendar name stands for by its first letter, as the calendar lists name them
// ("Gregorian Calendar", "Julian", "Dee-Cecil Calendar"): G, J or D; nothing for any other.
std::optional<Calendar> CalendarOfLetter(char32_t firstLetter);

// "Dee" or "Dee-Cecil".
const char *DeeCalendarName(DeeVariant variant);

// "Gregorian", "Julian", or the Dee variant's name.
const char *CalendarName(Calendar calendar, DeeVariant variant);

// "D" or "DC".
const char *DeeCalendarDesignation(DeeVariant variant);

// The designator of a year-month-day date: "CE", "JC", or the variant's "D" or "DC".
const char *CalendarDesignator(Calendar calendar, DeeVariant variant);

// "January" .. "December" for 1..12, the empty text for any other number.
const char *MonthName(int32_t month);

}  // namespace vardex
