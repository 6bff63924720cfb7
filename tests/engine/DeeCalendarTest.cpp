#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/DeeCalendar.h"

namespace vardex {
namespace {

// The Dee calendar computed the long way, year by year and month by month, with truncating
// division as in its published description. The engine computes it in constant time and must
// agree with this on every day.
namespace reference {

bool IsLeap(int32_t year)
{
    if (year >= 1)
        return ((year - 1) % 33) % 4 == 3;
    return ((-int64_t{year}) % 33) % 4 == 1;
}

int MonthLength(int month, int32_t year)
{
    static const int kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return kLengths[month] + (month == 2 && IsLeap(year));
}

bool DateToJdn(int32_t year, int month, int day, int32_t epoch, int64_t &jdn)
{
    if (day < 1 || day > MonthLength(month, year))
        return false;
    int64_t c, i;
    if (year >= 1) {
        c = (year - 1) / 33;
        i = (year - 1) % 33;
    } else {
        c = year / 33 - 1;
        i = 32 - ((-year) % 33);
    }
    int64_t n = 12053 * c + 365 * i + i / 4;
    for (int m = 1; m < month; ++m)
        n += MonthLength(m, year);
    jdn = n + day + epoch - 1;
    return true;
}

void JdnToDate(int64_t jdn, int32_t epoch, int32_t &year, int &month, int &day)
{
    const int64_t d = jdn - epoch;
    int64_t r;
    if (d >= 0) {
        year = static_cast<int32_t>(33 * (d / 12053) + 1);
        r = d % 12053;
    } else {
        const int64_t e = -d - 1;
        year = static_cast<int32_t>(-32 - 33 * (e / 12053));
        r = 12052 - e % 12053;
    }
    for (int k = 1; k <= 33; ++k) {
        const int length = IsLeap(k) ? 366 : 365;
        if (r < length)
            break;
        ++year;
        r -= length;
    }
    month = 1;
    for (int m = 1; m <= 12; ++m) {
        const int length = MonthLength(m, year);
        if (r < length)
            break;
        ++month;
        r -= length;
    }
    day = static_cast<int>(r) + 1;
}

}  // namespace reference

std::optional<int32_t> Dee(int32_t y, int32_t m, int32_t d, DeeVariant variant = DeeVariant::DeeCecil)
{
    return DeeDateToJDN({y, m, d}, variant);
}

CalendarDate FromJdn(int32_t jdn, DeeVariant variant = DeeVariant::DeeCecil)
{
    return DeeJDNToDate(jdn, variant);
}

TEST(Dee, LeapYearsFollowTheThirtyThreeYearCycle)
{
    struct Case {
        int32_t year;
        bool leap;
    };
    const Case cases[] = {{4, true},         {8, true},
                          {32, true},        {37, true},
                          {33, false},       {36, false},
                          {0, false},        {1, false},
                          {-1, true},        {-5, true},
                          {-29, true},       {-34, true},
                          {-38, true},       {-2, false},
                          {-32, false},      {-33, false},
                          {2024, false},     {2025, true},
                          {1980, false},     {INT32_MAX, INT32_MAX % 33 % 4 == 0 && INT32_MAX % 33 != 0},
                          {INT32_MIN, false}};
    for (const Case &c : cases) {
        EXPECT_EQ(IsDeeLeapYear(c.year), c.leap) << c.year;
        EXPECT_EQ(IsDeeLeapYear(c.year), reference::IsLeap(c.year)) << c.year;
    }
    int leapYears = 0;
    for (int32_t year = 1; year <= 33; ++year)
        leapYears += IsDeeLeapYear(year);
    EXPECT_EQ(leapYears, 8);
}

TEST(Dee, MonthLengths)
{
    EXPECT_EQ(DeeMonthLength(1, 2024), 31);
    EXPECT_EQ(DeeMonthLength(4, 2024), 30);
    EXPECT_EQ(DeeMonthLength(2, 2024), 28);
    EXPECT_EQ(DeeMonthLength(2, 2025), 29);
    EXPECT_EQ(DeeMonthLength(0, 2025), 0);
    EXPECT_EQ(DeeMonthLength(13, 2025), 0);
    EXPECT_EQ(DeeMonthLength(-1, 2025), 0);
}

TEST(Dee, EpochAndWholeCycles)
{
    EXPECT_EQ(Dee(1, 1, 1), 1721426);
    EXPECT_EQ(Dee(0, 12, 31), 1721425);
    EXPECT_EQ(Dee(34, 1, 1), 1721426 + 12053);
    EXPECT_EQ(Dee(-32, 1, 1), 1721426 - 12053);
}

TEST(Dee, DeeCecilAgreesWithGregorianIn2021)
{
    EXPECT_EQ(Dee(2021, 3, 15), 2459289);  // 15 March 2021, Gregorian
    EXPECT_EQ(FromJdn(2459289), (CalendarDate{2021, 3, 15}));
}

TEST(Dee, DeeVariantIsOneDayEarlier)
{
    EXPECT_EQ(Dee(2021, 3, 15, DeeVariant::Dee), *Dee(2021, 3, 15) - 1);
    EXPECT_EQ(FromJdn(2459289, DeeVariant::Dee), (CalendarDate{2021, 3, 16}));
}

TEST(Dee, TwentyNinthOfFebruary)
{
    EXPECT_TRUE(Dee(4, 2, 29));
    EXPECT_TRUE(Dee(-1, 2, 29));
    EXPECT_FALSE(Dee(3, 2, 29));
    EXPECT_FALSE(Dee(0, 2, 29));
}

TEST(Dee, ImpossibleDatesHaveNoJdn)
{
    const CalendarDate impossible[] = {
        {2024, 13, 1},     {2024, 1, 0},         {2024, 0, 5},         {2024, 4, 31},     {INT32_MAX, 1, 1},
        {INT32_MIN, 1, 1}, {2024, INT32_MIN, 1}, {2024, 1, INT32_MAX}, {6'000'000, 1, 1}, {-6'000'000, 1, 1}};
    for (const CalendarDate &date : impossible)
        EXPECT_FALSE(DeeDateToJDN(date, DeeVariant::DeeCecil))
            << date.year << "-" << date.month << "-" << date.day;
}

TEST(Dee, AgreesWithTheYearByYearMethodOnEveryDayOfSixThousandYears)
{
    for (const DeeVariant variant : {DeeVariant::Dee, DeeVariant::DeeCecil}) {
        const int32_t epoch = DeeEpochJdn(variant);
        int64_t expectedJdn = 0;
        ASSERT_TRUE(reference::DateToJdn(-2000, 1, 1, epoch, expectedJdn));
        for (int32_t year = -2000; year <= 4000; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 31; ++day) {
                    int64_t jdn = 0;
                    const bool valid = reference::DateToJdn(year, month, day, epoch, jdn);
                    const std::optional<int32_t> date = Dee(year, month, day, variant);
                    ASSERT_EQ(date.has_value(), valid) << year << "-" << month << "-" << day;
                    if (!valid)
                        continue;
                    ASSERT_EQ(*date, jdn) << year << "-" << month << "-" << day;
                    ASSERT_EQ(jdn, expectedJdn++) << "days follow each other";
                    ASSERT_EQ(FromJdn(*date, variant), (CalendarDate{year, month, day}));
                }
            }
        }
    }
}

