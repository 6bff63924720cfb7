// SPDX-License-Identifier: MIT
// The calendars and year-start styles of a place over time, as data/calendar-history.tsv records
// them, and what they make of a day: the date as written there, or the days a written date stood for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "YearStart.h"
#include "engine/CalendarDate.h"

namespace vardex {

enum class KeptCalendar { Julian, Gregorian, Swedish };

const char *KeptCalendarName(KeptCalendar calendar);  // "julian", "gregorian", "swedish"

struct CalendarPeriod {
    KeptCalendar calendar = KeptCalendar::Julian;
    int32_t firstJdn = INT32_MIN;  // the period's first and last days
    int32_t lastJdn = INT32_MAX;
    // How many days the place's dates ran ahead of the calendar's date at its longitude, [-1, 1]:
    // 1 where it kept the date of the far side of the date line, as Russian America kept Asia's.
    int32_t dayOffset = 0;
};

struct StylePeriod {
    YearStart style = YearStart::Circumcision;
    int32_t firstJdn = INT32_MIN;
    int32_t lastJdn = INT32_MAX;
};

struct Place {
    std::string id;                         // "england"
    std::string name;                       // "England and Wales"
    std::vector<CalendarPeriod> calendars;  // in order, together covering every day
    std::vector<StylePeriod> styles;        // the same
    std::string source;
    std::string note;
};

// The places of the file's text, or, in error, why not (with the line's number).
struct PlaceTable {
    std::vector<Place> places;
    std::string error;
};
PlaceTable ParsePlaceTable(std::string_view text);

// The date of a day in one of the calendars a place kept; nothing where the Swedish calendar does
// not hold it.
std::optional<CalendarDate> DateInKeptCalendar(KeptCalendar calendar, int32_t jdn);
std::optional<int32_t> JdnOfKeptDate(KeptCalendar calendar, const CalendarDate &date);

// The same for a period, its day offset applied (its first and last days not checked): the date
// the place wrote for a day, and the day of a date it wrote.
std::optional<CalendarDate> DateInPeriod(const CalendarPeriod &period, int32_t jdn);
std::optional<int32_t> JdnInPeriod(const CalendarPeriod &period, const CalendarDate &date);

// A place's change to the Gregorian calendar: the last day of the calendar before and the first
// Gregorian day, as the place wrote them, and the calendars it kept between its first and that
// change other than the first (Sweden's of 1700 to 1712). Nothing for a place without one.
struct GregorianChange {
    CalendarDate lastOld, firstNew;
    std::vector<CalendarPeriod> between;
};
std::optional<GregorianChange> FindGregorianChange(const Place &place);

// "15 March 44 BC", "11 February 1732": a date of any calendar, its year as YearText writes it.
std::string HistoricalDateText(const CalendarDate &date);

// A day as a place wrote it.
struct WrittenDay {
    KeptCalendar calendar = KeptCalendar::Julian;
    YearStart style = YearStart::Circumcision;
    CalendarDate date;        // in `calendar`, the year numbered from 1 January
    int32_t writtenYear = 0;  // the year number in `style`
    std::string text;         // "11 February 1731/2 (O.S.)"
    int32_t dayOffset = 0;    // the period's: `date` ran this many days ahead of the day's
    int16_t weekday = 0;      // as the place named it, with its date: 0 = Sunday .. 6 = Saturday
};
// The day as written at the place; `style` replaces the place's own style of that day.
WrittenDay WriteDay(const Place &place, int32_t jdn, std::optional<YearStart> style = std::nullopt);

// The days a date written at the place stood for (day, month, year as written): none when it did
// not exist there, two when the Easter style gave it twice. `style` as for WriteDay.
std::vector<int32_t> DaysWritten(const Place &place, int32_t writtenYear, int32_t month, int32_t day,
                                 std::optional<YearStart> style = std::nullopt);

// Why a written date gives no day, for a month 1..12 and a day 1..31: a change of calendar
// skipped it ("10 September 1752 did not exist in England and Wales: 2 September 1752 was
// followed by 14 September 1752."), the month was shorter ("... : February 1712/3 had 28 days."),
// or the written year did not hold it ("1 February 1599 did not exist in Scotland: there the year
// 1599 ran from 25 March 1599 to 31 December 1599."); or that it lies beyond the days the
// program counts.
std::string MissingDayMessage(const Place &place, int32_t writtenYear, int32_t month, int32_t day,
                              std::optional<YearStart> style = std::nullopt);

}  // namespace vardex
