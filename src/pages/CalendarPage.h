// SPDX-License-Identifier: MIT
// A month or a year as a page: the days a calendar or a place wrote in it, in order, with the
// title as the place wrote its year, computed as data; the window, the printer, the files and
// vardex-cli draw it. Standard C++ on the engine and the calendar history.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/CalendarDate.h"
#include "history/PlaceHistory.h"

namespace vardex {

enum class PageCalendarKind { Gregorian, Julian, Dee, Place };

// The calendar a page is in: one of the three, or as kept at a place.
struct PageCalendar {
    PageCalendarKind kind = PageCalendarKind::Gregorian;
    const Place *place = nullptr;  // for PageCalendarKind::Place; must outlive the pages
    DeeVariant variant = DeeVariant::DeeCecil;
};

struct PageDay {
    int32_t jdn = 0;
    CalendarDate date;    // as the page's calendar (or the place) wrote it, the year from 1 January
    int16_t weekday = 0;  // 0 = Sunday .. 6 = Saturday, as the place named the day
};

struct MonthPage {
    int32_t year = 0;  // numbered from 1 January, astronomical (0 = 1 BC)
    int32_t month = 0;
    std::string title;          // "September 1752", "February 1751/2", "March 44 BC"
    std::string calendarName;   // "Gregorian calendar", "England and Wales"
    std::string yearStartNote;  // at a place whose year did not begin on 1 January, else empty
    std::vector<PageDay> days;  // the days written in the month, in order; gap days absent
};

struct YearPage {
    int32_t year = 0;
    std::string title;  // "1752", "44 BC"
    std::vector<MonthPage> months;
};

// Nothing for a month outside 1..12 or a year whose days lie beyond the program's JDN range.
std::optional<MonthPage> BuildMonthPage(const PageCalendar &calendar, int32_t year, int32_t month);
std::optional<YearPage> BuildYearPage(const PageCalendar &calendar, int32_t year);

enum class FirstWeekday { Monday, Sunday };

// The month's weeks as rows of seven cells from the first weekday on, each the index of a day in
// page.days or -1. Days follow each other by weekday, so a gap of days leaves no hole: 2 September
// 1752 (a Wednesday) is followed in its row by 14 September (a Thursday).
std::vector<std::array<int, 7>> WeekRows(const MonthPage &page, FirstWeekday first);

// "Monday", ... of a weekday 0 = Sunday .. 6; "Mo", "Tu", ... for the heads.
const char *WeekdayName(int16_t weekday);
const char *WeekdayHead(int16_t weekday);

}  // namespace vardex
