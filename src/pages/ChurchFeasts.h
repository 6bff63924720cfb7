// SPDX-License-Identifier: MIT
// The feasts of a page's church: Easter by the reckoning the place followed and the movable feasts
// it fixes, the fixed feasts on the place's own calendar, and the English and Scottish quarter days.
#pragma once

#include <string>
#include <vector>

#include "PageMarks.h"

namespace vardex {

// How the page's feasts were reckoned, for its footer: "Western church; Easter by the Julian
// reckoning until 1752, the Gregorian after" or "Orthodox church; Easter by the Julian reckoning".
std::string FeastRulesText(const PageCalendar &calendar, int32_t year);

// The feasts falling on the page's days, indexed as page.days.
std::vector<std::vector<DayMark>> FeastsOfMonth(const MonthPage &page, const PageCalendar &calendar);

}  // namespace vardex
