// SPDX-License-Identifier: MIT
// What vardex-cli cal shows, whichever form it takes: the pages of a month or of a whole year, in a
// calendar or as a place wrote them, and the marks of their days.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pages/CalendarPage.h"
#include "pages/PageMarks.h"

namespace vardex::cli {

struct CalSheet {
    PageCalendar calendar;                                 // its place set for a place's pages
    int32_t year = 0;                                      // astronomical, numbered from 1 January
    std::optional<int32_t> month;                          // nothing for a whole year
    std::string yearTitle;                                 // "1752", "44 BC": over a whole year
    std::vector<MonthPage> months;                         // one, or the twelve of the year
    std::vector<std::vector<std::vector<DayMark>>> marks;  // per month, indexed as its days
    FirstWeekday first = FirstWeekday::Monday;
};

}  // namespace vardex::cli
