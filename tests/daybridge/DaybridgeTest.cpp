// libdaybridge.so as another program sees it: loaded at run time, called through its C symbols.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "daybridge.h"

namespace {

struct Library {
    void *handle = dlopen(DAYBRIDGE_PATH, RTLD_NOW | RTLD_LOCAL);
    template <typename F> F Symbol(const char *name) { return reinterpret_cast<F>(dlsym(handle, name)); }
    decltype(&euro_date_to_jdn) toJdn = Symbol<decltype(&euro_date_to_jdn)>("euro_date_to_jdn");
    decltype(&jdn_to_euro_date) fromJdn = Symbol<decltype(&jdn_to_euro_date)>("jdn_to_euro_date");
    decltype(&euro_day_of_week) weekday = Symbol<decltype(&euro_day_of_week)>("euro_day_of_week");
    decltype(&separate_thousands) group = Symbol<decltype(&separate_thousands)>("separate_thousands");
};

Library &Lib()
{
    static Library library;
    return library;
}

constexpr int32_t G = DAYBRIDGE_GREGORIAN;
constexpr int32_t J = DAYBRIDGE_JULIAN;

EuroDate Date(int32_t calendar, int32_t y, int32_t m, int32_t d)
{
    EuroDate date{};
    date.year = y;
    date.month = m;
    date.day = d;
    date.calendar = calendar;
    date.jdn = -777;
    return date;
}

EuroDate FromJdn(int32_t calendar, int32_t jdn)
{
    EuroDate date{};
    date.calendar = calendar;
    date.jdn = jdn;
    Lib().fromJdn(&date);
    return date;
}

TEST(Daybridge, ExportsTheFourFunctions)
{
    ASSERT_NE(Lib().handle, nullptr) << dlerror();
    EXPECT_NE(Lib().toJdn, nullptr);
    EXPECT_NE(Lib().fromJdn, nullptr);
    EXPECT_NE(Lib().weekday, nullptr);
    EXPECT_NE(Lib().group, nullptr);
}

struct Famous {
    const char *name;
    int32_t calendar, year, month, day, jdn;
};

class FamousDates : public testing::TestWithParam<Famous> {};

TEST_P(FamousDates, ConvertBothWays)
{
    const Famous &f = GetParam();
    EuroDate date = Date(f.calendar, f.year, f.month, f.day);
    EXPECT_EQ(Lib().toJdn(&date), 1);
    EXPECT_EQ(date.valid, 1);
    EXPECT_EQ(date.jdn, f.jdn);
    const EuroDate back = FromJdn(f.calendar, f.jdn);
    EXPECT_EQ(back.year, f.year);
    EXPECT_EQ(back.month, f.month);
    EXPECT_EQ(back.day, f.day);
    EXPECT_EQ(back.valid, 1);
}

INSTANTIATE_TEST_SUITE_P(Daybridge, FamousDates,
                         testing::Values(Famous{"J2000", G, 2000, 1, 1, 2451545},
                                         Famous{"JdnZeroJulian", J, -4712, 1, 1, 0},
                                         Famous{"JdnZeroGregorian", G, -4713, 11, 24, 0},
                                         Famous{"GregorianReformFirstDay", G, 1582, 10, 15, 2299161},
                                         Famous{"JulianLastDayBeforeReform", J, 1582, 10, 4, 2299160},
                                         Famous{"IdesOfMarch44BC", J, -43, 3, 15, 1705426},
                                         Famous{"IdesOfMarchGregorian", G, -43, 3, 13, 1705426},
                                         Famous{"Tuesday5March2024", G, 2024, 3, 5, 2460375},
                                         Famous{"SameDayJulian", J, 2024, 2, 21, 2460375},
                                         Famous{"YearZeroLeapDayGregorian", G, 0, 2, 29, 1721119},
                                         Famous{"LastJdnGregorian", G, 5874898, 6, 3, INT32_MAX},
                                         Famous{"FirstJdnGregorian", G, -5884323, 5, 15, INT32_MIN},
                                         Famous{"LastJdnJulian", J, 5874777, 10, 17, INT32_MAX},
                                         Famous{"FirstJdnJulian", J, -5884202, 3, 16, INT32_MIN}),
                         [](const auto &info) { return std::string(info.param.name); });

struct Leap {
    const char *name;
    int32_t calendar, year;
    bool leap;
};

class LeapRules : public testing::TestWithParam<Leap> {};

TEST_P(LeapRules, TwentyNinthOfFebruaryExistsOnlyInLeapYears)
{
    const Leap &l = GetParam();
    EuroDate date = Date(l.calendar, l.year, 2, 29);
    Lib().toJdn(&date);
    EXPECT_EQ(date.valid, l.leap ? 1 : 0);
    if (!l.leap) {
        EXPECT_EQ(date.jdn, -777) << "an invalid date leaves jdn alone";
    }
    EuroDate day28 = Date(l.calendar, l.year, 2, 28);
    EXPECT_EQ(Lib().toJdn(&day28), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Daybridge, LeapRules,
    testing::Values(Leap{"Gregorian1900", G, 1900, false}, Leap{"Gregorian2000", G, 2000, true},
                    Leap{"Gregorian2024", G, 2024, true}, Leap{"Gregorian2023", G, 2023, false},
                    Leap{"GregorianMinus100", G, -100, false}, Leap{"GregorianMinus400", G, -400, true},
                    Leap{"GregorianZero", G, 0, true}, Leap{"GregorianMinus4", G, -4, true},
                    Leap{"Julian1900", J, 1900, true}, Leap{"JulianMinus1", J, -1, false},
                    Leap{"JulianZero", J, 0, true}, Leap{"JulianMinus100", J, -100, true},
                    Leap{"Julian2023", J, 2023, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Daybridge, RejectsImpossibleFieldsWithoutTouchingJdn)
{
    const EuroDate bad[] = {
        Date(G, 2024, 0, 1),         Date(G, 2024, 13, 1),        Date(G, 2024, 1, 0),
        Date(G, 2024, 1, -5),        Date(G, 2024, 4, 31),        Date(J, 2023, 2, 29),
        Date(G, INT32_MIN, 1, 1),    Date(G, INT32_MAX, 12, 31),  Date(J, INT32_MAX, 1, 1),
        Date(G, 2024, INT32_MIN, 1), Date(G, 2024, INT32_MAX, 1), Date(J, 2024, 1, INT32_MAX),
        Date(G, 2024, 1, INT32_MIN), Date('D', 2024, 1, 1),       Date(0, 2024, 1, 1),
        Date(-1, 2024, 1, 1),        Date(G, 5874898, 6, 4),      Date(G, -5884323, 5, 14),
        Date(J, 5874777, 10, 18),    Date(J, -5884202, 3, 15),
    };
    for (EuroDate date : bad) {
        date.valid = 1;
        EXPECT_EQ(Lib().toJdn(&date), 0)
            << date.calendar << " " << date.year << "-" << date.month << "-" << date.day;
        EXPECT_EQ(date.valid, 0);
        EXPECT_EQ(date.jdn, -777);
    }
    EXPECT_EQ(Lib().toJdn(nullptr), -1);
    EXPECT_EQ(Lib().fromJdn(nullptr), -1);
}

TEST(Daybridge, UnknownCalendarFromJdnIsNotValid)
{
    EuroDate date{};
    date.calendar = 'D';
    date.jdn = 2460375;
    date.year = 5;
    EXPECT_EQ(Lib().fromJdn(&date), 0);
    EXPECT_EQ(date.valid, 0);
    EXPECT_EQ(date.year, 5);
}

// std::chrono's civil calendar is an independent proleptic Gregorian reference.
TEST(Daybridge, GregorianAgreesWithChronoOverItsWholeRange)
{
    using namespace std::chrono;
    constexpr int32_t kUnixEpochJdn = 2440588;
    const sys_days first = year_month_day{year::min(), January, day{1}};
    const sys_days last = year_month_day{year::max(), December, day{31}};
    for (sys_days d = first; d <= last; d += days{1}) {
        const year_month_day ymd{d};
        const int32_t jdn = static_cast<int32_t>(d.time_since_epoch().count()) + kUnixEpochJdn;
        EuroDate date = Date(G, int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
        Lib().toJdn(&date);
        const EuroDate back = FromJdn(G, jdn);
        if (date.valid != 1 || date.jdn != jdn || back.year != date.year || back.month != date.month ||
            back.day != date.day) {
            FAIL() << "disagreement at JDN " << jdn << ": " << date.year << "-" << date.month << "-"
                   << date.day << " gives " << date.jdn << ", back " << back.year << "-" << back.month << "-"
                   << back.day;
        }
    }
}

// Every day is the day after the previous one, across the whole int32_t range, sampled in runs.
TEST(Daybridge, ConsecutiveDaysRoundTripAcrossTheWholeRange)
{
    for (const int32_t calendar : {G, J}) {
        for (int64_t start = INT32_MIN; start <= INT32_MAX; start += 9'999'991) {
            EuroDate previous = FromJdn(calendar, static_cast<int32_t>(start));
            for (int64_t jdn = start + 1; jdn <= std::min<int64_t>(start + 800, INT32_MAX); ++jdn) {
                const EuroDate next = FromJdn(calendar, static_cast<int32_t>(jdn));
                const bool sameMonth = next.year == previous.year && next.month == previous.month &&
                                       next.day == previous.day + 1;
                const bool newMonth =
                    next.day == 1 && ((next.year == previous.year && next.month == previous.month + 1) ||
                                      (next.year == previous.year + 1 && next.month == 1 &&
                                       previous.month == 12 && previous.day == 31));
                ASSERT_TRUE(sameMonth || newMonth) << "JDN " << jdn;
                EuroDate again = next;
                ASSERT_EQ(Lib().toJdn(&again), 1) << "JDN " << jdn;
                ASSERT_EQ(again.jdn, jdn);
                previous = next;
            }
        }
        const EuroDate last = FromJdn(calendar, INT32_MAX);
        EuroDate again = last;
        EXPECT_EQ(Lib().toJdn(&again), 1);
        EXPECT_EQ(again.jdn, INT32_MAX);
    }
}

TEST(Daybridge, WeekdayOfEveryKindOfJdn)
{
    EXPECT_EQ(Lib().weekday(0), 1);  // a Monday
    EXPECT_EQ(Lib().weekday(-1), 0);
    EXPECT_EQ(Lib().weekday(2460375), 2);  // Tuesday 5 March 2024
    for (const int64_t jdn : {int64_t{INT32_MIN}, int64_t{INT32_MIN} + 1, int64_t{-8}, int64_t{-7},
                              int64_t{INT32_MAX} - 1, int64_t{INT32_MAX}}) {
        const int32_t expected = static_cast<int32_t>(((jdn + 1) % 7 + 7) % 7);
        EXPECT_EQ(Lib().weekday(static_cast<int32_t>(jdn)), expected) << jdn;
    }
}

struct Grouping {
    const char *name;
    const char *input;
    int32_t separator;
    const char *expected;
};

class SeparateThousands : public testing::TestWithParam<Grouping> {};

TEST_P(SeparateThousands, GroupsByThreesFromTheRight)
{
    const Grouping &g = GetParam();
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    const int32_t written = Lib().group(g.input, g.separator, buffer);
    EXPECT_STREQ(buffer, g.expected);
    EXPECT_EQ(written, static_cast<int32_t>(std::strlen(g.expected)));
    for (size_t i = 20; i < sizeof buffer; ++i)
        ASSERT_EQ(buffer[i], '#') << "wrote past 20 bytes at " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Daybridge, SeparateThousands,
    testing::Values(
        Grouping{"Empty", "", ',', ""}, Grouping{"ThreeDigits", "999", ',', "999"},
        Grouping{"FourDigits", "1000", ',', "1,000"}, Grouping{"Million", "1234567", ',', "1,234,567"},
        Grouping{"Negative", "-12345", ',', "-12,345"}, Grouping{"NegativeSmall", "-123", ',', "-123"},
        Grouping{"FullStop", "4999999", '.', "4.999.999"}, Grouping{"LeadingBlank", " 12345", ',', " 12,345"},
        Grouping{"DecimalsKept", "1234567.8901", ',', "1,234,567.8901"},
        Grouping{"NoSeparator", "1234567", 0, "1234567"},
        Grouping{"IntMin", "-2147483648", ',', "-2,147,483,648"},
        Grouping{"CutAtNineteen", "12345678901234567890", ',', "12,345,678,901,234,"},
        Grouping{"LongPrefixCut", "------------------------5", ',', "-------------------"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Daybridge, SeparateThousandsRefusesBadArguments)
{
    char buffer[20] = "untouched";
    EXPECT_EQ(Lib().group(nullptr, ',', buffer), -1);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(Lib().group("123", 256, buffer), -1);
    EXPECT_EQ(Lib().group("123", -1, buffer), -1);
    EXPECT_EQ(Lib().group("123", ',', nullptr), -1);
}

}  // namespace
