// SPDX-License-Identifier: MIT
#include "Calendars.h"

#include <array>

namespace vardex {

std::optional<Calendar> CalendarOfLetter(char32_t firstLetter)
{
    switch (firstLetter) {
    case U'G': return Calendar::Gregorian;
    case U'J': return Calendar::Julian;
    case U'D': return Calendar::Dee;
    default: return std::nullopt;
    }
}

const char *DeeCalendarName(DeeVariant variant) { return variant == DeeVariant::Dee ? "Dee" : "Dee-Cecil"; }

const char *CalendarName(Calendar calendar, DeeVariant variant)
{
    switch (calendar) {
    case Calendar::Gregorian: return "Gregorian";
    case Calendar::Julian: return "Julian";
    case Calendar::Dee: break;
    }
    return DeeCalendarName(variant);
}

const char *DeeCalendarDesignation(DeeVariant variant) { return variant == DeeVariant::Dee ? "D" : "DC"; }

const char *CalendarDesignator(Calendar calendar, DeeVariant variant)
{
    switch (calendar) {
    case Calendar::Gregorian: return "CE";
    case Calendar::Julian: return "JC";
    case Calendar::Dee: break;
    }
    return DeeCalendarDesignation(variant);
}

const char *MonthName(int32_t month)
{
    static constexpr std::array<const char *, 13> kNames = {
        "",     "January", "February",  "March",   "April",    "May",     "June",
        "July", "August",  "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? kNames[static_cast<size_t>(month)] : "";
}

}  // namespace vardex
