// SPDX-License-Identifier: MIT
// One day in the world's calendars as numbers: each calendar's date, or nothing where the calendar
// does not hold the day. The names and the texts are WorldCalendars.h's.
#pragma once

#include <cstdint>
#include <optional>

#include "HandCalendars.h"
#include "engine/CalendarDate.h"

namespace vardex {

// The years of the published Umm al-Qura table, which ICU follows: 1 Muharram 1300 AH (12 November
// 1882) to 30 Dhu al-Hijjah 1600 AH (25 November 2174). Beyond, ICU falls back on the tabular calendar.
inline constexpr int32_t kFirstUmmAlQuraJdn = 2408762;
inline constexpr int32_t kLastUmmAlQuraJdn = 2515426;

// A date of a calendar of years, months and days.
struct MonthDate {
    int64_t year = 0;       // in the era, where the calendar counts eras
    int32_t month = 0;      // from 1, as the JSON numbers it
    int32_t day = 0;        // from 1
    int32_t era = 0;        // the calendar's own era number, from 0 (Japanese: 0 Meiji .. 4 Reiwa)
    bool leapYear = false;  // where the calendar notes it
};

// Meiji, Taishō, Shōwa, Heisei and Reiwa: the eras of the Gregorian calendar in Japan.
inline constexpr int32_t kJapaneseEraCount = 5;
// The Republic of China's eras: the years before 1912 count back.
inline constexpr int32_t kBeforeMinguo = 0, kMinguo = 1;

struct IsoWeekDate {
    int32_t year = 0;     // a year of the int32 JDNs, or one beside it
    int32_t week = 0;     // [1, 53]
    int32_t weekday = 0;  // Monday = 1 .. Sunday = 7
};

struct YearDay {
    int32_t year = 0;  // Gregorian
    int64_t day = 0;   // [1, 366]
};

struct ChineseDate {
    int32_t cycle = 0;  // of 60 years
    int32_t year = 0;   // in the cycle, [1, 60]
    int32_t month = 0;  // [1, 12]
    bool leapMonth = false;
    int32_t day = 0;
};

struct WorldDates {
    int32_t weekday = 0;  // 0 = Sunday
    CalendarDate gregorian, julian, dee;
    std::optional<IsoWeekDate> isoWeek;
    std::optional<YearDay> dayOfYear;
    std::optional<MonthDate> hebrew, islamicCivil, islamicUmmAlQura, persian;
    std::optional<ChineseDate> chinese;
    std::optional<MonthDate> coptic, ethiopian, indian, japanese, roc, buddhist, frenchRepublican;
    std::optional<MayanDate> mayan;
    // At 0 h UT of the day: the Julian Date in half days (odd: JD = JDN - 0.5), Unix time in seconds;
    // the Modified Julian Date, Rata Die and Lilian day are whole.
    int64_t julianDateHalfDays = 0;
    int64_t modifiedJulianDate = 0, rataDie = 0, lilianDay = 0, unixTime = 0;
};

// The day in every calendar (Dee in `variant`).
WorldDates WorldDatesOf(int32_t jdn, DeeVariant variant);

}  // namespace vardex
