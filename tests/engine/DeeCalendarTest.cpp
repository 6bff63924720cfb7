#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/CalendarState.h"
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

class DeeTest : public testing::Test {
protected:
    void SetUp() override { DeeEpochJDN = kDeeCecilEpochJDN; }
    void TearDown() override { DeeEpochJDN = kDeeCecilEpochJDN; }

    static EuroDate Dee(int32_t y, int32_t m, int32_t d)
    {
        EuroDate date{};
        date.year = y;
        date.month = m;
        date.day = d;
        date.calendar = kCalendarDee;
        date.jdn = -777;
        DeeDateToJDN(date);
        return date;
    }
    static EuroDate FromJdn(int32_t jdn)
    {
        EuroDate date{};
        date.jdn = jdn;
        DeeJDNToDate(date);
        return date;
    }
};

TEST_F(DeeTest, LeapYearsFollowTheThirtyThreeYearCycle)
{
    struct Case {
        int32_t year;
        bool leap;
    };
    const Case cases[] = {{4, true},    {8, true},    {32, true},   {37, true},   {33, false},  {36, false},
                          {0, false},   {1, false},   {-1, true},   {-5, true},   {-29, true},  {-34, true},
                          {-38, true},  {-2, false},  {-32, false}, {-33, false}, {2024, false}, {2025, true},
                          {1980, false}, {INT32_MAX, INT32_MAX % 33 % 4 == 0 && INT32_MAX % 33 != 0},
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

TEST_F(DeeTest, MonthLengths)
{
    EXPECT_EQ(DeeMonthLength(1, 2024), 31);
    EXPECT_EQ(DeeMonthLength(4, 2024), 30);
    EXPECT_EQ(DeeMonthLength(2, 2024), 28);
    EXPECT_EQ(DeeMonthLength(2, 2025), 29);
    EXPECT_EQ(DeeMonthLength(0, 2025), 0);
    EXPECT_EQ(DeeMonthLength(13, 2025), 0);
    EXPECT_EQ(DeeMonthLength(-1, 2025), 0);
}

TEST_F(DeeTest, EpochAndWholeCycles)
{
    EXPECT_EQ(Dee(1, 1, 1).jdn, 1721426);
    EXPECT_EQ(Dee(0, 12, 31).jdn, 1721425);
    EXPECT_EQ(Dee(34, 1, 1).jdn, 1721426 + 12053);
    EXPECT_EQ(Dee(-32, 1, 1).jdn, 1721426 - 12053);
}

TEST_F(DeeTest, DeeCecilAgreesWithGregorianIn2021)
{
    EXPECT_EQ(Dee(2021, 3, 15).jdn, 2459289);  // 15 March 2021, Gregorian
    const EuroDate back = FromJdn(2459289);
    EXPECT_EQ(back.year, 2021);
    EXPECT_EQ(back.month, 3);
    EXPECT_EQ(back.day, 15);
    EXPECT_EQ(back.valid, 1);
}

TEST_F(DeeTest, DeeVariantIsOneDayEarlier)
{
    const int32_t cecil = Dee(2021, 3, 15).jdn;
    DeeEpochJDN = kDeeEpochJDN;
    EXPECT_EQ(Dee(2021, 3, 15).jdn, cecil - 1);
    const EuroDate day = FromJdn(2459289);
    EXPECT_EQ(day.month, 3);
    EXPECT_EQ(day.day, 16);
}

TEST_F(DeeTest, TwentyNinthOfFebruary)
{
    EXPECT_EQ(Dee(4, 2, 29).valid, 1);
    EXPECT_EQ(Dee(-1, 2, 29).valid, 1);
    EXPECT_EQ(Dee(3, 2, 29).valid, 0);
    EXPECT_EQ(Dee(0, 2, 29).valid, 0);
}

TEST_F(DeeTest, InvalidDatesLeaveJdnAlone)
{
    for (const EuroDate &date : {Dee(2024, 13, 1), Dee(2024, 1, 0), Dee(2024, 0, 5), Dee(2024, 4, 31),
                                 Dee(INT32_MAX, 1, 1), Dee(INT32_MIN, 1, 1), Dee(2024, INT32_MIN, 1),
                                 Dee(2024, 1, INT32_MAX), Dee(6'000'000, 1, 1), Dee(-6'000'000, 1, 1)}) {
        EXPECT_EQ(date.valid, 0) << date.year << "-" << date.month << "-" << date.day;
        EXPECT_EQ(date.jdn, -777);
    }
}

TEST_F(DeeTest, AgreesWithTheYearByYearMethodOnEveryDayOfSixThousandYears)
{
    for (const int32_t epoch : {kDeeEpochJDN, kDeeCecilEpochJDN}) {
        DeeEpochJDN = epoch;
        int64_t expectedJdn = 0;
        ASSERT_TRUE(reference::DateToJdn(-2000, 1, 1, epoch, expectedJdn));
        for (int32_t year = -2000; year <= 4000; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 31; ++day) {
                    int64_t jdn = 0;
                    const bool valid = reference::DateToJdn(year, month, day, epoch, jdn);
                    const EuroDate date = Dee(year, month, day);
                    ASSERT_EQ(date.valid, valid ? 1 : 0) << year << "-" << month << "-" << day;
                    if (!valid)
                        continue;
                    ASSERT_EQ(date.jdn, jdn) << year << "-" << month << "-" << day;
                    ASSERT_EQ(jdn, expectedJdn++) << "days follow each other";
                    const EuroDate back = FromJdn(date.jdn);
                    ASSERT_EQ(back.year, year);
                    ASSERT_EQ(back.month, month);
                    ASSERT_EQ(back.day, day);
                }
            }
        }
    }
}

TEST_F(DeeTest, RoundTripsAcrossTheWholeInt32Range)
{
    for (const int32_t epoch : {kDeeEpochJDN, kDeeCecilEpochJDN}) {
        DeeEpochJDN = epoch;
        for (int64_t jdn = INT32_MIN;; jdn += 1'234'577) {
            if (jdn > INT32_MAX)
                jdn = INT32_MAX;
            const EuroDate date = FromJdn(static_cast<int32_t>(jdn));
            int32_t year;
            int month, day;
            reference::JdnToDate(jdn, epoch, year, month, day);
            ASSERT_EQ(date.year, year) << jdn;
            ASSERT_EQ(date.month, month) << jdn;
            ASSERT_EQ(date.day, day) << jdn;
            const EuroDate again = Dee(date.year, date.month, date.day);
            ASSERT_EQ(again.valid, 1) << jdn;
            ASSERT_EQ(again.jdn, jdn);
            if (jdn == INT32_MAX)
                break;
        }
    }
}

TEST_F(DeeTest, DatesJustBeyondTheInt32RangeAreInvalid)
{
    const EuroDate last = FromJdn(INT32_MAX);
    const EuroDate first = FromJdn(INT32_MIN);
    EuroDate after = Dee(last.year, last.month, last.day + 1);
    if (last.day == DeeMonthLength(static_cast<int16_t>(last.month), last.year))
        after = last.month == 12 ? Dee(last.year + 1, 1, 1) : Dee(last.year, last.month + 1, 1);
    EXPECT_EQ(after.valid, 0);
    const EuroDate before =
        first.day > 1 ? Dee(first.year, first.month, first.day - 1)
                      : Dee(first.year, first.month - 1, DeeMonthLength(static_cast<int16_t>(first.month - 1), first.year));
    EXPECT_EQ(before.valid, 0);
}

}  // namespace
}  // namespace vardex
