// SPDX-License-Identifier: MIT
#include "CalendarPage.h"

#include <algorithm>

#include "engine/Calendars.h"
#include "engine/TextForms.h"
#include "history/YearStart.h"

namespace vardex {

namespace {

std::optional<MonthPage> CalendarMonth(Calendar calendar, DeeVariant variant, int32_t year, int32_t month)
{
    const std::optional<int32_t> first = DateToJDN(calendar, {year, month, 1}, variant);
    if (!first)
        return std::nullopt;
    MonthPage page;
    page.year = year;
    page.month = month;
    page.title = std::string(MonthName(month)) + " " + YearText(year);
    page.calendarName = std::string(CalendarName(calendar, variant)) + " calendar";
    for (int32_t jdn = *first;; ++jdn) {
        const CalendarDate date = JDNToDate(calendar, jdn, variant);
        if (date.month != month || date.year != year)
            break;
        page.days.push_back({jdn, date, DayOfWeek(jdn)});
        if (jdn == INT32_MAX)
            break;
    }
    return page;
}

// A place wrote a month's days in the Julian, Swedish or Gregorian calendar, a day ahead or behind
// at times: every day that can hold one of its dates lies between the first of the month in the
// Julian and in the Gregorian calendar, a few days either side.
std::optional<MonthPage> PlaceMonth(const Place &place, int32_t year, int32_t month)
{
    const std::optional<int32_t> julian = DateToJDN(Calendar::Julian, {year, month, 1}, DeeVariant::Dee);
    const std::optional<int32_t> gregorian =
        DateToJDN(Calendar::Gregorian, {year, month, 1}, DeeVariant::Dee);
    if (!julian || !gregorian)
        return std::nullopt;
    const int64_t from = std::min(*julian, *gregorian) - 3;
    const int64_t to = std::max(*julian, *gregorian) + 34;
    if (from < INT32_MIN || to > INT32_MAX)
        return std::nullopt;
    MonthPage page;
    page.year = year;
    page.month = month;
    page.calendarName = place.name;
    for (auto jdn = static_cast<int32_t>(from); jdn <= to; ++jdn) {
        const WrittenDay written = WriteDay(place, jdn);
        if (written.date.year != year || written.date.month != month)
            continue;
        if (page.days.empty()) {
            page.title = std::string(MonthName(month)) + " " + DualYearText(written.writtenYear, year);
            if (written.style != YearStart::Circumcision)
                page.yearStartNote = std::string("New year on ") + YearStartTitle(written.style) + ": " +
                                     YearStartEffect(written.style);
        }
        page.days.push_back({jdn, written.date, written.weekday});
    }
    if (page.title.empty())
        page.title = std::string(MonthName(month)) + " " + YearText(year);
    return page;
}

}  // namespace

std::optional<MonthPage> BuildMonthPage(const PageCalendar &calendar, int32_t year, int32_t month)
{
    if (month < 1 || month > 12)
        return std::nullopt;
    switch (calendar.kind) {
    case PageCalendarKind::Julian: return CalendarMonth(Calendar::Julian, calendar.variant, year, month);
    case PageCalendarKind::Dee: return CalendarMonth(Calendar::Dee, calendar.variant, year, month);
    case PageCalendarKind::Place:
        if (calendar.place)
            return PlaceMonth(*calendar.place, year, month);
        return std::nullopt;
    case PageCalendarKind::Gregorian: break;
    }
    return CalendarMonth(Calendar::Gregorian, calendar.variant, year, month);
}

std::optional<YearPage> BuildYearPage(const PageCalendar &calendar, int32_t year)
{
    YearPage page;
    page.year = year;
    page.title = YearText(year);
    for (int32_t month = 1; month <= 12; ++month) {
        std::optional<MonthPage> monthPage = BuildMonthPage(calendar, year, month);
        if (!monthPage)
            return std::nullopt;
        page.months.push_back(std::move(*monthPage));
    }
    return page;
}

std::vector<std::array<int, 7>> WeekRows(const MonthPage &page, FirstWeekday first)
{
    const int16_t start = first == FirstWeekday::Monday ? 1 : 0;
    std::vector<std::array<int, 7>> rows;
    int previousColumn = 7;
    for (size_t i = 0; i < page.days.size(); ++i) {
        const int column = (page.days[i].weekday - start + 7) % 7;
        // A new row when the weekday does not move on: the week wrapped, or a place named the
        // same weekday twice (Alaska's two Fridays of 1867).
        if (rows.empty() || column <= previousColumn) {
            std::array<int, 7> row{};
            row.fill(-1);
            rows.push_back(row);
        }
        rows.back()[static_cast<size_t>(column)] = static_cast<int>(i);
        previousColumn = column;
    }
    return rows;
}

const char *WeekdayName(int16_t weekday)
{
    static const char *const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
    return weekday >= 0 && weekday <= 6 ? kNames[weekday] : "";
}

const char *WeekdayHead(int16_t weekday)
{
    static const char *const kHeads[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    return weekday >= 0 && weekday <= 6 ? kHeads[weekday] : "";
}

}  // namespace vardex
