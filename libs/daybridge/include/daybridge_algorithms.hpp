// Calendar arithmetic behind daybridge, header-only so that other calendars of the same shape
// (the program's Dee calendar) share it line for line.
//
// Every calendar here counts in a computational year that starts on 1 March, so that the leap
// day is the last day of its year and every month but February has a fixed place. The
// conversions are the Euclidean affine functions of C. Neri and L. Schneider, "Euclidean affine
// functions and their application to calendar algorithms", Softw. Pract. Exper. 53 (2023), and
// follow the shape of H. Hinnant's "chrono-Compatible Low-Level Date Algorithms": shift the day
// count by a whole number of cycles so that everything is non-negative, then divide unsigned.
//
// Ranges: FromDays accepts every int32_t JDN. ToDays accepts years in [-kYearLimit, kYearLimit],
// months 1..12 and days 1..31, and returns a 64-bit JDN that the caller checks against int32_t.
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

// Computational month [3, 14] to calendar month, and the year's carry.
constexpr Ymd FromComputational(int64_t year, uint32_t dayOfYear)  // dayOfYear in [0, 365]
{
    const uint32_t n3 = 2141 * dayOfYear + 197913;
    const uint32_t m = n3 / 65536;               // [3, 14]
    const uint32_t d = n3 % 65536 / 2141;        // [0, 30]
    const uint32_t j = dayOfYear >= 306;         // January or February of the next year
    return {static_cast<int32_t>(year + j), static_cast<int32_t>(j ? m - 12 : m),
            static_cast<int32_t>(d + 1)};
}

// ---- Gregorian: 400-year cycle of 146097 days; JDN 1721120 = 0000-03-01 -------------------
inline constexpr int64_t kGregorianCycles = 15000;  // shift of 6,000,000 years
inline constexpr int64_t kGregorianShiftYears = 400 * kGregorianCycles;
inline constexpr int64_t kGregorianShiftDays = 146097 * kGregorianCycles;
inline constexpr int64_t kGregorianMarch1Year0 = 1721120;

constexpr int64_t GregorianToDays(int32_t y, uint32_t m, uint32_t d)
{
    const uint32_t jf = m <= 2;
    const uint64_t year = static_cast<uint64_t>(y + kGregorianShiftYears - jf);  // [99'999, 11'900'000]
    const uint32_t month = jf ? m + 12 : m;                                      // [3, 14]
    const uint64_t century = year / 100;
    const uint64_t yearDays = 1461 * year / 4 - century + century / 4;
    const uint64_t n = yearDays + DaysBeforeMonth(month) + d - 1;
    return static_cast<int64_t>(n) - kGregorianShiftDays + kGregorianMarch1Year0;
}

constexpr Ymd GregorianFromDays(int32_t jdn)
{
    const uint64_t n = static_cast<uint64_t>(jdn - kGregorianMarch1Year0 + kGregorianShiftDays);
    const uint64_t n1 = 4 * n + 3;
    const uint64_t century = n1 / 146097;
    const uint32_t dayOfCentury = static_cast<uint32_t>(n1 % 146097 / 4);      // [0, 36524]
    const uint32_t n2 = 4 * dayOfCentury + 3;
    const uint64_t p2 = uint64_t{2939745} * n2;
    const uint32_t yearOfCentury = static_cast<uint32_t>(p2 / 4294967296);  // [0, 99]
    const uint32_t dayOfYear = static_cast<uint32_t>(p2 % 4294967296) / 2939745 / 4;  // [0, 365]
    const int64_t year = static_cast<int64_t>(100 * century + yearOfCentury) - kGregorianShiftYears;
    return FromComputational(year, dayOfYear);
}

