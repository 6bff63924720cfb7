// SPDX-License-Identifier: MIT
// The check of a typed input date as the window sees it: the texts it tidies and the title and
// icon of each fault (the faults themselves, as vardex-cli shows them: tests/cli/calc.txt); and
// the number of rows a window is asked for, as typed: tests/cli/tables.txt.
#include <gtest/gtest.h>

#include "InputCases.h"
#include "input/InputCheck.h"

namespace vardex::test {
namespace {

struct CheckCase {
    const char *name;
    InputEntry entry;
    QString after;  // the year, or the year-month-day text, as the check leaves it
    Message fault;  // no text: accepted
    friend void PrintTo(const CheckCase &c, std::ostream *out) { *out << c.name; }
};

class InputChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(InputChecks, TidyAndTitleTheFault)
{
    const CheckCase &c = GetParam();
    const InputCheck check = CheckInputDate(c.entry, kContext);
    EXPECT_EQ(check.fault.value_or(Message{}), c.fault);
    EXPECT_EQ(c.entry.type == InputType::YearMonthDay ? check.entry.yearMonthDay : check.entry.year, c.after);
}

Message Fault(const QString &text, MessageIcon icon = MessageIcon::Exclamation)
{
    return {text, "Calculate", icon};
}
const Message kNone = {};
const QString kDateRange = "Input date is out of permitted range.";
constexpr MessageIcon kInformation = MessageIcon::Information;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Check, InputChecks, testing::Values(
    CheckCase{"InvalidYear", Mdy(3, 5, "+5"), "+5", Fault("Invalid year value")},
    CheckCase{"EmptyYear", Mdy(3, 5, ""), "", Fault("Invalid year value")},
    CheckCase{"YearZero", Mdy(3, 5, "000"), "0", Fault("Zero and negative years not accepted.\r\n"
                                                       "Input the date as year-month-day.", kInformation)},
    CheckCase{"LeadingZerosAndBlanks", Mdy(3, 5, "  007 "), "7", kNone},
    CheckCase{"NoBreakSpaceGroups", Mdy(3, 5, "99\u00A0999"), "99\u00A0999", kNone},
    CheckCase{"YearTooLarge", Mdy(3, 5, "100,000"), "100,000", Fault("Year is out of permitted range")},
    CheckCase{"IncompletePassesUnchecked", Incomplete(Mdy(3, 5, "x")), "x", kNone},
    CheckCase{"DesignatorSupplied", Ymd("2024-3-5", kGregorian), "2024-3-5 CE", kNone},
    CheckCase{"JulianDesignatorSupplied", Ymd("2024-3-5", kJulian), "2024-3-5 JC", kNone},
    CheckCase{"NoCalendar", Ymd("2024-3-5", 0), "2024-3-5",
              Fault("Please specify calendar for year-month-day date.", MessageIcon::None)},
    CheckCase{"UpperCasedAndTrimmed", Ymd(" 2024-3-5 jc ", kJulian), "2024-3-5 JC", kNone},
    CheckCase{"Inconsistent", Ymd("2024-3-5 jc", kGregorian), "2024-3-5 JC",
              Fault("Inconsistent calendar designations in year-month-day date.")},
    CheckCase{"DeeWhileDeeCecil", Ymd("5-3-1 D", 0), "5-3-1 D", Fault("Invalid input date")},
    CheckCase{"DateTooLarge", Ymd("-100000-1-1 CE", 1), "-100000-1-1 CE", Fault(kDateRange)},
    CheckCase{"DayZero", Ymd("2024-2-0 CE", kGregorian), "2024-2-0 CE", Fault("Invalid input date")},
    CheckCase{"BC", Ymd("2024-3-5 BC", 0), "2024-3-5 BC", Fault("The calendar designators 'AD' and 'BC'\r\n"
                                                             "can only be used with month,day,year dates.",
                                                             MessageIcon::Information)}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(InputCheck, LeavesTheYearMonthDayPartsAndAsksForAFormWhenNoneIsChosen)
{
    EXPECT_EQ(CheckInputDate(Ymd("--1,000-1-01 JC", kJulian), kContext).entry.ymdParts,
              QStringList({"-1000", "1", "01"}));
    InputEntry none = Mdy(3, 5, "2024");
    none.monthDayYearChosen = false;
    EXPECT_EQ(CheckInputDate(none, kContext).fault,
              Fault("Please select type of input date", MessageIcon::None));
}

}  // namespace
}  // namespace vardex::test
