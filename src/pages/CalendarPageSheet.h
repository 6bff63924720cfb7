// SPDX-License-Identifier: MIT
// Everything one printed calendar page shows, gathered before it is drawn: the month or the twelve
// months, each day's marks and small second date, the legend's kinds and the footer's notes. The
// window, the printer and the files all draw a sheet, so that they show the same.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pages/CalendarPage.h"
#include "pages/PageMarks.h"
#include "pages/SecondDates.h"

namespace vardex {

enum class PageScope { Month, Year };

// What the user asked for.
struct PageRequest {
    PageCalendar calendar;
    PageScope scope = PageScope::Month;
    int32_t year = 0;  // astronomical, numbered from 1 January
    int32_t month = 1;
    std::optional<SecondCalendar> second;  // nothing: the one a reader expects beside each day
    MarkChoice marks;
    bool sundays = true;  // Sundays in red
    FirstWeekday firstWeekday = FirstWeekday::Monday;
};

struct SheetMonth {
    MonthPage page;
    std::vector<std::vector<DayMark>> marks;  // indexed as page.days
    std::vector<std::string> seconds;         // the small dates, as page.days; none on a year page
    std::vector<bool> afterGap;               // a day whose date does not follow the day before it
};

struct PageSheet {
    PageRequest request;
    std::string title;          // "September 1752", "February 1751/2", "1752"
    std::string calendarName;   // "Gregorian calendar", "England and Wales"
    std::string yearStartNote;  // empty where the year began on 1 January
    std::vector<SheetMonth> months;
    std::vector<MarkKind> legend;    // the kinds of mark the page shows, in a fixed order
    std::vector<std::string> notes;  // the footer's lines
};

// Nothing for a month outside 1..12 or a page beyond the days the program counts.
std::optional<PageSheet> BuildPageSheet(const PageRequest &request);

// The small date beneath a day: "7"; with the month on its first day and on the page's first
// ("1 Mar", "19 Aug"), and the year too where a year begins or on the page's first day
// ("1 Jan 1753", "22 Elul 5512"). Empty where the calendar does not hold the day.
std::string SecondDateText(SecondCalendar calendar, int32_t jdn, DeeVariant variant, bool pageFirstDay);

// "Feasts", "Seasons", "Moon", "Jewish holidays", "Islamic months": the legend's names.
const char *MarkKindTitle(MarkKind kind);

}  // namespace vardex
