// SPDX-License-Identifier: MIT
// The JDN of the input date (GetJDN): the date read in a calendar, checked, then moved by the
// arithmetic (years and months on the calendar date with the end-of-month rule, weeks and days on
// the day number). Also the input year alone, the year-month-day text of a date, and the check
// of an amount box the user leaves.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "InputEntry.h"
#include "seams/Dialogs.h"

namespace vardex {

struct DayReading {
    InputEntry entry;               // the year box rewritten, the amounts trimmed, and what was read
    std::vector<Message> messages;  // in the order they are shown
    std::optional<int32_t> jdn;     // the JDN after the arithmetic; nothing when the reading failed
};

// Reads an input that CheckInputDate accepted in `calendar` (nothing: a calendar name that names
// none, in which no date exists). An invalid date is reported only when reportInvalidDate; a
// negative amount, and arithmetic beyond the dates the program reaches, always.
DayReading ReadInputDay(InputEntry entry, std::optional<Calendar> calendar, bool reportInvalidDate,
                        const InputContext &context);

// CheckInputDate, then ReadInputDay in the input's own calendar with invalid dates reported: what
// the Date sequence button does before its window opens.
DayReading ReadCheckedInput(InputEntry entry, const InputContext &context);

// The input year in astronomical numbering, read without any check (GetYear): the number at the
// start of the year-month-day text, or the month,day,year year made astronomical for BC and BCE.
int32_t InputYear(const InputEntry &entry);

// The year-month-day box's text for a date (PutDateYMD): "-1000-01-01 JC", "12,345-03-05 CE"; the
// designator that of ymdCalendarEntry, the Dee variant's for any entry but 1 and 2.
QString YearMonthDayText(const CalendarDate &date, int ymdCalendarEntry, const InputContext &context);

// Leaving an amount box: the message for a negative amount or for anything but digits and the
// separators ",", ".", "'" and blank, titled "Invalid input"; clearBox for the latter.
struct AmountCheck {
    std::optional<Message> message;
    bool clearBox = false;
};
AmountCheck CheckAmountBox(const QString &text);

// "The date arithmetic goes beyond the range of dates that can be calculated."
QString ArithmeticRangeMessage();

}  // namespace vardex
