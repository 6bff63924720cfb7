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
// Each conversion has two paths. The narrow one works on 32-bit values, as std::chrono does (a
// step that needs it takes a 64-bit product), and covers years within +-kNarrowYearLimit and
// the JDNs of about +-535,000,000 (years +-1,465,000); the wide one works in 64 bits and covers
// the rest. One predictable range test picks the path, so the dates of every-day use pay
// neither for 64-bit division nor for the check that their JDN fits.
//
// Ranges: FromDays accepts every int32_t JDN. ToDays accepts years in [-kYearLimit, kYearLimit],
// months 1..12 and days 1..31, and returns a 64-bit JDN that the caller checks against int32_t;
// the checked forms (GregorianDateToJdn, ...) do the whole job: date valid, JDN within int32_t.
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

// Years whose narrow path fits 32 bits: shifted by the calendar's narrow shift (about 1,470,000
// years), 1461 * year stays below 2^32.
inline constexpr int32_t kNarrowYearLimit = 1'400'000;

constexpr bool IsNarrowYear(int32_t y)
{
    return static_cast<uint32_t>(y) + uint32_t{kNarrowYearLimit} <= 2 * uint32_t{kNarrowYearLimit};
}

// A shifted day count n whose narrow path fits 32 bits: 4 * n + 3 < 2^32.
inline constexpr uint32_t kNarrowDayLimit = uint32_t{1} << 30;

// Days from 1 March to the first of computational month m in [3, 14]; result in [0, 337].
constexpr uint32_t DaysBeforeMonth(uint32_t m) { return (979 * m - 2919) / 32; }

// Computational month [3, 14] to calendar month, and the year's carry.
constexpr Ymd FromComputational(int32_t year, uint32_t dayOfYear)  // dayOfYear in [0, 365]
{
    const uint32_t n3 = 2141 * dayOfYear + 197913;
    const uint32_t m = n3 / 65536;         // [3, 14]
    const uint32_t d = n3 % 65536 / 2141;  // [0, 30]
    const uint32_t j = dayOfYear >= 306;   // January or February of the next year
    return {year + static_cast<int32_t>(j), static_cast<int32_t>(m - 12 * j), static_cast<int32_t>(d + 1)};
}

// ---- Gregorian: 400-year cycle of 146097 days; JDN 1721120 = 0000-03-01 -------------------
inline constexpr int64_t kGregorianMarch1Year0 = 1721120;
inline constexpr int64_t kGregorianCycles = 15000;  // wide: shift of 6,000,000 years
inline constexpr int64_t kGregorianShiftYears = 400 * kGregorianCycles;
inline constexpr int64_t kGregorianShiftDays = 146097 * kGregorianCycles;
inline constexpr uint32_t kGregorianNarrowYears = 400 * 3675;  // narrow: shift of 1,470,000 years
inline constexpr uint32_t kGregorianNarrowDays = 146097 * 3675;

constexpr int32_t GregorianToDaysNarrow(int32_t y, uint32_t m, uint32_t d)  // IsNarrowYear(y)
{
    const uint32_t jf = m <= 2;
    const uint32_t month = m + 12 * jf;                                            // [3, 14]
    const uint32_t year = static_cast<uint32_t>(y) + kGregorianNarrowYears - jf;  // [69'999, 2'870'000]
    const uint32_t century = year / 100;
    const uint32_t n = 1461 * year / 4 - century + century / 4 + DaysBeforeMonth(month) + d - 1;  // < 2^31
    return static_cast<int32_t>(n) - static_cast<int32_t>(kGregorianNarrowDays - kGregorianMarch1Year0);
}

constexpr int64_t GregorianToDaysWide(int32_t y, uint32_t m, uint32_t d)
{
    const uint32_t jf = m <= 2;
    const uint32_t month = m + 12 * jf;                                          // [3, 14]
    const uint64_t year = static_cast<uint64_t>(y + kGregorianShiftYears - jf);  // [99'999, 11'900'000]
    const uint64_t century = year / 100;
    const uint64_t n = 1461 * year / 4 - century + century / 4 + DaysBeforeMonth(month) + d - 1;
    return static_cast<int64_t>(n) - kGregorianShiftDays + kGregorianMarch1Year0;
}

constexpr int64_t GregorianToDays(int32_t y, uint32_t m, uint32_t d)
{
    if (IsNarrowYear(y)) [[likely]]
        return GregorianToDaysNarrow(y, m, d);
    return GregorianToDaysWide(y, m, d);
}

