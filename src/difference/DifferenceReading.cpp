// SPDX-License-Identifier: MIT
#include "DifferenceReading.h"

#include "input/InputSync.h"

namespace vardex {

DayReading ReadDifferenceDate(InputEntry entry, const InputContext &context)
{
    entry.sign = ArithmeticSign::None;  // no arithmetic here: neither checked nor applied
    if (entry.monthDayYearChosen) {
        entry.type = InputType::MonthDayYear;
        if (!CalendarOfEntry(entry.calendarEntry))  // no weekday search here
            return {std::move(entry), {}, std::nullopt};
    } else {
        entry.yearMonthDayChosen = true;
        entry.type = InputType::YearMonthDay;
        // The designator chooses when no calendar is chosen (the window has no list); without
        // either the check asks for one.
        const DesignatorSync sync =
            SettledDesignator(entry.yearMonthDay, entry.ymdCalendarEntry, context.variant);
        entry.yearMonthDay = sync.text;
        entry.ymdCalendarEntry = sync.ymdCalendarEntry;
    }
    return ReadCheckedInput(std::move(entry), context);
}

}  // namespace vardex
