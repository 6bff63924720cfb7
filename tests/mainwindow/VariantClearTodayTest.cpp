#include "MainWindowFixture.h"

namespace vardex::test {
namespace {

TEST_F(MainWindowTest, SwitchingTheDeeVariantRewritesDesignatorsAndNames)
{
    controller.SelectOption(form.optInputDateWithAYN);
    controller.SelectListEntry(form.cboCalendar[1], kDee);
    form.txbYearCEJC.text = "2000-1-1 DC";
    controller.Timer1_Timer();
    ASSERT_EQ(form.lblCE.caption, "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering");

    controller.SelectOption(form.optDee);
    EXPECT_EQ(form.deeVariant, DeeVariant::Dee);
    EXPECT_EQ(form.txbYearCEJC.text, "2000-1-1 D");
    EXPECT_EQ(form.lblCE.caption, "'D' = the proleptic Dee Calendar with astronomical year numbering");
    EXPECT_EQ(form.strDesignatorLegend[2],
              "'D' = the proleptic Dee Calendar with astronomical year numbering");
    EXPECT_EQ(form.lblDee.caption, "Dee:");
    EXPECT_EQ(form.cboCalendar[0].items[3], "Dee Calendar");
    EXPECT_EQ(form.cboCalendar[1].items[3], "Proleptic Dee");
    EXPECT_EQ(form.cboCalendar[1].listIndex, kDee) << "the entry is replaced in place";

    controller.SelectOption(form.optDeeCecil);
    EXPECT_EQ(form.deeVariant, DeeVariant::DeeCecil);
    EXPECT_EQ(form.txbYearCEJC.text, "2000-1-1 DC");
    EXPECT_EQ(form.lblCE.caption, "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering");
    controller.SelectOption(form.optDeeCecil);
    EXPECT_EQ(form.txbYearCEJC.text, "2000-1-1 DC") << "choosing the chosen variant again changes nothing";
}

TEST_F(MainWindowTest, SwitchingTheVariantRecalculatesAShownResult)
{
    EnterMDY(3, 15, "2021", "AD", kGregorian);
    Calculate();
    ASSERT_EQ(form.txbOutputDEEwithAYN.text, "2021-03-15 DC");
    controller.SelectOption(form.optDee);
    EXPECT_EQ(form.txbOutputDEEwithAYN.text, "2021-03-16 D");
    EXPECT_EQ(form.txbOutputGCwithAYN.text, "2021-03-15 CE");
    EXPECT_TRUE(form.txbOutputGC.visible);
}

TEST_F(MainWindowTest, SwitchingTheVariantWithoutAResultKeepsOutputsHidden)
{
    controller.SelectOption(form.optDee);
    EXPECT_FALSE(form.txbOutputGC.visible);

    EnterMDY(3, 15, "2021", "AD", kGregorian);
    Calculate();
    controller.SelectListEntry(form.cboMonthNames, 0);
    controller.Timer1_Timer();  // Calculate disabled
    controller.SelectOption(form.optDeeCecil);
    EXPECT_FALSE(form.txbOutputGC.visible);
    EXPECT_TRUE(form.txbOutputGC.text.isEmpty());
}

TEST_F(MainWindowTest, ClearOfTheInputFrame)
{
    Arithmetic(true, "1", "", "", "");
    Calculate();
    controller.cmdClear_Click(0);
    EXPECT_EQ(form.txbYearADBCetc.text, "");
    EXPECT_EQ(form.txbYearCEJC.text, "");
    EXPECT_EQ(form.cboMonthNames.listIndex, 0);
    EXPECT_EQ(form.cboDayNumbers.listIndex, 0);
    EXPECT_EQ(form.cboYearDesADBCetc.listIndex, 0);
    EXPECT_EQ(form.cboCalendar[0].listIndex, 0);
    EXPECT_EQ(form.cboCalendar[1].listIndex, 0);
    EXPECT_FALSE(form.optPlus.value);
    EXPECT_EQ(form.txbArith[0].text, "");
    EXPECT_FALSE(form.txbOutputGC.visible);
    EXPECT_TRUE(form.optInputDateWithoutAYN.value) << "the input form stays";
    EXPECT_EQ(form.focusRequest, &form.cmdToday);
}

TEST_F(MainWindowTest, ClearOfTheArithmeticFrame)
{
    Arithmetic(false, "1", "2", "3", "4");
    Calculate();
    controller.cmdClear_Click(1);
    for (const TextBox &box : form.txbArith)
        EXPECT_EQ(box.text, "");
    EXPECT_FALSE(form.optPlus.value);
    EXPECT_FALSE(form.optMinus.value);
    EXPECT_EQ(form.cboMonthNames.Text(), "March");
    EXPECT_EQ(form.cboCalendar[0].listIndex, kGregorian);
    EXPECT_TRUE(form.txbOutputGC.visible) << "the result stays";
}

struct TodayEraCase {
    const char *name;
    const char *eraBefore;
    const char *eraAfter;
};

class TodayEra : public MainWindowTest, public testing::WithParamInterface<TodayEraCase> {};

TEST_P(TodayEra, KeepsTheStyleInTheCommonEra)
{
    controller.SelectListEntry(form.cboYearDesADBCetc, controller.EraListIndex(GetParam().eraBefore));
    Calculate();
    controller.cmdToday_Click();
    EXPECT_EQ(form.cboYearDesADBCetc.Text(), GetParam().eraAfter);
    EXPECT_FALSE(form.txbOutputGC.visible) << "Today never calculates";
    EXPECT_EQ(form.focusRequest, &form.cmdCalculate);
}

INSTANTIATE_TEST_SUITE_P(Today, TodayEra,
                         testing::Values(TodayEraCase{"BC", "BC", "AD"}, TodayEraCase{"BCE", "BCE", "CE"},
                                         TodayEraCase{"None", "", "CE"}, TodayEraCase{"AD", "AD", "AD"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, TodayInTheJulianCalendar)
{
    controller.SelectOption(form.optInputDateWithAYN);
    controller.SelectListEntry(form.cboCalendar[1], kJulian);
    controller.cmdToday_Click();
    EXPECT_EQ(form.txbYearCEJC.text, "2024-02-21 JC");
    EXPECT_EQ(form.cboMonthNames.Text(), "February");
    EXPECT_EQ(form.cboDayNumbers.Text(), "21");
    EXPECT_EQ(form.cboCalendar[0].listIndex, kJulian);
}

TEST_F(MainWindowTest, TodayChoosesAFormWhenNoneIs)
{
    form.optInputDateWithoutAYN.value = false;
    controller.cmdToday_Click();
    EXPECT_TRUE(form.optInputDateWithoutAYN.value);
    EXPECT_TRUE(form.cboMonthNames.visible);
}

}  // namespace
}  // namespace vardex::test
