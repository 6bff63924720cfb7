#include "MainWindowFixture.h"

namespace vardex::test {
namespace {

TEST_F(MainWindowTest, SwitchingTheFormShowsOneAndBoldsItsOption)
{
    controller.SelectOption(form.optInputDateWithAYN);
    EXPECT_TRUE(form.txbYearCEJC.visible);
    EXPECT_TRUE(form.cboCalendar[1].visible);
    EXPECT_FALSE(form.cboMonthNames.visible);
    EXPECT_FALSE(form.cboCalendar[0].visible);
    EXPECT_TRUE(form.optInputDateWithAYN.bold);
    EXPECT_FALSE(form.optInputDateWithoutAYN.bold);
    EXPECT_EQ(form.focusRequest, &form.cmdCalculate);
    controller.SelectOption(form.optInputDateWithoutAYN);
    EXPECT_TRUE(form.txbYearADBCetc.visible);
    EXPECT_FALSE(form.txbYearCEJC.visible);
    EXPECT_TRUE(form.optInputDateWithoutAYN.bold);
}

TEST_F(MainWindowTest, SwitchingToYearMonthDayPicksTheTypedCalendar)
{
    controller.SelectListEntry(form.cboCalendar[1], 0);
    form.txbYearCEJC.text = "1600-2-29 JC";
    controller.SelectOption(form.optInputDateWithAYN);
    EXPECT_EQ(form.cboCalendar[1].Text(), "Proleptic Julian");

    controller.SelectOption(form.optInputDateWithoutAYN);
    controller.SelectListEntry(form.cboCalendar[1], 0);
    form.txbYearCEJC.text = "1600-2-29 D";
    controller.SelectOption(form.optInputDateWithAYN);
    EXPECT_EQ(form.cboCalendar[1].listIndex, 0) << "a Dee designator is not recognised here";
}

TEST_F(MainWindowTest, ChoosingACalendarRewritesTheDesignator)
{
    controller.SelectOption(form.optInputDateWithAYN);
    controller.SelectListEntry(form.cboCalendar[1], kGregorian);
    form.txbYearCEJC.text = "700-1-1 JC";
    controller.SelectListEntry(form.cboCalendar[1], kJulian);
    EXPECT_EQ(form.txbYearCEJC.text, "700-1-1 JC");
    controller.SelectListEntry(form.cboCalendar[1], kGregorian);
    EXPECT_EQ(form.txbYearCEJC.text, "700-1-1 CE");

    form.txbYearCEJC.text = "5-3-1 DC";
    controller.SelectListEntry(form.cboCalendar[1], kGregorian);
    EXPECT_EQ(form.txbYearCEJC.text, "5-3-1 CE");
    form.txbYearCEJC.text = "5-3-1 DC";
    controller.SelectListEntry(form.cboCalendar[1], kJulian);
    EXPECT_EQ(form.txbYearCEJC.text, "5-3-1 JC");
    form.txbYearCEJC.text = "2024-3-5 ce";
    controller.SelectListEntry(form.cboCalendar[1], kDee);
    EXPECT_EQ(form.txbYearCEJC.text, "2024-3-5 DC");
}

TEST_F(MainWindowTest, EnterInAYearBoxCalculates)
{
    EnterMDY(3, 5, "2024", "AD", kGregorian);
    controller.txbYearADBCetc_KeyUp(65);
    EXPECT_FALSE(form.txbOutputGC.visible);
    controller.txbYearADBCetc_KeyUp(13);
    EXPECT_TRUE(form.txbOutputGC.visible);

    controller.SelectListEntry(form.cboMonthNames, 0);
    controller.Timer1_Timer();
    ASSERT_FALSE(form.cmdCalculate.enabled);
    controller.ClearOutputs();
    controller.txbYearCEJC_KeyUp(13);
    EXPECT_FALSE(form.txbOutputGC.visible) << "nothing while Calculate is disabled";
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindowTest, PutDateMDYKeepsTheEraStyle)
{
    controller.SelectListEntry(form.cboYearDesADBCetc, controller.EraListIndex("AD"));
    CalendarDate date{-43, 3, 15};
    controller.PutDateMDY(date);
    EXPECT_EQ(form.txbYearADBCetc.text, "44");
    EXPECT_EQ(form.cboYearDesADBCetc.Text(), "BC");
    EXPECT_EQ(form.cboMonthNames.Text(), "March");
    EXPECT_EQ(form.cboDayNumbers.Text(), "15");

    controller.SelectListEntry(form.cboYearDesADBCetc, controller.EraListIndex("BCE"));
    date.year = 2024;
    controller.PutDateMDY(date);
    EXPECT_EQ(form.txbYearADBCetc.text, "2024");
    EXPECT_EQ(form.cboYearDesADBCetc.Text(), "CE");

    date.year = 12000;
    controller.PutDateMDY(date);
    EXPECT_EQ(form.txbYearADBCetc.text, "12,000");
    date.year = -11999;
    controller.PutDateMDY(date);
    EXPECT_EQ(form.txbYearADBCetc.text, "12,000");
    EXPECT_EQ(form.cboYearDesADBCetc.Text(), "BCE");
}

TEST_F(MainWindowTest, SetTodayCalendarReplacesAWeekday)
{
    EnterMDY(3, 5, "2024", "AD", kSaturday);
    EXPECT_EQ(controller.SetTodayCalendar(), Calendar::Gregorian);
    EXPECT_EQ(form.cboCalendar[0].Text(), "Gregorian Calendar");
    EXPECT_EQ(form.cboCalendar[1].Text(), "Proleptic Gregorian");

    controller.SelectOption(form.optInputDateWithAYN);
    controller.SelectListEntry(form.cboCalendar[1], kDee);
    EXPECT_EQ(controller.SetTodayCalendar(), Calendar::Dee);
    EXPECT_EQ(form.cboCalendar[0].listIndex, kDee);
}

TEST_F(MainWindowTest, EraListIndex)
{
    EXPECT_EQ(controller.EraListIndex(""), 0);
    EXPECT_EQ(controller.EraListIndex("BCE"), 4);
    EXPECT_EQ(controller.EraListIndex("bce"), -1);
}

}  // namespace
}  // namespace vardex::test
