// SPDX-License-Identifier: MIT
// The main window's logic on its model: start-up, the handlers clicks and typing run, the refresher.
// The input functions are tested on their own; here, what the window does with what they give back.
#include <gtest/gtest.h>

#include "StartedMainWindow.h"

namespace vardex::test {
namespace {

enum Entry { kGregorian = 1, kJulian = 2, kDee = 3, kSunday = 4, kMonday, kTuesday };

class MainWindowTest : public testing::Test, public StartedMainWindow {
protected:
    // Program texts numbered as in data/vardex.dat.
    MainWindowTest()
        : StartedMainWindow([](int16_t n) {
              return n == 15 ? "vardex.example.org/manual" : n == 40 ? "Vardex Project" : QString();
          })
    {
    }
    void SetUp() override { ASSERT_TRUE(started); }

    using StartedMainWindow::EnterMDY;
    void EnterMDY(int month, int day, const QString &year, const QString &era, int calendar)
    {
        EnterMDY(month, day, year, controller.EraListIndex(era), calendar);
    }
    void Calculate() { controller.cmdCalculate_Click(); }
    void Tick() { controller.Timer1_Timer(); }

    QStringList Outputs()
    {
        QStringList texts;
        for (TextBox *box : form.OutputBoxes())
            texts << (box->visible ? box->text : "(hidden)");
        return texts;
    }
    bool OutputsShown() { return !Outputs().contains("(hidden)"); }
    bool OutputsHidden() { return Outputs() == QStringList(8, "(hidden)"); }
};

// Start-up; the refresher enabling what the input allows; Calculate's day in every box or none; Copy.
TEST_F(MainWindowTest, StartUpTheRefresherCalculateAndCopy)
{
    EXPECT_EQ(form.cboCalendar[0].items.mid(3),
              QStringList({"Dee-Cecil Calendar", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday",
                           "Friday", "Saturday"}));
    // Today, 5 March 2024 by the scripted clock, in the month,day,year form and in the other.
    EXPECT_EQ(QStringList({form.cboMonthNames.Text(), form.cboDayNumbers.Text(), form.txbYearADBCetc.text,
                           form.cboYearDesADBCetc.Text(), form.cboCalendar[0].Text(), form.txbYearCEJC.text,
                           form.cboCalendar[1].Text()}),
              QStringList({"March", "5", "2024", "CE", "Gregorian Calendar", "2024-03-05 CE",
                           "Proleptic Gregorian"}));
    EXPECT_EQ(std::tuple(form.lngTextBoxCapacityInKB, form.left, form.top), std::tuple(63, 427, 1000))
        << "centred on the 800-pixel screen: (12,000 - 11,145 twips) / 2";
    EXPECT_TRUE(form.lblOnlineUserManual.toolTip.endsWith(" at vardex.example.org/manual"));
    EXPECT_EQ(form.lblMakerLink.caption, "Vardex Project");
    // The lists start with their empty entry; the designator legends are there for the sync.
    EXPECT_EQ(std::tuple(form.cboMonthNames.items.size(), form.cboMonthNames.items.value(1),
                         form.cboMonthNames.items.value(12), form.cboDayNumbers.items.size(),
                         form.cboDayNumbers.items.value(31), form.strDesignatorLegend[1].left(4)),
              std::tuple(13, QString("January"), QString("December"), 32, QString("31"), QString("'JC'")));
    MainForm failed;
    MainController other(failed, MainSeams{dialogs, clipboard, clock, popUps, screen, {}});
    QString asked;
    EXPECT_FALSE(other.StartUp({[&](const QString &n) { return asked = n, false; }, {}, [] { FAIL(); }}));
    EXPECT_EQ(std::pair(asked, failed.blnStartupCompleted), std::pair(QString("vardex.dat"), false));
    // The input's type, then what is enabled: Calculate, the two windows, plus, minus; the frame shown.
    const auto commands = [this] {
        return std::vector<int>{form.intInputDateType,        form.cmdCalculate.enabled,
                                form.cmdDateSequence.enabled, form.cmdVernalEquinoxes.enabled,
                                form.optPlus.enabled,         form.optMinus.enabled,
                                form.fraPlusMinus.visible};
    };
    EnterMDY(3, 5, "2024", "AD", kGregorian);
    EXPECT_EQ(commands(), std::vector<int>({0, 1, 1, 1, 1, 1, 1}));
    for (ComboBox *list :
         {&form.cboMonthNames, &form.cboDayNumbers, &form.cboYearDesADBCetc, &form.cboCalendar[0]}) {
        const int kept = list->listIndex;
        controller.SelectListEntry(*list, 0);
        Tick();
        EXPECT_EQ(commands(), std::vector<int>({-1, 0, 0, 0, 0, 0, 1}));
        controller.SelectListEntry(*list, kept);
    }
    form.txbYearADBCetc.text = "   ";
    Tick();
    EXPECT_EQ(std::pair(form.txbYearADBCetc.text, form.cmdCalculate.enabled), std::pair(QString(), false));
    EnterMDY(3, 5, "2024", "AD", kSunday + 5);
    EXPECT_EQ(commands(), std::vector<int>({0, 1, 0, 0, 1, 1, 0})) << "a weekday search";
    EnterYMD("2024-3-5 CE", kGregorian);
    EXPECT_EQ(commands(), std::vector<int>({1, 1, 1, 1, 1, 1, 1}));
    Tick();
    const auto labels = [this] {
        return QStringList({form.lblArith[0].caption, form.lblArith[1].caption, form.lblArith[2].caption,
                            form.lblArith[3].caption});
    };
    EXPECT_EQ(std::tuple(form.cmdClear[0].visible, form.cmdClear[1].visible, form.cmdCopyResult.enabled),
              std::tuple(true, false, false));
    form.txbArith[0].text = "1";
    Tick();
    EXPECT_FALSE(form.txbArith[0].enabled) << "until plus or minus is chosen";
    EXPECT_EQ(labels(), QStringList({"years", "months", "weeks", "days"}));
    Arithmetic(true, {"1", "2", "", "1.5"});
    EXPECT_TRUE(form.txbArith[3].enabled);
    EXPECT_EQ(labels(), QStringList({"year", "months", "weeks", "days"}));
    Arithmetic(true, {"0", "2", "01", ""});
    EXPECT_EQ(labels(), QStringList({"years", "months", "week", "days"}));
    EXPECT_TRUE(form.cmdClear[1].visible);
    Calculate();
    Tick();
    EXPECT_TRUE(form.cmdCopyResult.enabled) << "while a result is shown";
    controller.cmdClear_Click(0);
    Tick();
    EXPECT_EQ(std::pair(form.cmdClear[0].visible, form.cmdCopyResult.enabled), std::pair(false, false));
    EnterYMD("1", 0);
    EXPECT_TRUE(form.cmdClear[0].visible);
    EnterYMD("", 0);
    EXPECT_FALSE(form.cmdClear[0].visible) << "an empty year box in view leaves nothing to clear";
    controller.cmdClear_Click(1);
    // Copy puts four aligned lines on the clipboard (the texts of each box: tests/cli/calc.txt).
    EnterMDY(3, 15, "44", "BC", kJulian);
    Calculate();
    form.focusRequest = nullptr;
    controller.cmdCopyResult_Click();
    EXPECT_EQ(clipboard.text,
              "Gregorian Calendar: March 13, 44 BC             -43-03-13 CE                \r\n"
              "Julian Calendar:    March 15, 44 BC             -43-03-15 JC                \r\n"
              "Julian day number:  1,705,426\r\nDay of week:        Wednesday\r\n\r\n");
    EXPECT_EQ(std::pair(clipboard.clears, popUps.shown), std::pair(1, std::vector({kCopiedPopUp})));
    EXPECT_EQ(form.focusRequest, &form.cmdCalculate);
    controller.SelectListEntry(form.cboYearDesADBCetc, 0);  // no era chosen: the result chooses "CE"
    EnterYMD("-43-3-15 jc", kJulian);
    Calculate();
    EXPECT_EQ(form.txbOutputJC.text, "March 15, 44 BCE") << "in the era style the result chose";
    EXPECT_EQ(form.cboYearDesADBCetc.Text(), "CE");
    EXPECT_EQ(form.txbYearCEJC.text, "-43-03-15 JC") << "the box shows the date as read";
    EnterMDY(2, 30, "2024", "AD", kGregorian);
    Calculate();
    EXPECT_EQ(dialogs.Texts(), QStringList{"The input date is invalid."});
    EXPECT_TRUE(OutputsHidden()) << "the earlier result is gone";
    // A weekday search bolds the calendar it settled on.
    const std::tuple<int, bool, bool, const char *> searches[] = {
        {kTuesday, true, false, "2024-03-05 CE"},
        {kMonday, false, true, "2024-03-18 CE"},
        {kGregorian, false, false, "2024-03-05 CE"}};
    for (const auto &[entry, gregorian, julian, shown] : searches) {
        EnterMDY(3, 5, "2024", "AD", entry);
        Calculate();
        EXPECT_EQ(std::tuple(form.lblGregorian.bold, form.lblJulian.bold, form.txbOutputGCwithAYN.text),
                  std::tuple(gregorian, julian, QString(shown)));
    }
}

// Clear empties its own frame, Today never calculates; the forms, the variant, the window commands.
TEST_F(MainWindowTest, ClearTodayTheFormsTheVariantAndTheWindowCommands)
{
    Arithmetic(false, {"1", "2", "3", "4"});
    Calculate();
    controller.cmdClear_Click(1);
    EXPECT_EQ(form.txbArith[0].text + form.txbArith[1].text + form.txbArith[2].text + form.txbArith[3].text,
              "");
    EXPECT_FALSE(form.optPlus.value || form.optMinus.value);
    EXPECT_TRUE(OutputsShown()) << "the result stays";
    EXPECT_EQ(form.focusRequest, &form.cmdToday);
    Arithmetic(true, {"1", "", "", ""});
    controller.cmdClear_Click(0);
    EXPECT_EQ(QStringList({form.txbYearADBCetc.text, form.txbYearCEJC.text, form.txbArith[0].text}),
              QStringList(3, ""));
    for (ComboBox *list : {&form.cboMonthNames, &form.cboDayNumbers, &form.cboYearDesADBCetc,
                           &form.cboCalendar[0], &form.cboCalendar[1]})
        EXPECT_EQ(list->listIndex, 0);
    EXPECT_TRUE(!form.optPlus.value && form.optInputDateWithoutAYN.value) << "the form stays";
    for (const auto &[before, after] : {std::pair{"BC", "AD"}, {"", "CE"}}) {
        EnterMDY(3, 5, "2024", before, kSunday + 6);
        Calculate();
        form.focusRequest = nullptr;
        controller.cmdToday_Click();
        EXPECT_EQ(std::pair(form.cboYearDesADBCetc.Text(), form.cboCalendar[0].listIndex),
                  std::pair(QString(after), int(kGregorian)))
            << "the era style stays; a weekday gives way";
        EXPECT_TRUE(OutputsHidden());
        EXPECT_EQ(form.focusRequest, &form.cmdCalculate);
    }
    EnterYMD("", kJulian);
    controller.cmdToday_Click();
    EXPECT_EQ(QStringList({form.txbYearCEJC.text, form.cboMonthNames.Text(), form.cboDayNumbers.Text(),
                           form.cboCalendar[0].Text()}),
              QStringList({"2024-02-21 JC", "February", "21", "Julian Calendar"}));
    form.optInputDateWithAYN.value = false;
    controller.cmdToday_Click();
    EXPECT_TRUE(form.optInputDateWithoutAYN.value && form.cboMonthNames.visible)
        << "a form is chosen when none is";
    // A designator typed into the hidden year-month-day box chooses its calendar when the form is chosen
    // (not the month-day-year form's list, which shows Julian); Enter in a year box calculates while
    // Calculate can.
    ASSERT_EQ(form.cboCalendar[0].listIndex, int(kJulian));
    controller.SelectListEntry(form.cboCalendar[1], 0);
    form.txbYearCEJC.text = "1600-2-29 CE";
    controller.SelectOption(form.optInputDateWithAYN);
    EXPECT_EQ(std::tuple(form.txbYearCEJC.visible, form.cboMonthNames.visible, form.cboCalendar[1].listIndex),
              std::tuple(true, false, int(kGregorian)));
    controller.txbYearCEJC_KeyUp(65);
    EXPECT_TRUE(OutputsHidden());
    controller.txbYearCEJC_KeyUp(13);
    EXPECT_TRUE(OutputsShown());
    controller.SelectListEntry(form.cboCalendar[1], 0);
    Tick();
    controller.ClearOutputs();
    controller.txbYearCEJC_KeyUp(13);
    EXPECT_TRUE(OutputsHidden()) << "Calculate is disabled";
    controller.SelectOption(form.optInputDateWithoutAYN);
    EnterYMD("2021-3-15 DC", kDee);
    Calculate();
    ASSERT_EQ(form.txbOutputDEEwithAYN.text, "2021-03-15 DC");
    controller.SelectOption(form.optDee);
    EXPECT_EQ(form.txbYearCEJC.text, "2021-03-15 D") << "re-designated, and read again as a Dee date";
    EXPECT_EQ(form.txbOutputDEEwithAYN.text, "2021-03-15 D");
    EXPECT_EQ(form.lblCE.caption, "'D' = the proleptic Dee Calendar with astronomical year numbering");
    EXPECT_EQ(form.strDesignatorLegend[2], form.lblCE.caption);
    EXPECT_EQ(QStringList({form.lblDee.caption, form.cboCalendar[0].items[3], form.cboCalendar[1].Text()}),
              QStringList({"Dee:", "Dee Calendar", "Proleptic Dee"}));
    controller.SelectListEntry(form.cboCalendar[1], 0);
    Tick();  // Calculate disabled: the result goes
    controller.SelectOption(form.optDeeCecil);
    EXPECT_EQ(form.txbYearCEJC.text, "2021-03-15 DC");
    EXPECT_EQ(form.lblCE.caption, "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering");
    EXPECT_TRUE(OutputsHidden());
    const std::pair<const char *, bool> years[] = {
        {"0-3-20 CE", false}, {"1-3-20 CE", true}, {"4000-3-20 CE", true}, {"4001-3-20 CE", false}};
    for (const auto &[ymd, opens] : years) {
        EnterYMD(ymd, kGregorian);
        EXPECT_EQ(controller.cmdVernalEquinoxes_Click(), opens) << ymd;
    }
    EXPECT_EQ(dialogs.Texts(), QStringList(2, "Vernal equinoxes are calculated only for years in the range 1 "
                                              "through 4000."));
    EnterYMD("2023-2-29 JC", kJulian);
    EXPECT_FALSE(controller.cmdDateSequence_Click());
    EXPECT_TRUE(dialogs.shown.back().text.startsWith("The input date is invalid."));
    EnterYMD("2024-2-29 JC", kJulian);
    EXPECT_TRUE(controller.cmdDateSequence_Click());
    EXPECT_EQ(form.lngJDN, 2460383);  // 13 March 2024, Gregorian
    EXPECT_EQ(controller.InputCalendarText(), "Julian");
    dialogs.shown.clear();
    EnterMDY(3, 5, "2024", "BC", kJulian);
    form.txbYearADBCetc.caret = 2;
    ASSERT_TRUE(controller.InputDateOK());
    EXPECT_EQ(form.txbYearADBCetc.caret, 2) << "an unchanged text keeps its caret";
    ASSERT_TRUE(controller.GetJDN("Julian Calendar", true));
    EXPECT_EQ(form.lngJDN, DateToJDN(Calendar::Julian, {-2023, 3, 5}, DeeVariant::DeeCecil));
    EXPECT_EQ(controller.GetYear(), -2023);
    EXPECT_FALSE(controller.GetJDN("", true) || controller.GetJDN("Sunday", false)) << "no calendar, no date";
    form.txbArith[1].text = " -3";
    controller.txbArith_LostFocus(1);
    form.txbArith[2].text = "3a";
    controller.txbArith_LostFocus(2);
    controller.txbArith_LostFocus(4);
    EXPECT_EQ(std::pair(form.txbArith[1].text, form.txbArith[2].text), std::pair(QString(" -3"), QString()));
    EXPECT_EQ(dialogs.Texts(), QStringList({"The input date is invalid.",
                                            "Negative values not permitted in the arithmetical function.",
                                            "Invalid input in the arithmetical function."}));
}

}  // namespace
}  // namespace vardex::test
