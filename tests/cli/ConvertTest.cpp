#include <gtest/gtest.h>

#include "CliRunner.h"

namespace vardex::test {
namespace {

TEST(CliConvert, JsonForAJdn)
{
    const CliResult r = RunCli({"convert", "--jdn", "2460375", "--json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "{\"jdn\": 2460375, \"weekday\": \"Tuesday\", \"variant\": \"Dee-Cecil\", "
                                   "\"gregorian\": {\"year\": 2024, \"month\": 3, \"day\": 5}, "
                                   "\"julian\": {\"year\": 2024, \"month\": 2, \"day\": 21}, "
                                   "\"dee\": {\"year\": 2024, \"month\": 3, \"day\": 6}}\n");
}

TEST(CliConvert, TextForANegativeJulianYear)
{
    const CliResult r = RunCli({"convert", "--date", "-43-3-15", "--calendar", "julian"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "Gregorian: -43-03-13 CE\n"
                                   "Julian:    -43-03-15 JC\n"
                                   "Dee-Cecil: -43-03-13 DC\n"
                                   "JDN:       1,705,426\n"
                                   "Weekday:   Wednesday\n");
}

TEST(CliConvert, DeeVariantMovesOnlyTheDeeDate)
{
    const CliResult r =
        RunCli({"--variant", "dee", "convert", "--date", "2021-3-15", "--calendar", "gregorian"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("Dee:       2021-03-16 D\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Gregorian: 2021-03-15 CE\n"));
    const CliResult dee =
        RunCli({"convert", "--date", "2021-3-16", "--calendar", "dee", "--variant", "dee", "--json"});
    EXPECT_TRUE(dee.out.contains("\"jdn\": 2459289,")) << dee.out.toStdString();
    EXPECT_TRUE(dee.out.contains("\"variant\": \"Dee\"")) << dee.out.toStdString();
}

TEST(CliConvert, LargeYearsAreGrouped)
{
    const CliResult r = RunCli({"convert", "--jdn", "-2147483648"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("Gregorian: -5,884,323-05-15 CE\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("JDN:       -2,147,483,648\n")) << r.out.toStdString();
}

TEST(CliConvert, ImpossibleDateIsRefused)
{
    for (const QStringList &args :
         {QStringList{"convert", "--date", "2023-2-29", "--calendar", "gregorian"},
          QStringList{"convert", "--date", "2024-2-29", "--calendar", "dee"},
          QStringList{"convert", "--date", "2024-13-1", "--calendar", "julian"},
          QStringList{"convert", "--date", "9999999-1-1", "--calendar", "julian"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
        EXPECT_EQ(r.err, "The input date is invalid.\n");
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliConvert, MalformedArgumentsGiveUsage)
{
    for (const QStringList &args :
         {QStringList{}, QStringList{"convert"}, QStringList{"convert", "--jdn", "2147483648"},
          QStringList{"convert", "--jdn", "12x"}, QStringList{"convert", "--date", "2024-3-5"},
          QStringList{"convert", "--date", "2024-3", "--calendar", "gregorian"},
          QStringList{"convert", "--date", "99999999999-1-1", "--calendar", "gregorian"},
          QStringList{"convert", "--jdn", "5", "--calendar", "dee"},
          QStringList{"--variant", "cecil", "convert"}, QStringList{"frobnicate"},
          QStringList{"convert", "--jdn"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("vardex-cli: ")) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n') > 2, true) << "reason, then usage";
        EXPECT_TRUE(r.err.contains("Usage:"));
    }
}

TEST(CliConvert, HelpPrintsUsage)
{
    const CliResult r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith("Usage:"));
}

}  // namespace
}  // namespace vardex::test
