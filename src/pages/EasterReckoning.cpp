// SPDX-License-Identifier: MIT
#include "EasterReckoning.h"

#include <array>
#include <string_view>

#include "engine/Calendars.h"
#include "history/Easter.h"

namespace vardex {

namespace {

// The ids of data/calendar-history.tsv whose church is the Orthodox.
constexpr std::array<std::string_view, 5> kOrthodoxPlaces = {"russia", "greece", "bulgaria", "romania",
                                                             "serbia"};

const CalendarPeriod *PeriodOn(const Place &place, int32_t jdn)
{
    for (const CalendarPeriod &period : place.calendars) {
        if (jdn >= period.firstJdn && jdn <= period.lastJdn)
            return &period;
    }
    return nullptr;
}

}  // namespace

Church ChurchOfPage(const PageCalendar &calendar)
{
    if (calendar.kind != PageCalendarKind::Place || !calendar.place)
        return Church::Western;
    for (const std::string_view id : kOrthodoxPlaces) {
        if (calendar.place->id == id)
            return Church::Orthodox;
    }
    return Church::Western;
}

Computus ComputusOfYear(const PageCalendar &calendar, int32_t year)
{
    switch (calendar.kind) {
    case PageCalendarKind::Julian: return Computus::Julian;
    case PageCalendarKind::Gregorian:
    case PageCalendarKind::Dee: return Computus::Gregorian;
    case PageCalendarKind::Place: break;
    }
    if (!calendar.place || ChurchOfPage(calendar) == Church::Orthodox)
        return Computus::Julian;
    // Every Western place changed its calendar between June and February, never between a year's two
    // Easters: the calendar it kept on the Gregorian Easter decides.
    const std::optional<int32_t> gregorian = EasterJdn(Computus::Gregorian, year);
    const CalendarPeriod *period = gregorian ? PeriodOn(*calendar.place, *gregorian) : nullptr;
    return period && period->calendar == KeptCalendar::Gregorian ? Computus::Gregorian : Computus::Julian;
}

std::optional<int32_t> EasterJdn(Computus computus, int32_t year)
{
    if (computus == Computus::Julian)
        return DateToJDN(Calendar::Julian, JulianEaster(year), DeeVariant::Dee);
    return DateToJDN(Calendar::Gregorian, GregorianEaster(year), DeeVariant::Dee);
}

int32_t DayOffsetOn(const PageCalendar &calendar, int32_t jdn)
{
    if (calendar.kind != PageCalendarKind::Place || !calendar.place)
        return 0;
    const CalendarPeriod *period = PeriodOn(*calendar.place, jdn);
    return period ? period->dayOffset : 0;
}

}  // namespace vardex
