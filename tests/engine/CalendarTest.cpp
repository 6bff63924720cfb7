// SPDX-License-Identifier: MIT
// Dates that do not exist, today's date from the system's text, and the texts made from engine
// values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Calendars.h"
#include "engine/Csv.h"
#include "engine/TextForms.h"
#include "engine/Today.h"

namespace vardex {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The calendars of a JDN in each variant: tests/cli/commands.txt. The calendar box and the
// designator in a year-month-day text are told apart by first letter.
TEST(Calendars, DatesACalendarDoesNotHaveLettersAndWeekdays)
{
    EXPECT_FALSE(DateToJDN(Calendar::Dee, {2024, 2, 29}, DeeVariant::DeeCecil));
    EXPECT_FALSE(DateToJDN(Calendar::Gregorian, {1900, 2, 29}, DeeVariant::DeeCecil));
    EXPECT_TRUE(DateToJDN(Calendar::Julian, {1900, 2, 29}, DeeVariant::DeeCecil));
    EXPECT_EQ(std::tuple(CalendarOfLetter(U'G'), CalendarOfLetter(U'J'), CalendarOfLetter(U'D')),
              std::tuple(Calendar::Gregorian, Calendar::Julian, Calendar::Dee));
    EXPECT_EQ(std::tuple(CalendarOfLetter(U'g'), CalendarOfLetter(U'C')),
              std::tuple(std::nullopt, std::nullopt));
    EXPECT_EQ(WeekdayText(0) + WeekdayText(6) + WeekdayText(-1) + WeekdayText(7), "SundaySaturday");
}

TEST(Today, ReadsMonthFirstAndYearFirstTextsAndNothingElse)
{
    for (const char *text : {"12/31/2021", "12-31-2021", "12.31.2021", "2021-12-31", "2021/12/31"}) {
        EXPECT_EQ(GetTodayDate(text).date, (CalendarDate{2021, 12, 31})) << text;
        EXPECT_EQ(TodayJDN(text), 2459580) << text;
    }
    EXPECT_EQ(GetTodayDate(" 3/ 5/2024").date, (CalendarDate{2024, 3, 5})) << "fields at fixed places";
    EXPECT_EQ(GetTodayDate("12/31/20/21").date.year, 20) << "a slash is no digit-group blank";
    EXPECT_EQ(GetTodayDate("202403-05").date.year, 2024)
        << "a year-first text's year is its first four characters";
    for (const char *text : {"", "x", "Friday", "99999999999999999999", "1/2/3", "-/-/-"})
        EXPECT_EQ(TodayJDN(text), 0) << text;
}

// Dates as vardex-cli convert writes them, grouped beyond 9999: tests/cli/commands.txt.
TEST(TextForms, GroupingWithOtherSeparators)
{
    EXPECT_EQ(FormatDate({-4999999, 12, 31}, "/", "."), "-4.999.999/12/31");
    EXPECT_EQ(FormatDate({INT32_MIN, 1, 1}, "-", ","), "-2,147,483,648-01-01");
    EXPECT_EQ(SeparateThousands("1234567", ""), "1234567");
    EXPECT_EQ(SeparateThousands("-12345", "'x"), "-12'345");
    EXPECT_EQ(SeparateThousands("123456789012345678901234", ","), "123,456,789,012,345") << "19 at most";
}

TEST(TextForms, CsvNumbersAndClockTimes)
{
    EXPECT_EQ(CsvRecord({"a b", "", "x,y", "say \"hi\"", "two\nlines", "cr\r"}),
              "a b,,\"x,y\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\"\r\n");
    EXPECT_EQ(RoundTripNumber(2460389.629519009) + " " + RoundTripNumber(-0.1), "2460389.629519009 -0.1");
    EXPECT_EQ(TimeOfDayText(2460389.0 + 21.0 / 24 + 51.0 / 1440), "21:51");
    EXPECT_EQ(TimeOfDayText(-0.25), "18:00");
    EXPECT_EQ(TimeOfDayText(std::nextafter(0.5, 0.0)), "12:00");
    EXPECT_EQ(TimeOfDayText(0.99999999), "23:59");
    EXPECT_EQ(TimeOfDayText(kNaN), "XX:XX:XX");
}

// Exactly 30 seconds round down, 30.5 up; 24:00 becomes midnight of the next day.
TEST(TextForms, RoundToMinute)
{
    // clang-format off
    const std::pair<double, double> cases[] = {
        {10 + 91.0 / 86400, 10 + 2.0 / 1440},      {10 + 90.0 / 86400, 10 + 1.0 / 1440},
        {10 + 90.6 / 86400, 10 + 2.0 / 1440},      {10 + 3599.6 / 86400, 10 + 60.0 / 1440},
        {2460000 + 86399.6 / 86400, 2460001},      {77 + (86400 - 20) / 86400.0, 78},   {2460000, 2460000},
        {-3 + 0.5 + 31.0 / 86400, -3 + 0.5 + 1.0 / 1440}, {1e300, 1e300},
        {INT32_MAX + 86399.9 / 86400, INT32_MAX + 86399.9 / 86400}};
    // clang-format on
    for (auto [in, expected] : cases) {
        const double original = in;
        RoundToMinute(in);
        EXPECT_DOUBLE_EQ(in, expected) << std::setprecision(17) << original;
    }
    double nan = kNaN;
    RoundToMinute(nan);
    EXPECT_TRUE(std::isnan(nan));
}

}  // namespace
}  // namespace vardex