constexpr Ymd GregorianFromDays(int32_t jdn)
{
    const uint32_t narrow =
        static_cast<uint32_t>(jdn) + static_cast<uint32_t>(kGregorianNarrowDays - kGregorianMarch1Year0);
    if (narrow < kNarrowDayLimit) [[likely]] {
        const uint32_t n1 = 4 * narrow + 3;
        const uint32_t century = n1 / 146097;           // [0, 29'398]
        const uint32_t dayOfCentury = n1 % 146097 / 4;  // [0, 36524]
        const uint64_t p2 = uint64_t{2939745} * (4 * dayOfCentury + 3);
        const uint32_t yearOfCentury = static_cast<uint32_t>(p2 >> 32);      // [0, 99]
        const uint32_t dayOfYear = static_cast<uint32_t>(p2) / 2939745 / 4;  // [0, 365]
        const auto year = static_cast<int32_t>(100 * century + yearOfCentury - kGregorianNarrowYears);
        return FromComputational(year, dayOfYear);
    }
    const uint64_t n1 = 4 * static_cast<uint64_t>(jdn - kGregorianMarch1Year0 + kGregorianShiftDays) + 3;
    const uint64_t century = n1 / 146097;                                  // [0, 118'749]
    const uint32_t dayOfCentury = static_cast<uint32_t>(n1 % 146097 / 4);  // [0, 36524]
    const uint64_t p2 = uint64_t{2939745} * (4 * dayOfCentury + 3);
    const uint32_t yearOfCentury = static_cast<uint32_t>(p2 >> 32);      // [0, 99]
    const uint32_t dayOfYear = static_cast<uint32_t>(p2) / 2939745 / 4;  // [0, 365]
    const int64_t year = static_cast<int64_t>(100 * century + yearOfCentury) - kGregorianShiftYears;
    return FromComputational(static_cast<int32_t>(year), dayOfYear);
}

