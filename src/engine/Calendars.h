// The calendars as values: which calendar, which Dee variant, a date of it, and the two
// conversions every other part of the program goes through. The calendars meet only at the
// Julian day number (JDN): Gregorian and Julian dates are converted by libdaybridge, Dee dates by
// DeeCalendar.h.
#pragma once

#include <cstdint>
#include <optional>

namespace vardex {

enum class Calendar { Gregorian, Julian, Dee };

// The Dee calendar's two variants differ only in their epoch, the JDN of 1-1-1.
enum class DeeVariant {
    Dee,       // 1-1-1 D = JDN 1,721,425
    DeeCecil,  // 1-1-1 DC = JDN 1,721,426
};

inline constexpr int32_t kDeeEpochJdn = 1721425;
inline constexpr int32_t kDeeCecilEpochJdn = 1721426;

constexpr int32_t DeeEpochJdn(DeeVariant variant)
{
    return variant == DeeVariant::Dee ? kDeeEpochJdn : kDeeCecilEpochJdn;
}

// A date in astronomical year numbering: year 0 is 1 BC, -1 is 2 BC.
struct CalendarDate {
    int32_t year = 0;
    int32_t month = 0;  // 1..12
    int32_t day = 0;    // 1..31
    friend bool operator==(const CalendarDate &, const CalendarDate &) = default;
};

// The JDN of a date, or nothing when the date does not exist in the calendar or its JDN does not
// fit in 32 bits. The variant is read for Calendar::Dee only.
std::optional<int32_t> DateToJDN(Calendar calendar, const CalendarDate &date, DeeVariant variant);

// The date of a JDN; every int32_t JDN has one in every calendar.
CalendarDate JDNToDate(Calendar calendar, int32_t jdn, DeeVariant variant);

// The calendar a calendar name stands for by its first letter, as the calendar lists name them
// ("Gregorian Calendar", "Julian", "Dee-Cecil Calendar"): G, J or D; nothing for any other.
std::optional<Calendar> CalendarOfLetter(char32_t firstLetter);

// "Dee" or "Dee-Cecil".
const char *DeeCalendarName(DeeVariant variant);

// "D" or "DC".
const char *DeeCalendarDesignation(DeeVariant variant);

// The designator of a year-month-day date: "CE", "JC", or the variant's "D" or "DC".
const char *CalendarDesignator(Calendar calendar, DeeVariant variant);

// "January" .. "December" for 1..12, the empty text for any other number.
const char *MonthName(int32_t month);

}  // namespace vardex
