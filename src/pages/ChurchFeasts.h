// SPDX-License-Identifier: MIT
// The feasts of a page's church: Easter by the reckoning the place followed and the movable feasts
// it fixes, the fixed feasts on the place's own calendar, and the English and Scottish quarter days.
#pragma once

#include <vector>

#include "PageMarks.h"

namespace vardex {

// The feasts falling on the page's days, indexed as page.days.
std::vector<std::vector<DayMark>> FeastsOfMonth(const MonthPage &page, const PageCalendar &calendar);

}  // namespace vardex
