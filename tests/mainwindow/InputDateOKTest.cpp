#include "MainWindowFixture.h"

namespace vardex::test {
namespace {

struct YearCase {
    const char *name;
    const char *typed;
    bool ok;
    const char *message;  // "" when accepted
    const char *boxAfter;
};

class MonthDayYearYear : public MainWindowTest, public testing::WithParamInterface<YearCase> {};

TEST_P(MonthDayYearYear, IsCheckedAndTidied)
{
    const YearCase &c = GetParam();
    EnterMDY(3, 5, QString::fromUtf8(c.typed), "CE", kGregorian);
    EXPECT_EQ(controller.InputDateOK(), c.ok);
    if (c.ok) {
        EXPECT_TRUE(dialogs.shown.empty());
    } else {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, c.message);
        EXPECT_EQ(dialogs.shown[0].title, "Calculate");
    }
    EXPECT_EQ(form.txbYearADBCetc.text, c.boxAfter);
}

const char kZeroNegative[] = "Zero and negative years not accepted.\r\nInput the date as year-month-day.";

INSTANTIATE_TEST_SUITE_P(
    InputDateOK, MonthDayYearYear,
    testing::Values(YearCase{"PlusSign", "+5", false, "Invalid year value", "+5"},
                    YearCase{"Apostrophe", "1'000", false, "Invalid year value", "1'000"},
                    YearCase{"TwoMinus", "1-2-3", false, "Invalid year value", "1-2-3"},
                    YearCase{"Letters", "12a", false, "Invalid year value", "12a"},
                    YearCase{"Negative", "-5", false, kZeroNegative, "-5"},
                    YearCase{"Zeros", "000", false, kZeroNegative, "0"},
                    YearCase{"LeadingZeros", "007", true, "", "7"},
                    YearCase{"Trimmed", "  2024 ", true, "", "2024"},
                    YearCase{"Comma", "99,999", true, "", "99,999"},
                    YearCase{"Blank", "99 999", true, "", "99 999"},
                    // The groups a French locale writes are read back: U+202F, and U+00A0.
                    YearCase{"NarrowNoBreakSpace", "12\u202F345", true, "", "12\u202F345"},
                    YearCase{"NoBreakSpace", "12\u00A0345", true, "", "12\u00A0345"},
                    YearCase{"TooLarge", "100000", false, "Year is out of permitted range", "100000"},
                    YearCase{"HugeDigits", "99999999999999999999999999999", false,
                             "Year is out of permitted range", "99999999999999999999999999999"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, EmptyMonthDayYearYearIsInvalid)
{
    EnterMDY(3, 5, "2024", "CE", kGregorian);
    form.txbYearADBCetc.text.clear();  // typed after the last tick
    EXPECT_FALSE(controller.InputDateOK());
    EXPECT_EQ(OnlyMessage(), "Invalid year value");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
}

TEST_F(MainWindowTest, NeitherFormSelected)
{
    form.optInputDateWithoutAYN.value = false;
    form.optInputDateWithAYN.value = false;
    EXPECT_FALSE(controller.InputDateOK());
    EXPECT_EQ(OnlyMessage(), "Please select type of input date");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
}

struct YmdCase {
    const char *name;
    const char *typed;
    int calendar;
    bool ok;
    const char *message;
    MessageIcon icon;
    const char *boxAfter;
};

class YearMonthDay : public MainWindowTest, public testing::WithParamInterface<YmdCase> {};

TEST_P(YearMonthDay, IsCheckedAndTidied)
{
    const YmdCase &c = GetParam();
    controller.SelectOption(form.optInputDateWithAYN);
    controller.SelectListEntry(form.cboCalendar[1], c.calendar);
    form.txbYearCEJC.text = QString::fromUtf8(c.typed);
    form.intInputDateType = 1;  // as the refresher decides for a typed date
    EXPECT_EQ(controller.InputDateOK(), c.ok);
    if (c.ok) {
        EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().join('|').toStdString();
    } else {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, c.message);
        EXPECT_EQ(dialogs.shown[0].icon, c.icon);
    }
    EXPECT_EQ(form.txbYearCEJC.text, c.boxAfter);
}

const char kAdBc[] = "The calendar designators 'AD' and 'BC'\r\ncan only be used with month,day,year dates.";

INSTANTIATE_TEST_SUITE_P(
    InputDateOK, YearMonthDay,
    testing::Values(
        YmdCase{"DesignatorSupplied", "2024-3-5", kGregorian, true, "", MessageIcon::None, "2024-3-5 CE"},
        YmdCase{"JulianSupplied", "2024-3-5", kJulian, true, "", MessageIcon::None, "2024-3-5 JC"},
        YmdCase{"NoCalendar", "2024-3-5", 0, false, "Please specify calendar for year-month-day date.",
                MessageIcon::None, "2024-3-5"},
        YmdCase{"DeeNeedsItsDesignator", "2024-3-5", kDee, false,
                "Please specify calendar for year-month-day date.", MessageIcon::None, "2024-3-5"},
        YmdCase{"UpperCased", " 2024-3-5 jc ", kJulian, true, "", MessageIcon::None, "2024-3-5 JC"},
        YmdCase{"NarrowNoBreakSpace", "12\u202F345-3-5 CE", kGregorian, true, "", MessageIcon::None,
                "12\u202F345-3-5 CE"},
        YmdCase{"Inconsistent", "2024-3-5 jc", kGregorian, false,
                "Inconsistent calendar designations in year-month-day date.", MessageIcon::Exclamation,
                "2024-3-5 JC"},
        YmdCase{"InconsistentDee", "5-3-1 DC", kJulian, false,
                "Inconsistent calendar designations in year-month-day date.", MessageIcon::Exclamation,
                "5-3-1 DC"},
        YmdCase{"GroupedNegativeYear", "-1,000-1-1 JC", kJulian, true, "", MessageIcon::None,
                "-1,000-1-1 JC"},
        YmdCase{"OutOfRange", "100000-1-1 CE", kGregorian, false, "Input date is out of permitted range.",
                MessageIcon::Exclamation, "100000-1-1 CE"},
        YmdCase{"MonthThirteen", "2024-13-1 CE", kGregorian, false, "Invalid input date",
                MessageIcon::Exclamation, "2024-13-1 CE"},
        YmdCase{"DayThirtyTwo", "2024-2-32 CE", kGregorian, false, "Invalid input date",
                MessageIcon::Exclamation, "2024-2-32 CE"},
        YmdCase{"ThirtiethOfFebruaryPassesHere", "2024-2-30 CE", kGregorian, true, "", MessageIcon::None,
                "2024-2-30 CE"},
        YmdCase{"BC", "2024-3-5 BC", 0, false, kAdBc, MessageIcon::Information, "2024-3-5 BC"},
        YmdCase{"BCE", "2024-3-5 BCE", 0, false, "Invalid input date", MessageIcon::Exclamation,
                "2024-3-5 BCE"},
        YmdCase{"TwoParts", "2024-3 CE", kGregorian, false, "Invalid input date", MessageIcon::Exclamation,
                "2024-3 CE"},
        YmdCase{"FourParts", "2024-3-5-6 CE", kGregorian, false, "Invalid input date",
                MessageIcon::Exclamation, "2024-3-5-6 CE"},
        YmdCase{"EmptyPart", "2024--5 CE", kGregorian, false, "Invalid input date", MessageIcon::Exclamation,
                "2024--5 CE"},
        YmdCase{"DeeCecil", "5-3-1 DC", 0, true, "", MessageIcon::None, "5-3-1 DC"},
        YmdCase{"DeeWhileDeeCecil", "5-3-1 D", 0, false, "Invalid input date", MessageIcon::Exclamation,
                "5-3-1 D"},
        YmdCase{"Slashes", "2024/3/5 CE", 0, false, "Invalid input date", MessageIcon::Exclamation,
                "2024/3/5 CE"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, YearMonthDayPartsAreLeftForGetJDN)
{
    EnterYMD("-1,000-1-1 JC", kJulian);
    ASSERT_TRUE(controller.InputDateOK());
    EXPECT_EQ(form.strYMDParts, QStringList({"-1000", "1", "1"}));
}

}  // namespace
}  // namespace vardex::test