constexpr bool IsGregorianLeapYear(int32_t y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

// ---- Julian: 4-year cycle of 1461 days; JDN 1721118 = 0000-03-01 ---------------------------
inline constexpr int64_t kJulianMarch1Year0 = 1721118;
inline constexpr int64_t kJulianCycles = 1'500'000;  // wide: shift of 6,000,000 years
inline constexpr int64_t kJulianShiftYears = 4 * kJulianCycles;
inline constexpr int64_t kJulianShiftDays = 1461 * kJulianCycles;
inline constexpr uint32_t kJulianNarrowYears = 4 * 367'500;  // narrow: shift of 1,470,000 years
inline constexpr uint32_t kJulianNarrowDays = 1461 * 367'500;

constexpr int32_t JulianToDaysNarrow(int32_t y, uint32_t m, uint32_t d)  // IsNarrowYear(y)
{
    const uint32_t jf = m <= 2;
    const uint32_t month = m + 12 * jf;                                         // [3, 14]
    const uint32_t year = static_cast<uint32_t>(y) + kJulianNarrowYears - jf;  // [69'999, 2'870'000]
    const uint32_t n = 1461 * year / 4 + DaysBeforeMonth(month) + d - 1;        // < 2^31
    return static_cast<int32_t>(n) - static_cast<int32_t>(kJulianNarrowDays - kJulianMarch1Year0);
}

constexpr int64_t JulianToDaysWide(int32_t y, uint32_t m, uint32_t d)
{
    const uint32_t jf = m <= 2;
    const uint32_t month = m + 12 * jf;  // [3, 14]
    const uint64_t year = static_cast<uint64_t>(y + kJulianShiftYears - jf);
    const uint64_t n = 1461 * year / 4 + DaysBeforeMonth(month) + d - 1;
    return static_cast<int64_t>(n) - kJulianShiftDays + kJulianMarch1Year0;
}

constexpr int64_t JulianToDays(int32_t y, uint32_t m, uint32_t d)
{
    if (IsNarrowYear(y)) [[likely]]
        return JulianToDaysNarrow(y, m, d);
    return JulianToDaysWide(y, m, d);
}

constexpr Ymd JulianFromDays(int32_t jdn)
{
    const uint32_t narrow =
        static_cast<uint32_t>(jdn) + static_cast<uint32_t>(kJulianNarrowDays - kJulianMarch1Year0);
    if (narrow < kNarrowDayLimit) [[likely]] {
        const uint32_t n1 = 4 * narrow + 3;
        const uint32_t dayOfYear = n1 % 1461 / 4;  // [0, 365]
        return FromComputational(static_cast<int32_t>(n1 / 1461 - kJulianNarrowYears), dayOfYear);
    }
    const uint64_t n1 = 4 * static_cast<uint64_t>(jdn - kJulianMarch1Year0 + kJulianShiftDays) + 3;
    const uint32_t dayOfYear = static_cast<uint32_t>(n1 % 1461 / 4);  // [0, 365]
    const int64_t year = static_cast<int64_t>(n1 / 1461) - kJulianShiftYears;
    return FromComputational(static_cast<int32_t>(year), dayOfYear);
}

constexpr bool IsJulianLeapYear(int32_t y) { return y % 4 == 0; }

// ---- Dee: 33-year cycle of 12053 days; day 0 of the count = Dee 0000-03-01 = epoch - 306 ----
// In computational years a cycle starts with a year 33k; its years 3, 7, .., 31 hold a
// 29 February (at their end) and year 32 does not, so the days before year i of a cycle are
// 1461 * i / 4 for i in [0, 32], the Julian formula.
inline constexpr int64_t kDeeMarch1Year0FromEpoch = -306;  // Dee 0000-03-01 relative to 0001-01-01
inline constexpr int64_t kDeeCycles = 181'819;             // wide: shift of 6,000,027 years
inline constexpr int64_t kDeeShiftYears = 33 * kDeeCycles;
inline constexpr int64_t kDeeShiftDays = 12053 * kDeeCycles;
inline constexpr uint32_t kDeeNarrowYears = 33 * 44'546;  // narrow: shift of 1,470,018 years
inline constexpr uint32_t kDeeNarrowDays = 12053 * 44'546;

// Days from the narrow shift's Dee 0000-03-01; IsNarrowYear(y). The epoch is added by the caller.
// The days before computational year Y are 365 Y + 8 (Y div 33) + (Y mod 33) div 4, which is
// (12053 Y + 8) div 33 in one Euclidean affine function (Neri and Schneider).
constexpr int32_t DeeToDaysNarrow(int32_t y, uint32_t m, uint32_t d)
{
    const uint32_t jf = m <= 2;
    const uint32_t month = m + 12 * jf;                                      // [3, 14]
    const uint32_t year = static_cast<uint32_t>(y) + kDeeNarrowYears - jf;  // [70'017, 2'870'018]
    const auto yearDays = static_cast<uint32_t>((uint64_t{12053} * year + 8) / 33);
    return static_cast<int32_t>(yearDays + DaysBeforeMonth(month) + d - 1);  // < 2^31
}

static_assert([] {
    for (uint32_t year = 0; year < 2 * 33; ++year) {
        if ((uint64_t{12053} * year + 8) / 33 != 12053 * (year / 33) + 1461 * (year % 33) / 4)
            return false;
    }
    return true;
}(), "the one-step count of the days before a year agrees with the cycle-and-year count");

constexpr int64_t DeeToDaysWide(int32_t y, uint32_t m, uint32_t d, int32_t epoch)
{
    const uint32_t jf = m <= 2;
    const uint32_t month = m + 12 * jf;  // [3, 14]
    const uint64_t year = static_cast<uint64_t>(y + kDeeShiftYears - jf);
    const uint64_t cycle = year / 33;
    const uint32_t yearOfCycle = static_cast<uint32_t>(year % 33);  // [0, 32]
    const uint64_t n = 12053 * cycle + 1461 * yearOfCycle / 4 + DaysBeforeMonth(month) + d - 1;
    return static_cast<int64_t>(n) - kDeeShiftDays + epoch + kDeeMarch1Year0FromEpoch;
}

constexpr int64_t DeeToDays(int32_t y, uint32_t m, uint32_t d, int32_t epoch)
{
    if (IsNarrowYear(y)) [[likely]]
        return DeeToDaysNarrow(y, m, d) - int64_t{kDeeNarrowDays} + epoch + kDeeMarch1Year0FromEpoch;
    return DeeToDaysWide(y, m, d, epoch);
}

// The year and the day of the year of day n of the count, for n < 2^31: the inverse of the
// one-step count above, year = (33 n + 24) div 12053 and day of the year = ((33 n + 24) mod
// 12053) div 33 (Neri and Schneider).
inline constexpr uint32_t kDeeNarrowCountLimit = uint32_t{1} << 31;

constexpr Ymd DeeFromDays(int32_t jdn, int32_t epoch)
{
    const int64_t fromMarch1 = int64_t{jdn} - epoch - kDeeMarch1Year0FromEpoch;
    const int64_t narrow = fromMarch1 + kDeeNarrowDays;
    if (static_cast<uint64_t>(narrow) < kDeeNarrowCountLimit) [[likely]] {
        const uint64_t n1 = 33 * static_cast<uint64_t>(narrow) + 24;
        const auto year = static_cast<uint32_t>(n1 / 12053);                             // [0, 5'879'614]
        const auto dayOfYear = static_cast<uint32_t>(n1 - uint64_t{12053} * year) / 33;  // [0, 365]
        return FromComputational(static_cast<int32_t>(year - kDeeNarrowYears), dayOfYear);
    }
    const auto n = static_cast<uint64_t>(fromMarch1 + kDeeShiftDays);
    const auto dayOfCycle = static_cast<uint32_t>(n % 12053);  // [0, 12052]
    const auto cycleYear = static_cast<int32_t>(static_cast<int64_t>(33 * (n / 12053)) - kDeeShiftYears);
    const uint32_t n1 = 4 * dayOfCycle + 3;
    const uint32_t yearOfCycle = n1 / 1461;    // [0, 32]
    const uint32_t dayOfYear = n1 % 1461 / 4;  // [0, 365]
    return FromComputational(cycleYear + static_cast<int32_t>(yearOfCycle), dayOfYear);
}

constexpr bool IsDeeLeapYear(int32_t y)
{
    const int32_t r = (y % 33 + 33) % 33;  // [0, 32]
    return r != 0 && r % 4 == 0;
}

// ---- Shared --------------------------------------------------------------------------------
// Days of each month in a common year, by month number; 0 outside 1..12.
inline constexpr uint8_t kCommonMonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int32_t MonthLength(int32_t m, bool leap)
{
    if (m < 1 || m > 12)
        return 0;
    return kCommonMonthLengths[m] + (m == 2 && leap);
}

// Whether y-m-d is a real date with a year within reach. The leap rule isLeap(y) is asked only
// about 29 February, which keeps its divisions and unpredictable branches off the common path.
template <typename LeapRule>
constexpr bool IsRealDate(int32_t y, int32_t m, int32_t d, LeapRule isLeap)
{
    if (static_cast<uint32_t>(y) + uint32_t{kYearLimit} > 2 * uint32_t{kYearLimit})
        return false;
    if (static_cast<uint32_t>(m) - 1 >= 12)
        return false;
    if (static_cast<uint32_t>(d) - 1 < kCommonMonthLengths[m])
        return true;
    return m == 2 && d == 29 && isLeap(y);
}

// A day of a month in a common year with a narrow year: the common case, which needs neither
// the leap rule, nor the wide path, nor the check that the JDN fits.
constexpr bool IsEveryDayDate(int32_t y, int32_t m, int32_t d)
{
    return IsNarrowYear(y) && static_cast<uint32_t>(m) - 1 < 12 &&
           static_cast<uint32_t>(d) - 1 < kCommonMonthLengths[m];
}

constexpr bool FitsJdn(int64_t days) { return days >= INT32_MIN && days <= INT32_MAX; }

// ---- Checked conversions: a real date whose JDN fits in 32 bits, or false (jdn untouched) ---
// Each has an every-day path and, kept out of line so that it costs the every-day path neither
// registers nor instructions, the rest: 29 February, wide years, impossible fields.
[[gnu::noinline, gnu::cold]] constexpr bool GregorianDateToJdnRare(int32_t y, int32_t m, int32_t d,
                                                                   int32_t &jdn)
{
    if (!IsRealDate(y, m, d, IsGregorianLeapYear))
        return false;
    const int64_t days = GregorianToDays(y, static_cast<uint32_t>(m), static_cast<uint32_t>(d));
    if (!FitsJdn(days))
        return false;
    jdn = static_cast<int32_t>(days);
    return true;
}

constexpr bool GregorianDateToJdn(int32_t y, int32_t m, int32_t d, int32_t &jdn)
{
    if (IsEveryDayDate(y, m, d)) [[likely]] {
        jdn = GregorianToDaysNarrow(y, static_cast<uint32_t>(m), static_cast<uint32_t>(d));
        return true;
    }
    return GregorianDateToJdnRare(y, m, d, jdn);
}

[[gnu::noinline, gnu::cold]] constexpr bool JulianDateToJdnRare(int32_t y, int32_t m, int32_t d, int32_t &jdn)
{
    if (!IsRealDate(y, m, d, IsJulianLeapYear))
        return false;
    const int64_t days = JulianToDays(y, static_cast<uint32_t>(m), static_cast<uint32_t>(d));
    if (!FitsJdn(days))
        return false;
    jdn = static_cast<int32_t>(days);
    return true;
}

constexpr bool JulianDateToJdn(int32_t y, int32_t m, int32_t d, int32_t &jdn)
{
    if (IsEveryDayDate(y, m, d)) [[likely]] {
        jdn = JulianToDaysNarrow(y, static_cast<uint32_t>(m), static_cast<uint32_t>(d));
        return true;
    }
    return JulianDateToJdnRare(y, m, d, jdn);
}

// An epoch near JDN 0 (the program's are 1,721,425 and 1,721,426) keeps the JDN of every narrow
// year well inside 32 bits.
constexpr bool IsNearEpoch(int32_t epoch) { return static_cast<uint32_t>(epoch) + (1u << 30) < (1u << 31); }

[[gnu::noinline, gnu::cold]] constexpr bool DeeDateToJdnRare(int32_t y, int32_t m, int32_t d, int32_t epoch,
                                                             int32_t &jdn)
{
    if (!IsRealDate(y, m, d, IsDeeLeapYear))
        return false;
    const int64_t days = DeeToDays(y, static_cast<uint32_t>(m), static_cast<uint32_t>(d), epoch);
    if (!FitsJdn(days))
        return false;
    jdn = static_cast<int32_t>(days);
    return true;
}

// The JDN of an every-day date with an epoch near JDN 0: within [-1.62e9, 1.59e9].
constexpr int32_t DeeEveryDayJdn(int32_t y, int32_t m, int32_t d, int32_t epoch)
{
    return DeeToDaysNarrow(y, static_cast<uint32_t>(m), static_cast<uint32_t>(d)) -
           static_cast<int32_t>(kDeeNarrowDays) + epoch + static_cast<int32_t>(kDeeMarch1Year0FromEpoch);
}

constexpr bool DeeDateToJdn(int32_t y, int32_t m, int32_t d, int32_t epoch, int32_t &jdn)
{
    if (IsEveryDayDate(y, m, d) && IsNearEpoch(epoch)) [[likely]] {
        jdn = DeeEveryDayJdn(y, m, d, epoch);
        return true;
    }
    return DeeDateToJdnRare(y, m, d, epoch, jdn);
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
static_assert(DeeToDays(1, 1, 1, 1721426) == 1721426, "1-1-1 is the epoch itself");
static_assert(DeeFromDays(1721426 + 12053, 1721426).year == 34, "one 33-year cycle later");
static_assert(DayOfWeek(0) == 1, "JDN 0 is a Monday");
static_assert(DayOfWeek(INT32_MIN) >= 0 && DayOfWeek(INT32_MAX) < 7);

// The two paths meet: at the edges of each narrow range a date converts back to its JDN
// whichever path each direction takes.
constexpr bool GregorianRoundTrip(int32_t jdn)
{
    const Ymd d = GregorianFromDays(jdn);
    return GregorianToDays(d.year, static_cast<uint32_t>(d.month), static_cast<uint32_t>(d.day)) == jdn;
}
constexpr bool JulianRoundTrip(int32_t jdn)
{
    const Ymd d = JulianFromDays(jdn);
    return JulianToDays(d.year, static_cast<uint32_t>(d.month), static_cast<uint32_t>(d.day)) == jdn;
}
constexpr bool DeeRoundTrip(int32_t jdn, int32_t epoch)
{
    const Ymd d = DeeFromDays(jdn, epoch);
    return DeeToDays(d.year, static_cast<uint32_t>(d.month), static_cast<uint32_t>(d.day), epoch) == jdn;
}
static_assert(GregorianRoundTrip(-535'185'356) && GregorianRoundTrip(-535'185'355));
static_assert(GregorianRoundTrip(538'556'468) && GregorianRoundTrip(538'556'469));
static_assert(JulianRoundTrip(-535'196'383) && JulianRoundTrip(-535'196'382));
static_assert(JulianRoundTrip(538'545'441) && JulianRoundTrip(538'545'442));
static_assert(DeeRoundTrip(1721426 - 306 - 536'912'938, 1721426));
static_assert(DeeRoundTrip(1721426 - 306 - 536'912'939, 1721426));
static_assert(DeeRoundTrip(1'612'291'829, 1721426) && DeeRoundTrip(1'612'291'830, 1721426));
static_assert(GregorianToDays(kNarrowYearLimit, 3, 1) + 365 == GregorianToDays(kNarrowYearLimit + 1, 3, 1));
static_assert(GregorianToDays(-kNarrowYearLimit - 1, 3, 1) + 366 == GregorianToDays(-kNarrowYearLimit, 3, 1));
static_assert(JulianToDays(kNarrowYearLimit, 3, 1) + 365 == JulianToDays(kNarrowYearLimit + 1, 3, 1));
static_assert(DeeToDays(kNarrowYearLimit, 3, 1, 0) + 365 == DeeToDays(kNarrowYearLimit + 1, 3, 1, 0));

}  // namespace daybridge::algo

#endif  // DAYBRIDGE_ALGORITHMS_HPP
