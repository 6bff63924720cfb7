// SPDX-License-Identifier: MIT
#include "SecondDates.h"

#include "engine/Calendars.h"
#include "world/HandCalendars.h"
#include "world/WorldCalendars.h"

namespace vardex {

namespace {

constexpr const char *kIds[] = {"none", "gregorian", "julian", "dee", "hebrew"};

SecondDate OfCalendar(Calendar calendar, int32_t jdn, DeeVariant variant)
{
    const CalendarDate date = JDNToDate(calendar, jdn, variant);
    return {date.year, date.month, date.day, MonthName(date.month)};
}

}  // namespace

const char *SecondCalendarId(SecondCalendar calendar) { return kIds[static_cast<int>(calendar)]; }

std::optional<SecondCalendar> SecondCalendarNamed(const std::string &name)
{
    for (int i = 0; i < 5; ++i) {
        if (name == kIds[i])
            return static_cast<SecondCalendar>(i);
    }
    return std::nullopt;
}

SecondCalendar DefaultSecondCalendar(const PageCalendar &calendar, const PageDay &day)
{
    switch (calendar.kind) {
    case PageCalendarKind::Julian: return SecondCalendar::Gregorian;
    case PageCalendarKind::Place:
        if (calendar.place) {
            const WrittenDay written = WriteDay(*calendar.place, day.jdn);
            return written.calendar == KeptCalendar::Gregorian ? SecondCalendar::Julian
                                                               : SecondCalendar::Gregorian;
        }
        break;
    case PageCalendarKind::Gregorian:
    case PageCalendarKind::Dee: break;
    }
    return SecondCalendar::Julian;
}

std::optional<SecondDate> SecondDateOf(SecondCalendar calendar, int32_t jdn, DeeVariant variant)
{
    switch (calendar) {
    case SecondCalendar::Gregorian: return OfCalendar(Calendar::Gregorian, jdn, variant);
    case SecondCalendar::Julian: return OfCalendar(Calendar::Julian, jdn, variant);
    case SecondCalendar::Dee: return OfCalendar(Calendar::Dee, jdn, variant);
    case SecondCalendar::Hebrew: {
        const std::optional<HebrewDate> hebrew = HebrewOf(jdn);
        if (!hebrew)
            return std::nullopt;
        return SecondDate{hebrew->year, hebrew->month, hebrew->day,
                          HebrewMonthName(hebrew->month, IsHebrewLeapYear(hebrew->year))};
    }
    case SecondCalendar::None: break;
    }
    return std::nullopt;
}

}  // namespace vardex
