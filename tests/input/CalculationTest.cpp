// SPDX-License-Identifier: MIT
// An input read into a day: in its calendar, moved by the arithmetic, or found by a weekday.
#include <gtest/gtest.h>

#include "InputCases.h"
#include "input/Calculation.h"
#include "input/InputReading.h"

namespace vardex::test {
namespace {

// The days and messages themselves: tests/cli/calc.txt. Here, titles, icons and whether a result shows.
TEST(Calculation, MessagesAreTitledAndAResultShownOnlyWhenThereIsOne)
{
    const QString invalid =
        "The input date is invalid.\r\n\r\nIn the Gregorian Calendar\r\n1900 is not a leap year.";
    // clang-format off
    const std::tuple<InputEntry, Message, bool> cases[] = {
        {Mdy(2, 29, "1900"), {invalid, "Invalid input", MessageIcon::Information}, false},
        {Plus(Mdy(6, 15, "2024"), {"", "-2", "", ""}),
         Info("Negative values not permitted in the arithmetical function."), false},
        {Plus(Mdy(6, 15, "2024"), {"5900000", "", "", ""}), Info(ArithmeticRangeMessage()), false},
        {Mdy(3, 5, "2024", "AD", kSunday),
         Info("The input date is not a Sunday in either the Gregorian Calendar or the Julian."), false},
        {Mdy(6, 1, "2150", "AD", kMonday),
         Info("The input date is a Monday in both the Gregorian and the Julian calendars."), true},
        {Incomplete(Mdy(3, 5, "2024")), {}, false}};
    // clang-format on
    for (const auto &[entry, message, shown] : cases) {
        const Calculation result = Calculate(entry, kContext);
        EXPECT_EQ(result.messages, message.text.isEmpty() ? std::vector<Message>() : std::vector({message}));
        EXPECT_EQ(result.showResult, shown) << message.text.toStdString();
    }
}

TEST(Calculation, TidiesTheTextsItRead)
{
    EXPECT_EQ(Calculate(Mdy(2, 30, "12345"), kContext).entry.year, "12,345")
        << "even when the date is refused";
    EXPECT_EQ(Calculate(Mdy(2, 1, "9999"), kContext).entry.year +
                  Calculate(Mdy(2, 1, "0999"), kContext).entry.year,
              "9,999999");
    EXPECT_EQ(Calculate(Ymd("-1000-1-1 JC", kJulian), kContext).entry.yearMonthDay, "-1000-01-01 JC");
    EXPECT_EQ(Calculate(Ymd("12345-3-5 CE", kGregorian), kContext).entry.yearMonthDay, "12,345-03-05 CE");
    EXPECT_EQ(Calculate(Mdy(3, 5, "2024", "AD", kMonday), kContext).settled, Calendar::Julian);
    InputEntry hidden = Plus(Mdy(6, 15, "2024"), {"1", "", "", ""});
    hidden.arithmeticOffered = false;
    EXPECT_EQ(Calculate(hidden, kContext).jdn, 2460477) << "no frame, no sums: 15 June 2024";
}

TEST(InputReading, YearAmountBoxesAndTexts)
{
    EXPECT_EQ(InputYear(Ymd("-1000-01-01 JC", kJulian)), -1000);
    EXPECT_EQ(InputYear(Ymd("12\u202F345-03-05 CE", kJulian)), 12345);
    EXPECT_EQ(InputYear(Ymd("12,345-03-05 CE", kJulian)), 12);
    EXPECT_EQ(InputYear(Mdy(3, 1, "44", "BC")), -43);
    EXPECT_EQ(InputYear(Mdy(3, 1, "44", "CE")), 44);
    EXPECT_EQ(InputYear(Mdy(3, 1, "99999999999999", "BCE")), 1 - INT32_MAX) << "clamped, never wrapped";
    const Message negative{"Negative values not permitted in the arithmetical function.", "Invalid input",
                           MessageIcon::Information};
    EXPECT_EQ(CheckAmountBox(" -3").message, negative);
    EXPECT_FALSE(CheckAmountBox(" -3").clearBox);
    const AmountCheck letters = CheckAmountBox("3a");
    EXPECT_EQ(letters.message.value_or(Message{}).text, "Invalid input in the arithmetical function.");
    EXPECT_TRUE(letters.clearBox);
    EXPECT_FALSE(CheckAmountBox("1,000 '1.0\u202F").message);
    EXPECT_EQ(YearMonthDayText({-9999, 1, 2}, kDee, kContext), "-9999-01-02 DC");
    EXPECT_EQ(YearMonthDayText({-10000, 1, 2}, kJulian, kContext), "-10,000-01-02 JC");
    EXPECT_EQ(YearMonthDayText({10000, 11, 12}, kGregorian, kContext), "10,000-11-12 CE");
}

}  // namespace
}  // namespace vardex::test
