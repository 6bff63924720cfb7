// SPDX-License-Identifier: MIT
// The check of a typed input date: the texts it tidies and the title and icon of each fault (the
// faults themselves, as vardex-cli shows them: tests/cli/calc.txt).
#include <gtest/gtest.h>

#include "InputCases.h"
#include "input/InputCheck.h"

namespace vardex::test {
namespace {

// An entry, its year or year-month-day text as the check leaves it, and its fault (no text: accepted).
TEST(InputCheck, TidiesTheTextsAndTitlesEachFault)
{
    const Message none = {};
    const QString bcText =
        "The calendar designators 'AD' and 'BC'\r\ncan only be used with month,day,year dates.";
    // clang-format off
    const std::tuple<InputEntry, QString, Message> cases[] = {
        {Mdy(3, 5, "+5"), "+5", Titled("Invalid year value")},
        {Mdy(3, 5, ""), "", Titled("Invalid year value")},
        {Mdy(3, 5, "000"), "0",
         Info("Zero and negative years not accepted.\r\nInput the date as year-month-day.")},
        {Mdy(3, 5, "  007 "), "7", none}, {Mdy(3, 5, "99\u00A0999"), "99\u00A0999", none},
        {Mdy(3, 5, "100,000"), "100,000", Titled("Year is out of permitted range")},
        {Incomplete(Mdy(3, 5, "x")), "x", none},
        {Ymd("2024-3-5", kGregorian), "2024-3-5 CE", none}, {Ymd("2024-3-5", kJulian), "2024-3-5 JC", none},
        {Ymd("2024-3-5", 0), "2024-3-5",
         Titled("Please specify calendar for year-month-day date.", MessageIcon::None)},
        {Ymd(" 2024-3-5 jc ", kJulian), "2024-3-5 JC", none},
        {Ymd("2024-3-5 jc", kGregorian), "2024-3-5 JC",
         Titled("Inconsistent calendar designations in year-month-day date.")},
        {Ymd("5-3-1 D", 0), "5-3-1 D", Titled("Invalid input date")},
        {Ymd("-100000-1-1 CE", 1), "-100000-1-1 CE", Titled("Input date is out of permitted range.")},
        {Ymd("2024-2-0 CE", kGregorian), "2024-2-0 CE", Titled("Invalid input date")},
        {Ymd("2024-3-5 BC", 0), "2024-3-5 BC", Info(bcText)}};
    // clang-format on
    for (const auto &[entry, after, fault] : cases) {
        const InputCheck check = CheckInputDate(entry, kContext);
        EXPECT_EQ(check.fault.value_or(Message{}), fault) << after.toStdString();
        EXPECT_EQ(entry.type == InputType::YearMonthDay ? check.entry.yearMonthDay : check.entry.year, after);
    }
    EXPECT_EQ(CheckInputDate(Ymd("--1,000-1-01 JC", kJulian), kContext).entry.ymdParts,
              QStringList({"-1000", "1", "01"}));
    EXPECT_EQ(CheckInputDate(NoFormChosen(Mdy(3, 5, "2024")), kContext).fault,
              Titled("Please select type of input date", MessageIcon::None));
}

}  // namespace
}  // namespace vardex::test
