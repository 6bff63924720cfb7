// SPDX-License-Identifier: MIT
#include "HandCalendars.h"

#include <limits>

namespace vardex {

namespace {

// The Hebrew calendar's time: a day of 24 hours from 6 pm, an hour of 1,080 parts (chalakim).
constexpr int64_t kPartsPerHour = 1080;
constexpr int64_t kPartsPerDay = 24 * kPartsPerHour;                         // 25,920
constexpr int64_t kLunation = 29 * kPartsPerDay + 12 * kPartsPerHour + 793;  // 765,433 parts
// The molad of Tishrei AM 1 (BaHaRaD): day 2 (Monday), 5 hours and 204 parts, counted from the
// evening that began the Sunday before the epoch, the day the Hebrew days are counted from here.
constexpr int64_t kMoladBaharad = 1 * kPartsPerDay + 5 * kPartsPerHour + 204;
constexpr int32_t kHebrewDayZeroJdn = kHebrewEpochJdn - 1;  // a Sunday

// Months from Tishrei AM 1 to Tishrei of year (>= 1): 235 in each 19-year cycle.
constexpr int64_t MonthsBefore(int64_t year) { return (235 * year - 234) / 19; }  // [0, 74,210,526]

// Days from day zero to 1 Tishrei of year (>= 1): the day of its molad, postponed by the four rules
// (dehiyyot). Maimonides, Mishneh Torah, Sanctification of the New Moon, chapters 6 and 7;
// Reingold and Dershowitz, "Calendrical Calculations", chapter 8 (The Hebrew Calendar).
constexpr int64_t NewYearDay(int64_t year)
{
    const int64_t molad = kMoladBaharad + MonthsBefore(year) * kLunation;  // parts, [31,524, 5.7e13]
    int64_t day = molad / kPartsPerDay;
    const int64_t time = molad % kPartsPerDay;  // parts since 6 pm, [0, 25,919]
    const int64_t weekday = day % 7;            // 0 = Sunday
    // Molad zaken: a molad at noon or later moves the new year to the next day. GaTaRaD: a common
    // year whose molad is on Tuesday at 9 h 204 p or later would last 356 days. BeTUTaKPaT: after
    // a leap year, a molad on Monday at 15 h 589 p or later would leave that year 382 days.
    if (time >= 18 * kPartsPerHour ||
        (!IsHebrewLeapYear(year) && weekday == 2 && time >= 9 * kPartsPerHour + 204) ||
        (IsHebrewLeapYear(year - 1) && weekday == 1 && time >= 15 * kPartsPerHour + 589))
        ++day;
    // Lo ADU Rosh: the new year is never a Sunday, Wednesday or Friday.
    if (day % 7 == 0 || day % 7 == 3 || day % 7 == 5)
        ++day;
    return day;
}

static_assert(kMoladBaharad + MonthsBefore(kLastHebrewYear + 1) * kLunation <
                  std::numeric_limits<int64_t>::max() / 1000,
              "the parts of the last molad fit in 64 bits with room to spare");
static_assert(kHebrewDayZeroJdn + NewYearDay(kLastHebrewYear) > std::numeric_limits<int32_t>::max(),
              "the last year begins beyond the last int32 JDN");
static_assert(NewYearDay(1) == 1, "1 Tishrei AM 1 is the day of the molad BaHaRaD, a Monday");

// The months of a year in their order and length.
struct HebrewYear {
    int64_t year;
    bool leap;
    int32_t length;  // [353, 385]