constexpr bool IsGregorianLeapYear(int32_t y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

// ---- Julian: 4-year cycle of 1461 days; JDN 1721118 = 0000-03-01 ---------------------------
inline constexpr int64_t kJulianCycles = 1'500'000;  // shift of 6,000,000 years
inline constexpr int64_t kJulianShiftYears = 4 * kJulianCycles;
inline constexpr int64_t kJulianShiftDays = 1461 * kJulianCycles;
inline constexpr int64_t kJulianMarch1Year0 = 1721118;

constexpr int64_t JulianToDays(int32_t y, uint32_t m, uint32_t d)
{
    const uint32_t jf = m <= 2;
    const uint64_t year = static_cast<uint64_t>(y + kJulianShiftYears - jf);
    const uint32_t month = jf ? m + 12 : m;
    const uint64_t yearDays = 1461 * year / 4;
    const uint64_t n = yearDays + DaysBeforeMonth(month) + d - 1;
    return static_cast<int64_t>(n) - kJulianShiftDays + kJulianMarch1Year0;
}

constexpr Ymd JulianFromDays(int32_t jdn)
{
    const uint64_t n = static_cast<uint64_t>(jdn - kJulianMarch1Year0 + kJulianShiftDays);
    const uint64_t n1 = 4 * n + 3;
    const uint64_t cycleYear = n1 / 1461;
    const uint32_t dayOfYear = static_cast<uint32_t>(n1 % 1461 / 4);  // [0, 365]
    const int64_t year = static_cast<int64_t>(cycleYear) - kJulianShiftYears;
    return FromComputational(year, dayOfYear);
}

constexpr bool IsJulianLeapYear(int32_t y) { return y % 4 == 0; }

// ---- Dee: 33-year cycle of 12053 days; day 0 of the count = Dee 0000-03-01 = epoch - 306 ----
// In computational years a cycle starts with a year 33k; its years 3, 7, .., 31 hold a
// 29 February (at their end) and year 32 does not, so the days before year i of a cycle are
// 1461 * i / 4 for i in [0, 32], the Julian formula.
inline constexpr int64_t kDeeCycles = 181'819;  // shift of 6,000,027 years
inline constexpr int64_t kDeeShiftYears = 33 * kDeeCycles;
inline constexpr int64_t kDeeShiftDays = 12053 * kDeeCycles;
inline constexpr int64_t kDeeMarch1Year0FromEpoch = -306;  // Dee 0000-03-01 relative to 0001-01-01

constexpr int64_t DeeToDays(int32_t y, uint32_t m, uint32_t d, int32_t epoch)
{
    const uint32_t jf = m <= 2;
    const uint64_t year = static_cast<uint64_t>(y + kDeeShiftYears - jf);
    const uint32_t month = jf ? m + 12 : m;
    const uint64_t cycle = year / 33;
    const uint32_t yearOfCycle = static_cast<uint32_t>(year % 33);      // [0, 32]
    const uint64_t yearDays = 12053 * cycle + 1461 * yearOfCycle / 4;
    const uint64_t n = yearDays + DaysBeforeMonth(month) + d - 1;
    return static_cast<int64_t>(n) - kDeeShiftDays + epoch + kDeeMarch1Year0FromEpoch;
}

constexpr Ymd DeeFromDays(int32_t jdn, int32_t epoch)
{
    const uint64_t n = static_cast<uint64_t>(int64_t{jdn} - epoch - kDeeMarch1Year0FromEpoch + kDeeShiftDays);
    const uint64_t cycle = n / 12053;
    const uint32_t dayOfCycle = static_cast<uint32_t>(n % 12053);      // [0, 12052]
    const uint32_t n1 = 4 * dayOfCycle + 3;
    const uint32_t yearOfCycle = n1 / 1461;                            // [0, 32]
    const uint32_t dayOfYear = n1 % 1461 / 4;                          // [0, 365]
    const int64_t year = static_cast<int64_t>(33 * cycle + yearOfCycle) - kDeeShiftYears;
    return FromComputational(year, dayOfYear);
}

constexpr bool IsDeeLeapYear(int32_t y)
{
    const int32_t r = (y % 33 + 33) % 33;  // [0, 32]
    return r != 0 && r % 4 == 0;
}

// ---- Shared --------------------------------------------------------------------------------
constexpr int32_t MonthLength(int32_t m, bool leap)
{
    constexpr int32_t kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12)
        return 0;
    return kLengths[m] + (m == 2 && leap);
}

// Validity shared by all three calendars: month and day of a real date, year within reach.
constexpr bool IsPlausible(int32_t y, int32_t m, int32_t d, bool leap)
{
    return y >= -kYearLimit && y <= kYearLimit && d >= 1 && d <= MonthLength(m, leap);
}

constexpr bool FitsJdn(int64_t days) { return days >= INT32_MIN && days <= INT32_MAX; }

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
static_assert(DeeToDays(1, 1, 1, 1721426) == 1721426, "1-1-1 is the epoch itself");
static_assert(DeeFromDays(1721426 + 12053, 1721426).year == 34, "one 33-year cycle later");
static_assert(DayOfWeek(0) == 1, "JDN 0 is a Monday");
static_assert(DayOfWeek(INT32_MIN) >= 0 && DayOfWeek(INT32_MAX) < 7);

}  // namespace daybridge::algo

#endif  // DAYBRIDGE_ALGORITHMS_HPP
