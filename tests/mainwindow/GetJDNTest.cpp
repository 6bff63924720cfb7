#include "MainWindowFixture.h"
#include "input/InputReading.h"

#include "engine/Calendars.h"

namespace vardex::test {
namespace {

int32_t Jdn(Calendar calendar, int32_t y, int32_t m, int32_t d)
{
    const std::optional<int32_t> jdn = DateToJDN(calendar, {y, m, d}, DeeVariant::DeeCecil);
    EXPECT_TRUE(jdn);
    return jdn.value_or(0);
}

TEST_F(MainWindowTest, BeforeCommonEraYearsBecomeAstronomical)
{
    EnterMDY(3, 12, "5", "BC", kJulian);
    ASSERT_TRUE(controller.InputDateOK());
    ASSERT_TRUE(controller.GetJDN("Julian Calendar", true));
    EXPECT_EQ(form.udtInputDate.date.year, -4);
    EXPECT_EQ(form.lngJDN, Jdn(Calendar::Julian, -4, 3, 12));
    EnterMDY(1, 1, "1", "BCE", kGregorian);
    ASSERT_TRUE(controller.GetJDN("Gregorian Calendar", true));
    EXPECT_EQ(form.udtInputDate.date.year, 0);
}

TEST_F(MainWindowTest, TwentyNinthOfFebruaryInACommonYear)
{
    EnterMDY(2, 29, "1900", "AD", kGregorian);
    ASSERT_TRUE(controller.InputDateOK());
    EXPECT_FALSE(controller.GetJDN("Gregorian Calendar", true));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "The input date is invalid.\r\n\r\nIn the Gregorian Calendar\r\n1900 is not a leap year.");
    EXPECT_EQ(dialogs.shown[0].title, "Invalid input");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);

    dialogs.shown.clear();
    EnterYMD("2024-2-29 DC", kDee);
    ASSERT_TRUE(controller.InputDateOK());
    EXPECT_FALSE(controller.GetJDN("Dee-Cecil", true));
    EXPECT_EQ(OnlyMessage(),
              "The input date is invalid.\r\n\r\nIn the Dee-Cecil Calendar\r\n2024 is not a leap year.");

    dialogs.shown.clear();
    EnterYMD("-1-2-29 CE", kGregorian);  // 2 BC: no leap-year lines for years before 1
    ASSERT_TRUE(controller.InputDateOK());
    EXPECT_FALSE(controller.GetJDN("Gregorian", true));
    EXPECT_EQ(OnlyMessage(), "The input date is invalid.");

    dialogs.shown.clear();
    EXPECT_FALSE(controller.GetJDN("Gregorian", false));
    EXPECT_TRUE(dialogs.shown.empty()) << "no message unless asked";
}

TEST_F(MainWindowTest, YearBoxIsRewrittenEvenOnFailure)
{
    EnterMDY(2, 30, "12345", "AD", kGregorian);
    ASSERT_TRUE(controller.InputDateOK());
    EXPECT_FALSE(controller.GetJDN("Gregorian Calendar", true));
    EXPECT_EQ(form.txbYearADBCetc.text, "12,345");
    EnterMDY(2, 1, "9999", "AD", kGregorian);
    ASSERT_TRUE(controller.GetJDN("Gregorian Calendar", true));
    EXPECT_EQ(form.txbYearADBCetc.text, "9,999");
    EnterMDY(2, 1, "999", "AD", kGregorian);
    ASSERT_TRUE(controller.GetJDN("Gregorian Calendar", true));
    EXPECT_EQ(form.txbYearADBCetc.text, "999");
}

TEST_F(MainWindowTest, YearMonthDayBoxIsNormalised)
{
    EnterYMD("-1000-1-1 JC", kJulian);
    ASSERT_TRUE(controller.InputDateOK());
    ASSERT_TRUE(controller.GetJDN("Julian", true));
    EXPECT_EQ(form.txbYearCEJC.text, "-1000-01-01 JC");
    EnterYMD("12345-3-5 CE", kGregorian);
    ASSERT_TRUE(controller.InputDateOK());
    ASSERT_TRUE(controller.GetJDN("Gregorian", true));
    EXPECT_EQ(form.txbYearCEJC.text, "12,345-03-05 CE");
}

struct ArithmeticCase {
    const char *name;
    int month, day;
    const char *year;
    bool plus;
    const char *years, *months, *weeks, *days;
    int32_t expectedYear, expectedMonth, expectedDay;
};

class DateArithmetic : public MainWindowTest, public testing::WithParamInterface<ArithmeticCase> {};

