#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/NumberReading.h"
#include "engine/TextForms.h"

namespace vardex {
namespace {

TEST(TextForms, WeekdayText)
{
    EXPECT_EQ(WeekdayText(0), "Sunday");
    EXPECT_EQ(WeekdayText(3), "Wednesday");
    EXPECT_EQ(WeekdayText(6), "Saturday");
    EXPECT_EQ(WeekdayText(7), "");
    EXPECT_EQ(WeekdayText(-4), "");
}

TEST(TextForms, DayOfWeek)
{
    EXPECT_EQ(DayOfWeek(0), 1);
    EXPECT_EQ(DayOfWeek(2460375), 2);
    EXPECT_EQ(DayOfWeek(-1), 0);
    EXPECT_GE(DayOfWeek(INT32_MIN), 0);
}

CalendarDate Ymd(int32_t y, int32_t m, int32_t d) { return {y, m, d}; }

TEST(TextForms, FormatDate)
{
    EXPECT_EQ(FormatDate(Ymd(2021, 3, 20), "-", ","), "2021-03-20");
    EXPECT_EQ(FormatDate(Ymd(12345, 1, 2), "-", ","), "12,345-01-02");
    EXPECT_EQ(FormatDate(Ymd(-44, 3, 15), "-", ","), "-44-03-15");
    EXPECT_EQ(FormatDate(Ymd(-1234, 3, 5), "-", ","), "-1234-03-05");
    EXPECT_EQ(FormatDate(Ymd(9999, 12, 31), "-", ","), "9999-12-31");
    EXPECT_EQ(FormatDate(Ymd(-9999, 12, 31), "-", ","), "-9999-12-31");
    EXPECT_EQ(FormatDate(Ymd(10000, 1, 1), "-", ","), "10,000-01-01");
    EXPECT_EQ(FormatDate(Ymd(-4999999, 12, 31), "/", "."), "-4.999.999/12/31");
    EXPECT_EQ(FormatDate(Ymd(0, 1, 1), "-", ","), "0-01-01");
    EXPECT_EQ(FormatDate(Ymd(INT32_MIN, 1, 1), "-", ","), "-2,147,483,648-01-01");
}

TEST(TextForms, SeparateThousands)
{
    EXPECT_EQ(SeparateThousands("1234567", ","), "1,234,567");
    EXPECT_EQ(SeparateThousands("1234567", ""), "1234567");
    EXPECT_EQ(SeparateThousands("-12345", "'x"), "-12'345");
    EXPECT_EQ(SeparateThousands("123456789012345678901234", ","), "123,456,789,012,345");
}

TEST(TextForms, TrimAtNul)
{
    std::string text("12,345\0   ", 10);
    TrimAtNul(text);
    EXPECT_EQ(text, "12,345");
    std::string plain = "abc";
    TrimAtNul(plain);
    EXPECT_EQ(plain, "abc");
}

TEST(TextForms, DayFractionToTime)
{
    EXPECT_EQ(DayFractionToTime(0.5), "12:00");
    EXPECT_EQ(DayFractionToTime(0.99999999), "23:59");
    EXPECT_EQ(DayFractionToTime(0.0), "00:00");
    EXPECT_EQ(DayFractionToTime(1.0), "XX:XX:XX");
    EXPECT_EQ(DayFractionToTime(-0.1), "XX:XX:XX");
    EXPECT_EQ(DayFractionToTime(std::numeric_limits<double>::quiet_NaN()), "XX:XX:XX");
    EXPECT_EQ(DayFractionToTime(std::nextafter(0.5, 0.0)), "12:00");
    EXPECT_EQ(DayFractionToTime(3.0 / 24 + 7.0 / 1440), "03:07");
}

TEST(TextForms, TimeOfDayText)
{
    EXPECT_EQ(TimeOfDayText(2460389.0 + 21.0 / 24 + 51.0 / 1440), "21:51");
    EXPECT_EQ(TimeOfDayText(-0.25), "18:00");
}

TEST(TextForms, RoundToMinute)
{
    struct Case {
        const char *name;
        double in;
        double expected;
    };
    const Case cases[] = {
        {"ThirtyOneSecondsRoundUp", 10 + 91.0 / 86400, 10 + 2.0 / 1440},
        {"ThirtySecondsRoundDown", 10 + 90.0 / 86400, 10 + 1.0 / 1440},
        {"IntoTheNextHour", 10 + 3599.6 / 86400, 10 + 60.0 / 1440},
        {"IntoTheNextDay", 2460000 + 86399.6 / 86400, 2460001},
        {"LateMinuteToMidnight", 77 + (86400 - 20) / 86400.0, 78},
        {"WholeDayUnchanged", 2460000, 2460000},
        {"NegativeDayNumber", -3 + 0.5 + 31.0 / 86400, -3 + 0.5 + 1.0 / 1440},
    };
    for (const Case &c : cases) {
        double x = c.in;
        RoundToMinute(x);
        EXPECT_DOUBLE_EQ(x, c.expected) << c.name;
    }
    double nan = std::numeric_limits<double>::quiet_NaN();
    RoundToMinute(nan);
    EXPECT_TRUE(std::isnan(nan));
    double huge = 1e300;
    RoundToMinute(huge);
    EXPECT_EQ(huge, 1e300);
}

TEST(TextForms, RoundHalfEven)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

}  // namespace
}  // namespace vardex
