// SPDX-License-Identifier: MIT
// The calendar arithmetic behind daybridge: the proleptic Gregorian and Julian calendars, one
// 64-bit path each, with no branch but the one between January/February and the other months.
// Header-only, and not installed: the program's own Dee calendar (src/engine/DeeCalendar.cpp)
// takes the computational-year helpers from here, so the three calendars share their shape.
//
// Both count in a computational year that starts on 1 March, so that the leap day is the last
// day of its year and every month but February has a fixed place. The conversions are the
// Euclidean affine functions of C. Neri and L. Schneider, "Euclidean affine functions and their
// application to calendar algorithms", Softw. Pract. Exper. 53 (2023), in the shape of
// H. Hinnant's "chrono-Compatible Low-Level Date Algorithms": shift the count by a whole number
// of cycles so that every value is non-negative, then divide unsigned.
//
// Ranges: FromDays accepts every int32_t JDN. ToDays accepts years in [-kYearLimit, kYearLimit],
// months 1..12 and days 1..31 and returns a 64-bit JDN; DateToJdn checks the date and that its
// JDN fits in int32_t. The exhaustive check (tests/exhaustive) walks every int32_t JDN.
#ifndef DAYBRIDGE_ALGORITHMS_HPP
#define DAYBRIDGE_ALGORITHMS_HPP

#include <cstdint>

