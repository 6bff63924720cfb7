#include "Calendars.h"

#include <array>

#include "DeeCalendar.h"
#include "daybridge.h"

namespace vardex {

namespace {

int32_t LibraryCode(Calendar calendar)
{
    return calendar == Calendar::Julian ? DAYBRIDGE_JULIAN : DAYBRIDGE_GREGORIAN;
}

}  // namespace

std::optional<int32_t> DateToJDN(Calendar calendar, const CalendarDate &date, DeeVariant variant)
{
    if (calendar == Calendar::Dee)
        return DeeDateToJDN(date, variant);
    EuroDate record{date.year, date.month, date.day, LibraryCode(calendar), 0, 0};
    euro_date_to_jdn(&record);
    if (record.valid != 1)
        return std::nullopt;
    return record.jdn;
}

CalendarDate JDNToDate(Calendar calendar, int32_t jdn, DeeVariant variant)
{
    if (calendar == Calendar::Dee)
        return DeeJDNToDate(jdn, variant);
    EuroDate record{0, 0, 0, LibraryCode(calendar), jdn, 0};
    jdn_to_euro_date(&record);
    return {record.year, record.month, record.day};
}

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
