// SPDX-License-Identifier: MIT
// One date as written ("@#DJULIAN@ 23 FEB 1731/32", "Feb. 23, 1731-2", "Sunday 4 July 1776 (N.S.)",
// "1752-09-14") taken apart into its year, month and day, dual year, weekday, era and calendar mark,
// before any calendar arithmetic. The qualifiers around it (ABT, BET ... AND ...) are RecordDate's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "RecordDate.h"

namespace vardex {

// Where the calendar came from: nothing said, a GEDCOM escape or keyword, or O.S. / N.S.
enum class CalendarMark { None, Escape, Style };

struct WrittenDateParts {
    RecordCalendar calendar = RecordCalendar::Gregorian;
    CalendarMark mark = CalendarMark::None;
    int64_t year = 0;                   // as written: positive, before the era is applied
    std::optional<int64_t> secondYear;  // a dual year's second number, in full ("1731/2" -> 1732)
    bool beforeChrist = false;
    int month = 0;               // 0 when not written
    int day = 0;                 // 0 when not written
    std::optional<int> weekday;  // 0 = Sunday, when written
};

// The parts of `text`, or why it cannot be read ("No year in '23 Feb'.").
struct WrittenDatePartsReading {
    std::optional<WrittenDateParts> parts;
    std::string error;
};
WrittenDatePartsReading ReadWrittenDateParts(std::string_view text);

// The text in single quotes for a message, control characters and broken UTF-8 as "?", at most
// 80 characters.
std::string QuotedDateText(std::string_view text);

}  // namespace vardex
