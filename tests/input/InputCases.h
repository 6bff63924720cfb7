// SPDX-License-Identifier: MIT
// Input entries as a user fills the main window's forms, for the tests of the input functions.
#pragma once

#include <gtest/gtest.h>

#include "RecordingSeams.h"
#include "input/InputEntry.h"

namespace vardex::test {

// Entries of the calendar lists.
enum CalendarEntry { kGregorian = 1, kJulian = 2, kDee = 3, kSunday = 4, kMonday, kTuesday };

inline const InputContext kContext{DeeVariant::DeeCecil, QStringLiteral("Calculate"), NumberFormat::Commas()};

inline InputEntry Mdy(int month, int day, const QString &year, const QString &era = "AD",
                      int calendar = kGregorian)
{
    InputEntry e;
    std::tie(e.monthDayYearChosen, e.month, e.day, e.year, e.era, e.calendarEntry) =
        std::tuple(true, month, day, year, era, calendar);
    return e;
}

inline InputEntry Ymd(const QString &text, int calendar)
{
    InputEntry e;
    std::tie(e.yearMonthDayChosen, e.type, e.yearMonthDay, e.ymdCalendarEntry) =
        std::tuple(true, InputType::YearMonthDay, text, calendar);
    return e;
}

inline InputEntry Incomplete(InputEntry e) { return e.type = InputType::Incomplete, e; }
inline InputEntry NoFormChosen(InputEntry e) { return e.monthDayYearChosen = false, e; }

inline Message Titled(const QString &text, MessageIcon icon = MessageIcon::Exclamation)
{
    return {text, "Calculate", icon};
}
inline Message Info(const QString &text) { return Titled(text, MessageIcon::Information); }

// The entry with plus (or minus) and the four amounts: years, months, weeks, days.
inline InputEntry Plus(InputEntry e, std::array<QString, 4> amounts, bool plus = true)
{
    e.sign = plus ? ArithmeticSign::Plus : ArithmeticSign::Minus;
    e.amounts = std::move(amounts);
    return e;
}

}  // namespace vardex::test

namespace vardex {
inline void PrintTo(const Message &m, std::ostream *out)
{
    *out << '"' << m.text.toStdString() << "\" titled \"" << m.title.toStdString() << "\", icon "
         << static_cast<int>(m.icon);
}
}  // namespace vardex
