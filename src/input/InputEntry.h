// SPDX-License-Identifier: MIT
// What the user entered in the main window's input frame and arithmetic frame, as plain values.
//
// The input functions of this folder take an InputEntry and give back the same entry with its
// texts tidied as the window shows them afterwards (a year box rewritten, a designator supplied,
// the amounts trimmed), together with what came of it: a day, or the messages to show. The main
// window copies its controls into an entry and back; vardex-cli builds one from its arguments.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "NumberFormat.h"
#include "engine/Calendars.h"

namespace vardex {

// Which form counts as entered, as the window's refresher last judged it (intInputDateType).
enum class InputType : int16_t { Incomplete = -1, MonthDayYear = 0, YearMonthDay = 1 };

enum class ArithmeticSign { None, Plus, Minus };

// Entries of the era list and of the two calendar lists, by index; 0 is each list's empty entry.
inline constexpr int kFirstWeekdayEntry = 4;  // cboCalendar(0): 4..10 Sunday..Saturday

struct InputEntry {
    bool monthDayYearChosen = false;  // the option of the month,day,year form
    bool yearMonthDayChosen = false;  // the option of the year-month-day form
    InputType type = InputType::MonthDayYear;

    // month,day,year
    int month = 0;          // 1..12
    int day = 0;            // 1..31
    QString year;           // as typed
    QString era;            // "AD", "BC", "CE", "BCE" or "" (none chosen)
    int calendarEntry = 0;  // 1 Gregorian, 2 Julian, 3 Dee, 4..10 a weekday to search for

    // year-month-day
    QString yearMonthDay;      // as typed, with its designator: "2024-3-5 JC"
    int ymdCalendarEntry = 0;  // 1 Gregorian, 2 Julian, 3 Dee

    // arithmetic
    ArithmeticSign sign = ArithmeticSign::None;
    bool arithmeticOffered = true;   // the frame is shown: not for a weekday search
    std::array<QString, 4> amounts;  // years, months, weeks, days, as typed

    // Left by the last check and reading, which later readings of the same input start from: an
    // incomplete input is read as the last date read, in its calendar.
    QStringList ymdParts;                  // year, month and day texts of an accepted year-month-day date
    CalendarDate lastDate;                 // the date last read, moved by any years and months
    std::optional<Calendar> lastCalendar;  // the calendar it was read in
    int32_t lastJdn = 0;                   // its JDN, moved by any weeks and days
    std::array<int32_t, 4> lastAmounts{};  // the amounts last read
};

// Everything else the input functions read: the Dee variant, the title of messages that carry
// the caption of the button that started the check, and the number format of rewritten texts.
struct InputContext {
    DeeVariant variant = DeeVariant::DeeCecil;
    QString title = QStringLiteral("Calculate");
    NumberFormat format = NumberFormat::Regional();
};

// The calendar of an entry of either calendar list: 1 Gregorian, 2 Julian, 3 Dee.
std::optional<Calendar> CalendarOfEntry(int entry);

// The calendar the input is read in: that of the current form's calendar list; nothing for a
// weekday (the date is then read in no calendar and so not found) or an incomplete input.
std::optional<Calendar> InputCalendar(const InputEntry &entry);

}  // namespace vardex
