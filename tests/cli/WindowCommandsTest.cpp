#include <gtest/gtest.h>

#include "CliRunner.h"

namespace vardex::test {
namespace {

TEST(CliSequence, FiveDaysFromTheLastWeekOfFebruary2024)
{
    const CliResult r =
        RunCli({"sequence", "--mdy", "February", "27", "2024", "AD", "gregorian", "--days", "5"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.toStdString(),
              "   Common Era date      Dee-Cecil date         Julian day number    Day of week\n"
              "\n"
              "   2024-02-27 CE        2024-02-27 DC          2,460,368            Tuesday\n"
              "   2024-02-28 CE        2024-02-28 DC          2,460,369            Wednesday\n"
              "   2024-02-29 CE        2024-03-01 DC  <--     2,460,370            Thursday\n"
              "   2024-03-01 CE        2024-03-02 DC          2,460,371            Friday\n"
              "   2024-03-02 CE        2024-03-03 DC          2,460,372            Saturday\n"
              "\n"
              "Two days (40%) have the same date in the two calendars.\n");
}

TEST(CliSequence, JsonRowsAndSummary)
{
    const CliResult r = RunCli({"sequence", "--ymd", "2024-2-27 CE", "--days", "5", "--json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(
        "{\"days\": 5, \"variant\": \"Dee-Cecil\", \"same\": 2, \"summary\": \"Two days (40%) "
        "have the same date in the two calendars.\", \"rows\": [{\"jdn\": 2460368, "
        "\"gregorian\": \"2024-02-27 CE\", \"dee\": \"2024-02-27 DC\", \"same\": true, "
        "\"mark\": false, \"weekday\": \"Tuesday\"}, "))
        << r.out.toStdString();
    const CliResult two = RunCli({"sequence", "--ymd", "2024-2-27 CE", "--days", "2", "--json"});
    EXPECT_TRUE(two.out.contains("\"summary\": null")) << two.out.toStdString();
}

TEST(CliSequence, MessagesOfTheWindow)
{
    const CliResult tooMany = RunCli({"sequence", "--ymd", "2024-2-27 CE", "--days", "801"});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_EQ(tooMany.err, "Too many days\n");
    const CliResult invalid = RunCli({"sequence", "--ymd", "2024-2-27 CE", "--days", "1a"});
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.err, "Invalid input for number of days.\n");
    const CliResult badDate = RunCli({"sequence", "--ymd", "2023-2-29 CE", "--days", "5"});
    EXPECT_EQ(badDate.status, 1);
    EXPECT_TRUE(badDate.err.startsWith("The input date is invalid.")) << badDate.err.toStdString();
    EXPECT_EQ(RunCli({"sequence", "--ymd", "2024-2-27 CE"}).status, 2) << "--days is required";
}

// The window's Date sequence and Vernal equinoxes buttons are disabled for a weekday search.
TEST(CliSequence, AWeekdaySearchIsNoDateToStartFrom)
{
    const CliResult sequence = RunCli({"sequence", "--mdy", "1", "1", "2024", "CE", "monday", "--days", "3"});
    EXPECT_EQ(sequence.status, 2);
    EXPECT_EQ(sequence.err, "vardex-cli: the date sequence needs a calendar, not a weekday search\n");
    const CliResult equinox = RunCli({"equinox", "--mdy", "1", "1", "2024", "CE", "monday", "--years", "3"});
    EXPECT_EQ(equinox.status, 2);
    EXPECT_EQ(equinox.err, "vardex-cli: the equinox table needs a calendar, not a weekday search\n");
}

TEST(CliEquinox, ThreeYearsFrom2024)
{
    const CliResult r =
        RunCli({"--variant", "dee", "equinox", "--mdy", "1", "1", "2024", "AD", "gregorian", "--years", "3"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 9) << r.out.toStdString();
    EXPECT_EQ(lines[0], "  Year      Astronomical      Gregorian Calendar      Dee Calendar");
    EXPECT_TRUE(lines[3].startsWith("  2024     2,460,389.6")) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].contains("2024-03-20 CE")) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].contains("2024-03-21 D 21:")) << lines[3].toStdString();
    EXPECT_TRUE(lines[4].endsWith("12*")) << lines[4].toStdString();
    EXPECT_EQ(lines[7], "Number of VE not on March 21 in Dee Calendar for 77d0m W: 0 of 3");
}

TEST(CliEquinox, JsonCarriesTheUnroundedJulianDate)
{
    const CliResult r = RunCli({"equinox", "--ymd", "2024-3-20 CE", "--years", "1", "--mean", "--json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(
        r.out.startsWith("{\"years\": 1, \"longitude\": \"77d0m W\", \"time\": \"mean\", \"variant\": "
                         "\"Dee-Cecil\", \"off_target\": 0, \"rows\": [{\"year\": 2024, \"jd\": 2460389.6"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\"greenwich\": {\"date\": \"2024-03-20\", \"time\": \"03:06\"}"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\"cycle\": \"11\", \"off_target\": false}]}")) << r.out.toStdString();
    const int point = r.out.indexOf("\"jd\": ") + 6;
    const QString jd = r.out.mid(point, r.out.indexOf(',', point) - point);
    EXPECT_GE(jd.size() - jd.indexOf('.') - 1, 9) << jd.toStdString();
}

TEST(CliEquinox, RangeAndNumberMessages)
{
    const CliResult late = RunCli({"equinox", "--ymd", "4001-1-1 CE", "--years", "3"});
    EXPECT_EQ(late.status, 1);
    EXPECT_EQ(late.err, "Vernal equinoxes are calculated only for years in the range 1 through 4000.\n");
    const CliResult early = RunCli({"equinox", "--mdy", "1", "1", "1", "BC", "julian", "--years", "3"});
    EXPECT_EQ(early.status, 1);
    EXPECT_EQ(early.err, late.err);
    const CliResult tooMany = RunCli({"equinox", "--ymd", "2024-1-1 CE", "--years", "900"});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_EQ(tooMany.err, "Too many years\n");
    const CliResult notANumber = RunCli({"equinox", "--ymd", "2024-1-1 CE", "--years", "-5"});
    EXPECT_EQ(notANumber.status, 1);
    EXPECT_EQ(notANumber.err, "Invalid input for number of years.\n");

    const CliResult atTheEnd = RunCli({"equinox", "--ymd", "3995-1-1 CE", "--years", "12"});
    EXPECT_EQ(atTheEnd.status, 0) << "rows were written";
    EXPECT_EQ(atTheEnd.err, late.err);
    EXPECT_TRUE(atTheEnd.out.contains("  4000     ")) << atTheEnd.out.toStdString();
    EXPECT_FALSE(atTheEnd.out.contains("  4001     "));
    EXPECT_TRUE(atTheEnd.out.contains(" of 12")) << "the summary counts the years asked for";
}

}  // namespace
}  // namespace vardex::test
