#include "MainWindowFixture.h"

namespace vardex::test {
namespace {

TEST_F(MainWindowTest, CompleteMonthDayYearInputEnablesTheCommands)
{
    EnterMDY(3, 5, "2024", "AD", kGregorian);
    EXPECT_EQ(form.intInputDateType, 0);
    EXPECT_TRUE(form.cmdCalculate.enabled);
    EXPECT_TRUE(form.cmdDateSequence.enabled);
    EXPECT_TRUE(form.cmdVernalEquinoxes.enabled);
    EXPECT_TRUE(form.optPlus.enabled);
    EXPECT_TRUE(form.fraPlusMinus.visible);

    // Taking away any one part disables all three commands and plus/minus again.
    for (ComboBox *list :
         {&form.cboMonthNames, &form.cboDayNumbers, &form.cboYearDesADBCetc, &form.cboCalendar[0]}) {
        const int kept = list->listIndex;
        controller.SelectListEntry(*list, 0);
        controller.Timer1_Timer();
        EXPECT_EQ(form.intInputDateType, -1);
        EXPECT_FALSE(form.cmdCalculate.enabled);
        EXPECT_FALSE(form.cmdDateSequence.enabled);
        EXPECT_FALSE(form.cmdVernalEquinoxes.enabled);
        EXPECT_FALSE(form.optPlus.enabled);
        EXPECT_FALSE(form.optMinus.enabled);
        controller.SelectListEntry(*list, kept);
    }
    form.txbYearADBCetc.text = "   ";
    controller.Timer1_Timer();
    EXPECT_EQ(form.txbYearADBCetc.text, "") << "trimmed by the tick";
    EXPECT_FALSE(form.cmdCalculate.enabled);
}

TEST_F(MainWindowTest, WeekdaySearchHidesTheArithmeticAndTheWindows)
{
    EnterMDY(3, 5, "2024", "AD", kFriday);
    EXPECT_TRUE(form.cmdCalculate.enabled);
    EXPECT_FALSE(form.fraPlusMinus.visible);
    EXPECT_FALSE(form.cmdDateSequence.enabled);
    EXPECT_FALSE(form.cmdVernalEquinoxes.enabled);
}

TEST_F(MainWindowTest, UnitLabelsFollowTheAmounts)
{
    EnterMDY(3, 5, "2024", "AD", kGregorian);
    controller.Timer1_Timer();
    for (const TextBox &box : form.txbArith)
        EXPECT_FALSE(box.enabled) << "disabled until plus or minus is chosen";
    EXPECT_EQ(form.lblArith[3].caption, "days");
    form.txbArith[3].text = "1";
    controller.Timer1_Timer();
    EXPECT_EQ(form.lblArith[3].caption, "days") << "labels keep their captions without plus or minus";

    Arithmetic(true, "1", "2", "", "1.5");
    EXPECT_TRUE(form.txbArith[0].enabled);
    EXPECT_EQ(form.lblArith[0].caption, "year");
    EXPECT_EQ(form.lblArith[1].caption, "months");
    EXPECT_EQ(form.lblArith[2].caption, "weeks");
    EXPECT_EQ(form.lblArith[3].caption, "days");
    form.txbArith[0].text = "0";
    form.txbArith[2].text = "1";
    controller.Timer1_Timer();
    EXPECT_EQ(form.lblArith[0].caption, "years");
    EXPECT_EQ(form.lblArith[2].caption, "week");
    EXPECT_TRUE(form.cmdClear[1].visible);
}

TEST_F(MainWindowTest, YearMonthDayIsUpperCasedWithTheCaretKept)
{
    controller.SelectOption(form.optInputDateWithAYN);
    controller.SelectListEntry(form.cboCalendar[1], 0);
    form.txbYearCEJC.text = "2024-3-5 jc";
    form.txbYearCEJC.caret = 4;
    controller.Timer1_Timer();
    EXPECT_EQ(form.txbYearCEJC.text, "2024-3-5 JC");
    EXPECT_EQ(form.txbYearCEJC.caret, 4);
    EXPECT_FALSE(form.lblCE.visible) << "the legend follows the text as it was at the start of the tick";
    controller.Timer1_Timer();
    EXPECT_TRUE(form.lblCE.visible);
    EXPECT_EQ(form.lblCE.caption, "'JC' = the proleptic Julian Calendar with astronomical year numbering");
    EXPECT_EQ(form.cboCalendar[1].Text(), "Proleptic Julian");
    EXPECT_EQ(form.intInputDateType, -1) << "decided at the start of the tick";
    controller.Timer1_Timer();
    EXPECT_EQ(form.intInputDateType, 1);
}

TEST_F(MainWindowTest, LegendForEachDesignator)
{
    controller.SelectOption(form.optInputDateWithAYN);
    controller.SelectListEntry(form.cboCalendar[1], 0);
    form.txbYearCEJC.text = "5-3-1 DC";
    controller.Timer1_Timer();
    EXPECT_EQ(form.lblCE.caption, "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering");
    EXPECT_EQ(form.cboCalendar[1].listIndex, kDee);
    form.txbYearCEJC.text = "5-3-1 CE";
    controller.SelectListEntry(form.cboCalendar[1], kJulian);  // the user's choice is never overridden
    form.txbYearCEJC.text = "5-3-1 CE";
    controller.Timer1_Timer();
    EXPECT_EQ(
        form.lblCE.caption,
        "'CE' = 'Common Era Calendar' = the proleptic Gregorian Calendar with astronomical year numbering");
    EXPECT_EQ(form.cboCalendar[1].listIndex, kJulian);
    form.txbYearCEJC.text = "5-3-1";
    controller.Timer1_Timer();
    EXPECT_FALSE(form.lblCE.visible);
    EXPECT_EQ(form.lblCE.caption, "");
}

TEST_F(MainWindowTest, ClearButtonsShowWhenThereIsSomethingToClear)
{
    controller.Timer1_Timer();
    EXPECT_TRUE(form.cmdClear[0].visible) << "today's month is chosen";
    EXPECT_FALSE(form.cmdClear[1].visible);
    controller.cmdClear_Click(0);
    controller.Timer1_Timer();
    EXPECT_FALSE(form.cmdClear[0].visible);
    controller.SelectOption(form.optInputDateWithAYN);
    form.txbYearCEJC.text = "1";
    controller.Timer1_Timer();
    EXPECT_TRUE(form.cmdClear[0].visible);
}

TEST_F(MainWindowTest, CopyButtonEnabledExactlyWhileAResultIsShown)
{
    controller.Timer1_Timer();
    EXPECT_FALSE(form.cmdCopyResult.enabled);
    Calculate();
    controller.Timer1_Timer();
    EXPECT_TRUE(form.cmdCopyResult.enabled);
    controller.ClearOutputs();
    controller.Timer1_Timer();
    EXPECT_FALSE(form.cmdCopyResult.enabled);
}

}  // namespace
}  // namespace vardex::test
