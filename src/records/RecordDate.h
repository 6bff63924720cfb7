// SPDX-License-Identifier: MIT
// A date as it is found in records and family-tree files ("ABT 1750", "@#DJULIAN@ 23 FEB 1731/32",
// "Feb. 23, 1731-2", "10 Jan 1700 O.S."), read into the days it can mean, with what a careful reader
// would warn about. Without a place an unmarked date is Gregorian; with one it is read as the place
// wrote it at the time: its calendar and its year start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/PlaceHistory.h"

namespace vardex {

enum class DateQualifier {
    Exact,
    About,        // ABT
    Calculated,   // CAL
    Estimated,    // EST
    Before,       // BEF
    After,        // AFT
    Between,      // BET ... AND ...
    Period,       // FROM ... TO ..., FROM ..., TO ...
    Interpreted,  // INT ... (phrase)
    Phrase,       // (phrase) alone: kept, not read
};
// "exact", "about", "calculated", "estimated", "before", "after", "between", "period",
// "interpreted", "phrase"
const char *DateQualifierName(DateQualifier qualifier);

enum class RecordCalendar { Gregorian, Julian, Hebrew, FrenchRepublican };
// "gregorian", "julian", "hebrew", "french_republican"
const char *RecordCalendarName(RecordCalendar calendar);

// A warning about a date that was read: its id ("in_gap") and a sentence for people.
struct DateWarning {
    std::string id;
    std::string message;
    friend bool operator==(const DateWarning &, const DateWarning &) = default;
};

// The warning ids.
inline constexpr const char *kImpossible = "impossible";                    // no such day in its calendar
inline constexpr const char *kInGap = "in_gap";                             // the place skipped that day
inline constexpr const char *kYearStartAmbiguous = "year_start_ambiguous";  // 1 Jan-24 Mar, March year
inline constexpr const char *kDualYearMismatch = "dual_year_mismatch";      // 1731/33, or out of season
inline constexpr const char *kWeekdayMismatch = "weekday_mismatch";
inline constexpr const char *kCalendarAfterSwitch = "calendar_after_switch";    // Julian after the change
inline constexpr const char *kCalendarBeforeSwitch = "calendar_before_switch";  // Gregorian before it
inline constexpr const char *kAssumedGregorian = "assumed_gregorian";  // no mark, no place, before 1923

struct RecordDateReading {
    bool read = false;  // false: the text could not be read, and `error` says why
    std::string error;  // "No year in '23 Feb'.", ...
    DateQualifier qualifier = DateQualifier::Exact;
    RecordCalendar calendar = RecordCalendar::Gregorian;  // of the (first) date
    // The days the text can mean: one day, a month or year written without a day, the span of
    // BET and FROM ... TO. BEF and AFT give the days of the date they name. Nothing for a phrase,
    // and for a date that names no day (an impossible one).
    std::optional<int32_t> firstJdn, lastJdn;
    std::string phrase;  // INT's phrase, or the phrase alone, without its parentheses
    // With a place, how an unmarked date was read there: "Read as England and Wales wrote it: the
    // Julian calendar, the year beginning on 25 March."; empty otherwise.
    std::string readAs;
    std::vector<DateWarning> warnings;
};

// Reads `text`; `place`, when given, is where the date was written.
RecordDateReading ReadRecordDate(std::string_view text, const Place *place = nullptr);

}  // namespace vardex
