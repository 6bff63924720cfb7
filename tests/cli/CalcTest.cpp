#include <gtest/gtest.h>

#include "CliRunner.h"

namespace vardex::test {
namespace {

TEST(CliCalc, MonthDayYearJson)
{
    const CliResult r = RunCli({"calc", "--mdy", "3", "15", "44", "BC", "julian", "--json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(),
              "{\"gregorian\": \"March 13, 44 BC\", \"gregorian_ymd\": \"-43-03-13 CE\", "
              "\"julian\": \"March 15, 44 BC\", \"julian_ymd\": \"-43-03-15 JC\", "
              "\"dee\": \"March 13, 44 BC\", \"dee_ymd\": \"-43-03-13 DC\", \"jdn\": 1705426, "
              "\"jdn_text\": \"1,705,426\", \"weekday\": \"Wednesday\", \"settled\": null}\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliCalc, YearMonthDayDesignatorChoosesTheCalendar)
{
    const CliResult r = RunCli({"calc", "--ymd", "2024-3-5 jc"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "Gregorian: March 18, 2024 CE           2024-03-18 CE\n"
                                   "Julian:    March 5, 2024 CE            2024-03-05 JC\n"
                                   "Dee-Cecil: March 19, 2024 CE           2024-03-19 DC\n"
                                   "JDN:       2,460,388\n"
                                   "Weekday:   Monday\n");
}

TEST(CliCalc, ArithmeticWithTheEndOfMonthRule)
{
    const CliResult r = RunCli({"--variant", "dee", "calc", "--mdy", "January", "31", "2023", "AD",
                                "gregorian", "--plus", "", "13", "", "", "--json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\"gregorian\": \"February 29, 2024 AD\"")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\"dee_ymd\": \"2024-03-02 D\"")) << r.out.toStdString();
}

// Scripts read the same numbers whatever the locale: the window's regional grouping would write
// "12.345" and "6.229.979" under a German one.
TEST(CliCalc, NumbersAreGroupedWithCommasUnderAGermanLocale)
{
    const CliResult calc = RunCli({"calc", "--ymd", "12345-1-1 CE"}, QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(calc.status, 0) << calc.err.toStdString();
    EXPECT_EQ(calc.out.toStdString(), "Gregorian: January 1, 12,345 CE        12,345-01-01 CE\n"
                                      "Julian:    October 2, 12,344 CE        12,344-10-02 JC\n"
                                      "Dee-Cecil: January 2, 12,345 CE        12,345-01-02 DC\n"
                                      "JDN:       6,229,979\n"
                                      "Weekday:   Monday\n");
    const CliResult sequence =
        RunCli({"sequence", "--ymd", "12345-1-1 CE", "--days", "1"}, QStringLiteral("de_DE.UTF-8"));
    EXPECT_TRUE(sequence.out.contains("   12,345-01-01 CE      12,345-01-02 DC          6,229,979"))
        << sequence.out.toStdString();
    const CliResult equinox =
        RunCli({"equinox", "--ymd", "2024-1-1 CE", "--years", "3"}, QStringLiteral("de_DE.UTF-8"));
    EXPECT_TRUE(equinox.out.contains("  2024     2,460,389.6295     2024-03-20 CE"))
        << equinox.out.toStdString();
}

TEST(CliCalc, WeekdaySearchSettlesOnACalendar)
{
    const CliResult both = RunCli({"calc", "--mdy", "6", "1", "2150", "AD", "monday", "--json"});
    EXPECT_EQ(both.status, 0);
    EXPECT_EQ(both.err, "The input date is a Monday in both the Gregorian and the Julian calendars.\n");
    EXPECT_TRUE(both.out.contains("\"settled\": \"julian\"")) << both.out.toStdString();
    const CliResult neither = RunCli({"calc", "--mdy", "3", "5", "2024", "AD", "sunday"});
    EXPECT_EQ(neither.status, 1);
    EXPECT_EQ(neither.out, "");
    EXPECT_EQ(neither.err,
              "The input date is not a Sunday in either the Gregorian Calendar or the Julian.\n");
}

TEST(CliCalc, TodayIsCalculated)
{
    const CliResult r = RunCli({"calc", "--today", "--calendar", "julian", "--json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\"julian_ymd\"")) << r.out.toStdString();
}

TEST(CliCalc, MessagesAndExitStatuses)
{
    const CliResult invalid = RunCli({"calc", "--mdy", "2", "29", "1900", "AD", "gregorian"});
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.err,
              "The input date is invalid.\n\nIn the Gregorian Calendar\n1900 is not a leap year.\n");
    const CliResult inconsistent = RunCli({"calc", "--ymd", "2024-3-5 JC", "--calendar", "gregorian"});
    EXPECT_EQ(inconsistent.status, 1);
    EXPECT_EQ(inconsistent.err, "Inconsistent calendar designations in year-month-day date.\n");
    const CliResult tooLarge =
        RunCli({"calc", "--ymd", "2024-3-5 CE", "--plus", "", "", "", "99999999999999"});
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_EQ(tooLarge.err, "The date arithmetic goes beyond the range of dates that can be calculated.\n");
    const CliResult incomplete = RunCli({"calc", "--ymd", "2024-3-5"});
    EXPECT_EQ(incomplete.status, 2);
    EXPECT_EQ(incomplete.err.count('\n'), 1) << "one line";
    for (const QStringList &args :
         {QStringList{"calc"}, QStringList{"calc", "--mdy", "13", "1", "2024", "AD", "julian"},
          QStringList{"calc", "--mdy", "3", "1", "2024", "AC", "julian"},
          QStringList{"calc", "--ymd", "1-1-1 CE", "--plus", "1"},
          QStringList{"calc", "--mdy", "3", "1", "2024", "AD", "julian", "--calendar", "dee"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage:")) << args.join(' ').toStdString();
    }
}

// An amount the window's box would not keep gets the box's message, not a silent zero.
TEST(CliCalc, AmountsAreCheckedAsTheWindowChecksTheirBoxes)
{
    for (const char *amount : {"abc", "1x"}) {
        const CliResult r = RunCli({"calc", "--ymd", "2024-3-5 CE", "--plus", amount, "", "", ""});
        EXPECT_EQ(r.status, 1) << amount;
        EXPECT_EQ(r.err, "Invalid input in the arithmetical function.\n") << amount;
        EXPECT_EQ(r.out, "") << amount;
    }
    const CliResult grouped =
        RunCli({"calc", "--ymd", "2024-3-5 CE", "--plus", "1 000", "", "", "", "--json"});
    EXPECT_TRUE(grouped.out.contains("\"gregorian_ymd\": \"3024-03-05 CE\"")) << grouped.err.toStdString();
}

}  // namespace
}  // namespace vardex::test