namespace daybridge::algo {

struct Ymd {
    int32_t year;
    int32_t month;
    int32_t day;
};

// Far beyond every year whose JDN fits in 32 bits (about -5,884,000 .. +5,874,000).
inline constexpr int32_t kYearLimit = 5'900'000;

// Days from 1 March to the first of computational month m in [3, 14]; result in [0, 337].
constexpr uint32_t DaysBeforeMonth(uint32_t m) { return (979 * m - 2919) / 32; }

// A computational day of the year to the calendar month and day, and the year's carry.
constexpr Ymd FromComputational(int64_t year, uint32_t dayOfYear)  // dayOfYear in [0, 365]
{
    const uint32_t n3 = 2141 * dayOfYear + 197913;
    const uint32_t m = n3 / 65536;         // [3, 14]
    const uint32_t d = n3 % 65536 / 2141;  // [0, 30]
    const uint32_t j = dayOfYear >= 306;   // January or February of the next year
    return {static_cast<int32_t>(year + j), static_cast<int32_t>(m - 12 * j), static_cast<int32_t>(d + 1)};
}

// ---- Gregorian: 400-year cycle of 146097 days; JDN 1721120 = 0000-03-01 -------------------
inline constexpr int64_t kGregorianMarch1Year0 = 1721120;
inline constexpr int64_t kGregorianShiftYears = 400 * 15'000;  // 6,000,000 years, > kYearLimit
inline constexpr int64_t kGregorianShiftDays = int64_t{146097} * 15'000;

constexpr int64_t GregorianToDays(int32_t y, uint32_t m, uint32_t d)
{
    const uint32_t jf = m <= 2;
    const auto year = static_cast<uint32_t>(y + kGregorianShiftYears - jf);  // [99'999, 11'900'000]
    const uint32_t century = year / 100;                                     // [999, 119'000]
    // 1461 year / 4 as 365 year + year / 4, so that only the product needs 64 bits.
    const uint64_t n =
        365 * uint64_t{year} + year / 4 - century + century / 4 + DaysBeforeMonth(m + 12 * jf) + d - 1;
    return static_cast<int64_t>(n) - kGregorianShiftDays + kGregorianMarch1Year0;
}

constexpr Ymd GregorianFromDays(int32_t jdn)
{
    const uint64_t n1 = 4 * static_cast<uint64_t>(jdn - kGregorianMarch1Year0 + kGregorianShiftDays) + 3;
    const uint64_t century = n1 / 146097;                                  // [1'156, 118'748]
    const uint32_t dayOfCentury = static_cast<uint32_t>(n1 % 146097 / 4);  // [0, 36524]
    const uint64_t p2 = uint64_t{2939745} * (4 * dayOfCentury + 3);
    const uint32_t yearOfCentury = static_cast<uint32_t>(p2 >> 32);      // [0, 99]
    const uint32_t dayOfYear = static_cast<uint32_t>(p2) / 2939745 / 4;  // [0, 365]
    return FromComputational(static_cast<int64_t>(100 * century + yearOfCentury) - kGregorianShiftYears,
                             dayOfYear);
}

constexpr bool IsGregorianLeapYear(int32_t y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

// ---- Julian: 4-year cycle of 1461 days; JDN 1721118 = 0000-03-01 ---------------------------
inline constexpr int64_t kJulianMarch1Year0 = 1721118;
inline constexpr int64_t kJulianShiftYears = 4 * 1'500'000;  // 6,000,000 years, > kYearLimit
inline constexpr int64_t kJulianShiftDays = int64_t{1461} * 1'500'000;

constexpr int64_t JulianToDays(int32_t y, uint32_t m, uint32_t d)
{
    const uint32_t jf = m <= 2;
    const auto year = static_cast<uint32_t>(y + kJulianShiftYears - jf);  // [99'999, 11'900'000]
    const uint64_t n = 365 * uint64_t{year} + year / 4 + DaysBeforeMonth(m + 12 * jf) + d - 1;
    return static_cast<int64_t>(n) - kJulianShiftDays + kJulianMarch1Year0;
}

constexpr Ymd JulianFromDays(int32_t jdn)
{
    const uint64_t n1 = 4 * static_cast<uint64_t>(jdn - kJulianMarch1Year0 + kJulianShiftDays) + 3;
    const uint32_t dayOfYear = static_cast<uint32_t>(n1 % 1461 / 4);  // [0, 365]
    return FromComputational(static_cast<int64_t>(n1 / 1461) - kJulianShiftYears, dayOfYear);
}

constexpr bool IsJulianLeapYear(int32_t y) { return y % 4 == 0; }

// ---- Checks shared by both calendars --------------------------------------------------------
// Days of each month in a common year, by month number.
inline constexpr uint8_t kCommonMonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Whether y-m-d is a real date with a year within reach. The leap rule is asked only about
// 29 February, which keeps its divisions off the path of every other day.
template <typename LeapRule> constexpr bool IsRealDate(int32_t y, int32_t m, int32_t d, LeapRule isLeap)
{
    if (y < -kYearLimit || y > kYearLimit || m < 1 || m > 12 || d < 1)
        return false;
    if (d <= kCommonMonthLengths[m])
        return true;
    return m == 2 && d == 29 && isLeap(y);
}

constexpr bool FitsJdn(int64_t days) { return days >= INT32_MIN && days <= INT32_MAX; }

// A real date whose JDN fits in 32 bits sets jdn and gives true; anything else gives false and
// leaves jdn alone.
constexpr bool GregorianDateToJdn(int32_t y, int32_t m, int32_t d, int32_t &jdn)
{
    if (!IsRealDate(y, m, d, IsGregorianLeapYear))
        return false;
    const int64_t days = GregorianToDays(y, static_cast<uint32_t>(m), static_cast<uint32_t>(d));
    if (!FitsJdn(days))
        return false;
    jdn = static_cast<int32_t>(days);
    return true;
}

constexpr bool JulianDateToJdn(int32_t y, int32_t m, int32_t d, int32_t &jdn)
{
    if (!IsRealDate(y, m, d, IsJulianLeapYear))
        return false;
    const int64_t days = JulianToDays(y, static_cast<uint32_t>(m), static_cast<uint32_t>(d));
    if (!FitsJdn(days))
        return false;
    jdn = static_cast<int32_t>(days);
    return true;
}

// Weekday of a JDN, 0 = Sunday; JDN 0 is a Monday.
constexpr int32_t DayOfWeek(int32_t jdn)
{
    return static_cast<int32_t>((static_cast<int64_t>(jdn) + 1 + 7 * 306783379LL) % 7);  // shift >= 2^31
}

static_assert(GregorianToDays(2000, 1, 1) == 2451545, "J2000.0 falls on JDN 2,451,545");
static_assert(JulianToDays(-4712, 1, 1) == 0, "JDN 0 is 1 January 4713 BC, Julian");
static_assert(GregorianToDays(-4713, 11, 24) == 0, "JDN 0 is 24 November 4714 BC, Gregorian");
static_assert(GregorianFromDays(2451545).year == 2000 && GregorianFromDays(2451545).day == 1);
static_assert(JulianFromDays(0).year == -4712 && JulianFromDays(0).month == 1);
static_assert(GregorianFromDays(INT32_MIN).year == -5884323 && GregorianFromDays(INT32_MAX).year == 5874898,
              "the ends of the JDN range stay inside the shift");
static_assert(JulianFromDays(INT32_MIN).year == -5884202 && JulianFromDays(INT32_MAX).year == 5874777);
static_assert(DayOfWeek(0) == 1, "JDN 0 is a Monday");
static_assert(DayOfWeek(INT32_MIN) >= 0 && DayOfWeek(INT32_MAX) < 7);

}  // namespace daybridge::algo

#endif  // DAYBRIDGE_ALGORITHMS_HPP