TEST_P(DateArithmetic, MovesTheDate)
{
    const ArithmeticCase &c = GetParam();
    EnterMDY(c.month, c.day, c.year, "AD", kGregorian);
    Arithmetic(c.plus, c.years, c.months, c.weeks, c.days);
    ASSERT_TRUE(controller.InputDateOK());
    ASSERT_TRUE(controller.GetJDN("Gregorian Calendar", true)) << dialogs.Texts().join('|').toStdString();
    EXPECT_EQ(form.lngJDN, Jdn(Calendar::Gregorian, c.expectedYear, c.expectedMonth, c.expectedDay));
    EXPECT_TRUE(dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    GetJDN, DateArithmetic,
    testing::Values(
        ArithmeticCase{"EndOfJanuaryPlusOneMonth", 1, 31, "2023", true, "", "1", "", "", 2023, 2, 28},
        ArithmeticCase{"PlusThirteenMonthsToALeapYear", 1, 31, "2023", true, "", "13", "", "", 2024, 2, 29},
        ArithmeticCase{"EndOfMayMinusOneMonth", 5, 31, "2023", false, "", "1", "", "", 2023, 4, 30},
        ArithmeticCase{"MinusThreeMonths", 3, 15, "2024", false, "", "3", "", "", 2023, 12, 15},
        ArithmeticCase{"MinusFourteenMonths", 3, 15, "2024", false, "", "14", "", "", 2023, 1, 15},
        ArithmeticCase{"WeeksAndDaysOnTheDayNumber", 1, 1, "2024", true, "", "", "1", "2", 2024, 1, 10},
        ArithmeticCase{"YearsThenEndOfMonth", 2, 29, "2024", true, "1", "", "", "", 2025, 2, 28},
        ArithmeticCase{"AllKinds", 1, 31, "2000", true, "1", "1", "1", "1", 2001, 3, 8},
        ArithmeticCase{"SeparatorsDropped", 1, 1, "2000", true, "1,000", "", "", "", 3000, 1, 1},
        ArithmeticCase{"AllEmpty", 6, 15, "2024", true, "", "", "", "", 2024, 6, 15},
        ArithmeticCase{"TrimmedAmounts", 6, 15, "2024", false, " 1 ", "", "", "  ", 2023, 6, 15}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ArithmeticIgnoredWhileItsFrameIsHidden)
{
    EnterMDY(6, 15, "2024", "AD", kGregorian);
    Arithmetic(true, "1", "", "", "");
    form.fraPlusMinus.visible = false;
    ASSERT_TRUE(controller.GetJDN("Gregorian Calendar", true));
    EXPECT_EQ(form.lngJDN, Jdn(Calendar::Gregorian, 2024, 6, 15));
}

TEST_F(MainWindowTest, NegativeAmountStopsTheConversion)
{
    EnterMDY(6, 15, "2024", "AD", kGregorian);
    Arithmetic(true, "", "-2", "", "");
    const int32_t before = form.lngJDN;
    EXPECT_FALSE(controller.GetJDN("Gregorian Calendar", true));
    EXPECT_EQ(OnlyMessage(), "Negative values not permitted in the arithmetical function.");
    EXPECT_EQ(dialogs.shown[0].title, "Calculate");
    EXPECT_EQ(form.lngJDN, before);
}

struct RangeCase {
    const char *name;
    bool plus;
    const char *years, *months, *weeks, *days;
};

class ArithmeticOutOfRange : public MainWindowTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(ArithmeticOutOfRange, IsReportedNotWrapped)
{
    const RangeCase &c = GetParam();
    EnterMDY(6, 15, "2024", "AD", kGregorian);
    Arithmetic(c.plus, c.years, c.months, c.weeks, c.days);
    EXPECT_FALSE(controller.GetJDN("Gregorian Calendar", true));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(OnlyMessage(), ArithmeticRangeMessage());
    EXPECT_EQ(dialogs.shown[0].title, "Calculate");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
}

INSTANTIATE_TEST_SUITE_P(GetJDN, ArithmeticOutOfRange,
                         testing::Values(RangeCase{"AmountBeyond32Bits", true, "99999999999", "", "", ""},
                                         RangeCase{"YearBeyond32Bits", true, "2147483647", "", "", ""},
                                         RangeCase{"YearBeyondTheCalendars", true, "5900000", "", "", ""},
                                         RangeCase{"YearBeyondTheCalendarsBackwards", false, "5900000", "",
                                                   "", ""},
                                         RangeCase{"MonthsBeyond", true, "", "2147483647", "", ""},
                                         RangeCase{"WeeksBeyond", true, "", "", "310000000", ""},
                                         RangeCase{"DaysBeyond", true, "", "", "", "2147483647"},
                                         RangeCase{"ThousandDigitAmount", true, "", "", "",
                                                   "9999999999999999999999999999999999999"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, GetYear)
{
    EnterYMD("-1000-01-01 JC", kJulian);
    EXPECT_EQ(controller.GetYear(), -1000);
    form.txbYearCEJC.text = "1 500-03-21 CE";
    EXPECT_EQ(controller.GetYear(), 1500);
    form.txbYearCEJC.text = QString::fromUtf8("12\u202F345-03-05 CE");  // as a French locale groups it
    EXPECT_EQ(controller.GetYear(), 12345);
    form.txbYearCEJC.text = "12,345-03-05 CE";
    EXPECT_EQ(controller.GetYear(), 12);
    EnterMDY(3, 1, "44", "BC", kJulian);
    EXPECT_EQ(controller.GetYear(), -43);
    EnterMDY(3, 1, "99999999999999", "BCE", kJulian);
    EXPECT_EQ(controller.GetYear(), 1 - INT32_MAX) << "clamped, never wrapped";
}

TEST_F(MainWindowTest, LeavingAnAmountBox)
{
    form.txbArith[1].text = " -3";
    controller.txbArith_LostFocus(1);
    EXPECT_EQ(OnlyMessage(), "Negative values not permitted in the arithmetical function.");
    EXPECT_EQ(dialogs.shown[0].title, "Invalid input");
    EXPECT_EQ(form.txbArith[1].text, " -3");

    dialogs.shown.clear();
    form.txbArith[2].text = "3a";
    controller.txbArith_LostFocus(2);
    EXPECT_EQ(OnlyMessage(), "Invalid input in the arithmetical function.");
    EXPECT_EQ(form.txbArith[2].text, "");

    dialogs.shown.clear();
    form.txbArith[3].text = "1,000 '1.0";
    controller.txbArith_LostFocus(3);
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace vardex::test
