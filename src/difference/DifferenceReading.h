// SPDX-License-Identifier: MIT
// One date of the Date difference window, or of `vardex-cli diff`, read as the main window reads its
// input date: the same check and the same messages, no arithmetic and no weekday search.
#pragma once

#include "input/InputEntry.h"
#include "input/InputReading.h"

namespace vardex {

// entry holds one form's controls: monthDayYearChosen with month, day, year, era and calendarEntry
// (1..3), or yearMonthDayChosen with the yearMonthDay text, whose designator chooses the calendar
// unless ymdCalendarEntry does.
// Messages are titled context.title; the reading's jdn is the date's day when it is valid.
DayReading ReadDifferenceDate(InputEntry entry, const InputContext &context);

}  // namespace vardex
