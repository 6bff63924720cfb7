// SPDX-License-Identifier: MIT
#include "HandCalendars.h"

namespace vardex {

namespace {

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
