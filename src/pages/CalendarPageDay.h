// SPDX-License-Identifier: MIT
// A day of a calendar page in full, for the window's line under the page and the day's tooltip:
// its JDN and weekday and its date in each calendar, and as the page's place wrote it.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "engine/CalendarDate.h"

namespace vardex {

struct Place;

struct DayDate {
    QString calendar;  // "JDN", "Weekday", "Gregorian", ..., or the place's name
    QString text;      // "2,361,222", "Thursday", "14 September 1752", ...
};

// JDN, weekday, Gregorian, Julian, the Dee variant's, Hebrew, and, with a place, the day as written
// there (with the weekday the place named, where that was another).
std::vector<DayDate> DatesOfDay(int32_t jdn, DeeVariant variant, const Place *place);

// "JDN 2,361,222, Thursday. Gregorian: 14 September 1752; Julian: 3 September 1752; ..."
QString DayDatesLine(const std::vector<DayDate> &dates);

// The same one to a line, for a tooltip.
QString DayDatesLines(const std::vector<DayDate> &dates);

}  // namespace vardex