TEST(Dee, RoundTripsAcrossTheWholeInt32Range)
{
    for (const DeeVariant variant : {DeeVariant::Dee, DeeVariant::DeeCecil}) {
        for (int64_t jdn = INT32_MIN;; jdn += 1'234'577) {
            if (jdn > INT32_MAX)
                jdn = INT32_MAX;
            const CalendarDate date = FromJdn(static_cast<int32_t>(jdn), variant);
            int32_t year;
            int month, day;
            reference::JdnToDate(jdn, DeeEpochJdn(variant), year, month, day);
            ASSERT_EQ(date, (CalendarDate{year, month, day})) << jdn;
            ASSERT_EQ(Dee(date.year, date.month, date.day, variant), jdn);
            if (jdn == INT32_MAX)
                break;
        }
    }
}

TEST(Dee, DatesJustBeyondTheInt32RangeAreInvalid)
{
    const CalendarDate last = FromJdn(INT32_MAX);
    const CalendarDate first = FromJdn(INT32_MIN);
    std::optional<int32_t> after = Dee(last.year, last.month, last.day + 1);
    if (last.day == DeeMonthLength(static_cast<int16_t>(last.month), last.year))
        after = last.month == 12 ? Dee(last.year + 1, 1, 1) : Dee(last.year, last.month + 1, 1);
    EXPECT_FALSE(after);
    const std::optional<int32_t> before =
        first.day > 1 ? Dee(first.year, first.month, first.day - 1)
                      : Dee(first.year, first.month - 1,
                            DeeMonthLength(static_cast<int16_t>(first.month - 1), first.year));
    EXPECT_FALSE(before);
}

}  // namespace
}  // namespace vardex