    explicit HebrewYear(int64_t y)
        : year(y),
          leap(IsHebrewLeapYear(y)),
          length(static_cast<int32_t>(NewYearDay(y + 1) - NewYearDay(y)))
    {
    }
    int32_t MonthLength(int32_t month) const
    {
        switch (month) {
        case 8: return length % 10 == 5 ? 30 : 29;  // Heshvan: 30 in a full year
        case 9: return length % 10 == 3 ? 29 : 30;  // Kislev: 29 in a deficient year
        case 12: return leap ? 30 : 29;             // Adar I, or Adar
        case 13: return leap ? 29 : 0;              // Adar II
        default: return month % 2 == 1 ? 30 : 29;   // Nisan 30, Iyyar 29, .., Tishrei 30, Tevet 29, Shevat 30
        }
    }
    // The month after month, in the year's order Tishrei .. Adar (Adar I, Adar II), Nisan .. Elul.
    int32_t Next(int32_t month) const { return month == 13 || (month == 12 && !leap) ? 1 : month + 1; }
};

// Leap years among 1..n under Romme's rule.
constexpr int64_t RommeLeapYears(int64_t n) { return n / 4 - n / 100 + n / 400; }

// Days from 1 Vendemiaire 1 to 1 Vendemiaire of year (year >= 1). Years 1..14 hold the three
// sextile years 3, 7 and 11; from year 15 on, Romme's count of years 1..year-1 gives the same three
// for the first fourteen years (4, 8 and 12), so one formula serves from there.
constexpr int64_t DaysBeforeYear(int64_t year)
{
    const int64_t leapYears = year >= 15 ? RommeLeapYears(year - 1) : (year > 3) + (year > 7) + (year > 11);
    return 365 * (year - 1) + leapYears;
}

}  // namespace

bool IsFrenchRepublicanLeapYear(int64_t year)
{
    if (year < 15)
        return year == 3 || year == 7 || year == 11;
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::optional<FrenchRepublicanDate> FrenchRepublicanOf(int32_t jdn)
{
    const int64_t days = int64_t{jdn} - kFrenchRepublicanEpochJdn;
    if (days < 0)
        return std::nullopt;
    int64_t year = days * 400 / 146097 + 1;  // within one of the year; corrected below
    while (DaysBeforeYear(year) > days)
        --year;
    while (DaysBeforeYear(year + 1) <= days)
        ++year;
    const auto dayOfYear = static_cast<int32_t>(days - DaysBeforeYear(year));  // 0..365
    return FrenchRepublicanDate{year, dayOfYear / 30 + 1, dayOfYear % 30 + 1,
                                IsFrenchRepublicanLeapYear(year)};
}

std::optional<int32_t> FrenchRepublicanToJdn(const FrenchRepublicanDate &date)
{
    const int32_t lastDay = date.month < 13 ? 30 : IsFrenchRepublicanLeapYear(date.year) ? 6 : 5;
    if (date.year < 1 || date.year > 6'000'000 || date.month < 1 || date.month > 13 || date.day < 1 ||
        date.day > lastDay)
        return std::nullopt;
    const int64_t jdn =
        kFrenchRepublicanEpochJdn + DaysBeforeYear(date.year) + 30 * (date.month - 1) + date.day - 1;
    if (jdn > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(jdn);
}

std::optional<HebrewDate> HebrewOf(int32_t jdn)
{
    if (jdn < kHebrewEpochJdn)
        return std::nullopt;
    const int64_t day = int64_t{jdn} - kHebrewDayZeroJdn;
    // The mean year is 35,975,351 / 98,496 days: within one of the year; corrected below.
    int64_t year = (int64_t{jdn} - kHebrewEpochJdn) * 98496 / 35975351 + 1;
    while (NewYearDay(year) > day)
        --year;
    while (NewYearDay(year + 1) <= day)
        ++year;
    const HebrewYear months(year);
    auto left = static_cast<int32_t>(day - NewYearDay(year));  // [0, 384]
    int32_t month = 7;
    // A year has at most 13 months: the bound keeps a wrong month order from running on forever.
    for (int steps = 0; steps < 13 && left >= months.MonthLength(month); ++steps) {
        left -= months.MonthLength(month);
        month = months.Next(month);
    }
    return HebrewDate{year, month, left + 1};
}

std::optional<int32_t> HebrewToJdn(const HebrewDate &date)
{
    if (date.year < 1 || date.year > kLastHebrewYear || date.month < 1 || date.month > 13)
        return std::nullopt;
    const HebrewYear months(date.year);
    if (date.day < 1 || date.day > months.MonthLength(date.month))
        return std::nullopt;
    int64_t jdn = kHebrewDayZeroJdn + NewYearDay(date.year) + date.day - 1;
    int32_t month = 7;
    for (int steps = 0; steps < 13 && month != date.month; ++steps, month = months.Next(month))
        jdn += months.MonthLength(month);
    if (jdn > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(jdn);
}

std::optional<MayanDate> MayanOf(int32_t jdn)
{
    const int64_t days = int64_t{jdn} - kMayanCreationJdn;
    if (days < 0)
        return std::nullopt;
    MayanDate date;
    // The creation day closes the previous cycle of thirteen baktuns and is written 13.0.0.0.0.
    date.longCount = {days == 0 ? 13 : days / 144000, days / 7200 % 20, days / 360 % 20, days / 20 % 18,
                      days % 20};
    date.tzolkinNumber = static_cast<int32_t>((days + 3) % 13 + 1);      // the creation day is 4 Ajaw
    date.tzolkinName = static_cast<int32_t>((days + 19) % 20 + 1);       // Ajaw = 20
    const auto haab = static_cast<int32_t>((days + 17 * 20 + 8) % 365);  // and 8 Kumk'u, month 18
    date.haabDay = haab % 20;
    date.haabMonth = haab / 20 + 1;
    return date;
}

}  // namespace vardex
