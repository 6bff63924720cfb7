#include "MainWindowFixture.h"

namespace vardex::test {
namespace {

TEST_F(MainWindowTest, StartUpFillsTheListsAndEntersToday)
{
    EXPECT_EQ(form.cboMonthNames.items.size(), 13);
    EXPECT_EQ(form.cboDayNumbers.items.size(), 32);
    EXPECT_EQ(form.cboYearDesADBCetc.items.size(), 5);
    EXPECT_EQ(form.cboCalendar[0].items.size(), 11);
    EXPECT_EQ(form.cboCalendar[1].items.size(), 4);
    EXPECT_EQ(form.cboCalendar[0].items[3], "Dee-Cecil Calendar");
    EXPECT_EQ(form.cboCalendar[0].items[10], "Saturday");
    EXPECT_EQ(form.cboCalendar[1].items[3], "Proleptic Dee-Cecil");
    EXPECT_EQ(form.cboDayNumbers.items[31], "31");

    EXPECT_TRUE(form.optDeeCecil.value);
    EXPECT_FALSE(form.optDee.value);
    EXPECT_EQ(form.deeVariant, DeeVariant::DeeCecil);
    EXPECT_EQ(form.strDeeCalendarName, "Dee-Cecil");
    EXPECT_EQ(form.strDeeCalendarDesignation, "DC");
    EXPECT_EQ(form.lblDee.caption, "Dee-Cecil:");

    // Today (5 March 2024 from the scripted clock) in the month,day,year form.
    EXPECT_TRUE(form.optInputDateWithoutAYN.value);
    EXPECT_TRUE(form.cboMonthNames.visible);
    EXPECT_FALSE(form.txbYearCEJC.visible);
    EXPECT_EQ(form.cboMonthNames.Text(), "March");
    EXPECT_EQ(form.cboDayNumbers.Text(), "5");
    EXPECT_EQ(form.txbYearADBCetc.text, "2024");
    EXPECT_EQ(form.cboYearDesADBCetc.Text(), "CE");
    EXPECT_EQ(form.cboCalendar[0].Text(), "Gregorian Calendar");
    EXPECT_EQ(form.cboCalendar[1].Text(), "Proleptic Gregorian");
    EXPECT_EQ(form.txbYearCEJC.text, "2024-03-05 CE");

    for (TextBox *box : form.OutputBoxes()) {
        EXPECT_FALSE(box->visible);
        EXPECT_TRUE(box->text.isEmpty());
    }
    EXPECT_EQ(form.focusRequest, &form.cmdCalculate);
    EXPECT_TRUE(form.blnStartupCompleted);
    EXPECT_EQ(form.lngTextBoxCapacityInKB, 63);
    EXPECT_EQ(form.strProgramTextFile, "vardex.dat");
    EXPECT_EQ(form.top, 1000);
    EXPECT_EQ(form.left, (800 * 15 - MainForm::kWidth) / 2);
    EXPECT_EQ(form.lblOnlineUserManual.toolTip,
              "Click here for the online user manual at vardex.example.org/manual");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(MainWindowStartUp, AFailedProgramTextFileEndsIt)
{
    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock;
    RecordingPopUps popUps;
    FixedScreen screen;
    MainForm form;
    MainController controller(form, MainSeams{dialogs, clipboard, clock, popUps, screen, {}});
    QString asked;
    bool shown = false;
    const bool started = controller.StartUp({[&](const QString &name) {
                                                 asked = name;
                                                 return false;
                                             },
                                             {},
                                             [&] { shown = true; }});
    EXPECT_FALSE(started);
    EXPECT_EQ(asked, "vardex.dat");
    EXPECT_FALSE(shown);
    EXPECT_FALSE(form.blnStartupCompleted);
}

TEST(MainWindowStartUp, TodayFromAMonthFirstDateText)
{
    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock("12/31/2021");
    RecordingPopUps popUps;
    FixedScreen screen;
    MainForm form;
    MainController controller(form, MainSeams{dialogs, clipboard, clock, popUps, screen, {}});
    ASSERT_TRUE(controller.StartUp({}));
    EXPECT_EQ(form.cboMonthNames.Text(), "December");
    EXPECT_EQ(form.cboDayNumbers.Text(), "31");
    EXPECT_EQ(form.txbYearADBCetc.text, "2021");
    EXPECT_EQ(form.txbYearCEJC.text, "2021-12-31 CE");
}

}  // namespace
}  // namespace vardex::test
