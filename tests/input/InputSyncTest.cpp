// SPDX-License-Identifier: MIT
// Keeping the input controls in step: which form is complete, the designators of a year-month-day
// text and the dates Today writes.
#include <gtest/gtest.h>

#include "InputCases.h"
#include "input/InputSync.h"

namespace vardex::test {
namespace {

constexpr DeeVariant kDC = DeeVariant::DeeCecil, kD = DeeVariant::Dee;

TEST(InputSync, AFormIsCompleteWithAllItsParts)
{
    const InputEntry complete = DeriveInputType(Mdy(3, 5, " 2024 "));
    EXPECT_EQ(std::tuple(complete.type, complete.year, DeriveInputType(Ymd("x", kJulian)).type),
              std::tuple(InputType::MonthDayYear, "2024", InputType::YearMonthDay));
    const InputEntry incomplete[] = {Mdy(0, 5, "2024"),     Mdy(3, 0, "2024"),          Mdy(3, 5, "  "),
                                     Mdy(3, 5, "2024", ""), Mdy(3, 5, "2024", "AD", 0), Ymd("", kJulian),
                                     Ymd("2024-3-5 JC", 0)};
    for (const InputEntry &entry : incomplete)
        EXPECT_EQ(DeriveInputType(entry).type, InputType::Incomplete)
            << entry.month << entry.day << entry.year.toStdString();
    EXPECT_EQ(DeriveInputType(NoFormChosen(Mdy(3, 5, "2024"))).type, InputType::Incomplete);
}

TEST(InputSync, DesignatorsFollowTheChosenCalendar)
{
    const std::tuple<QString, int, DeeVariant, QString> cases[] = {
        {"700-1-1 jc", kGregorian, kDC, "700-1-1 CE"}, {"5-3-1 DC", kGregorian, kDC, "5-3-1 CE"},
        {"5-3-1 DC", kJulian, kDC, "5-3-1 JC"},        {"2024-3-5 ce", kDee, kDC, "2024-3-5 DC"},
        {"2024-3-5 JC", kDee, kD, "2024-3-5 D"},       {"2024-3-5 D", kJulian, kD, "2024-3-5 JC"},
        {"2024-3-5 jc", 0, kD, "2024-3-5 JC"}};
    for (const auto &[text, entry, variant, expected] : cases)
        EXPECT_EQ(Redesignated(text, entry, variant), expected) << text.toStdString() << " " << entry;
    // Choosing the form: "CE" after the first character, else "JC"; a Dee designator is not recognised.
    EXPECT_EQ(std::tuple(EntryWhenYmdFormChosen("1600-2-29 CE", 0), EntryWhenYmdFormChosen("1600-2-29 D", 0),
                         EntryWhenYmdFormChosen("CE", 0), EntryWhenYmdFormChosen("1600-2-29 CE", kJulian),
                         EntryWhenYmdFormChosen("1CE", 0)),
              std::tuple(int(kGregorian), 0, 0, int(kJulian), int(kGregorian)));
}

// A text, its calendar entry, whether the legend shows, the variant; the text, entry and legend after.
TEST(InputSync, OneStepUpperCasesFindsTheLegendAndChoosesItsCalendar)
{
    // clang-format off
    const std::tuple<QString, int, bool, DeeVariant, QString, int, int> cases[] = {
        {"5-3-1 DC", 0, true, kDC, "5-3-1 DC", kDee, 2}, {"5-3-1 D", 0, true, kD, "5-3-1 D", kDee, 2},
        {"5-3-1 JC", kGregorian, true, kD, "5-3-1 JC", kGregorian, 1},
        {"5-3-1 CE", 0, true, kD, "5-3-1 CE", kGregorian, 0},
        {"5-3-1 jc", 0, true, kD, "5-3-1 JC", 0, -1}, {"5-3-1", 0, true, kD, "5-3-1", 0, -1},
        {"5-3-1 CE", 0, false, kD, "5-3-1 CE", 0, -1}};
    // clang-format on
    for (const auto &[text, entry, shown, variant, after, afterEntry, legend] : cases) {
        const DesignatorSync sync = SyncDesignator(text, entry, shown, variant);
        EXPECT_EQ(std::tuple(sync.text, sync.ymdCalendarEntry, sync.legendIndex),
                  std::tuple(after, afterEntry, legend))
            << text.toStdString();
    }
    EXPECT_EQ(SettledDesignator("5-3-1 jc", 0, DeeVariant::Dee).ymdCalendarEntry, kJulian);
    EXPECT_EQ(DesignatorLegends(DeeVariant::Dee)[2],
              "'D' = the proleptic Dee Calendar with astronomical year numbering");
}

// Today's calendar: the main window's tests. Its date as the month,day,year controls show it:
TEST(InputSync, ADateInTheMonthDayYearControls)
{
    const std::tuple<CalendarDate, QString, QString, QString> fields[] = {
        {{-43, 3, 15}, "AD", "44", "BC"},       {{2024, 3, 15}, "BCE", "2024", "CE"},
        {{2024, 3, 15}, "", "2024", "CE"},      {{2024, 3, 15}, "BC", "2024", "AD"},
        {{0, 3, 15}, "", "1", "BCE"},           {{0, 3, 15}, "BC", "1", "BC"},
        {{12000, 3, 15}, "AD", "12,000", "AD"}, {{-11999, 3, 15}, "CE", "12,000", "BCE"},
        {{-9998, 3, 15}, "CE", "9999", "BCE"},  {{9999, 3, 15}, "CE", "9999", "CE"},
        {{-9999, 3, 15}, "CE", "10000", "BCE"}, {{10000, 3, 15}, "CE", "10,000", "CE"}};  // grouping edges
    for (const auto &[date, era, year, shownEra] : fields) {
        const MonthDayYearFields f = MonthDayYearFieldsOf(date, era, NumberFormat::Commas());
        EXPECT_EQ(std::tuple(f.month, f.day, f.year, f.era), std::tuple(3, 15, year, shownEra)) << date.year;
    }
}

}  // namespace
}  // namespace vardex::test
