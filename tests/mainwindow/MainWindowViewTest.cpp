// SPDX-License-Identifier: MIT
// The main window on the display: the start-up as a user sees it, and tasks done with mouse and
// keyboard events. (Placement, Tab, focus marks and screen-reader names: tests/windows.)
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "StartedWindows.h"

namespace vardex::test {
namespace {

using MainWindowView = StartedWindows;

TEST_F(MainWindowView, StartUpBoxLengthsEnterInTheYearBoxAndATypedYearMonthDayDate)
{
    Start();
    MainForm &f = main->Form();
    EXPECT_EQ(QStringList({main->windowTitle(), Widget<QComboBox>(f.cboMonthNames)->currentText(),
                           Widget<QLineEdit>(f.txbYearADBCetc)->text(),
                           Widget<QComboBox>(f.cboCalendar[0])->currentText()}),
              QStringList({"Vardex", "March", "2024", "Gregorian Calendar"}));
    EXPECT_FALSE(Widget(f.txbYearCEJC)->isVisible() || Widget(f.txbJDN)->isVisible());
    EXPECT_EQ(main->focusWidget(), Widget(f.cmdCalculate));
    EXPECT_EQ(Widget<QLabel>(f.lblMakerLink)->textFormat(), Qt::PlainText);  // program texts as written
    EXPECT_TRUE(Widget<QLabel>(f.lblOnlineUserManual)->toolTip().contains("&lt;b&gt;x&lt;/b&gt;"));
    // Each box takes as many characters as its longest input.
    const std::pair<const TextBox *, QString> lengths[] = {
        {&f.txbYearADBCetc, "100,000"}, {&f.txbArith[0], "99999"},  {&f.txbArith[1], "999999"},
        {&f.txbArith[2], "999999"},     {&f.txbArith[3], "999999"}, {&f.txbYearCEJC, "-99,999-12-31 JC"}};
    for (const auto &[control, longest] : lengths)
        EXPECT_EQ(Widget<QLineEdit>(*control)->maxLength(), longest.size()) << longest.toStdString();
    // The Enter that closes a message box is released in the box the focus returns to: only an
    // Enter pressed in the year box calculates. Selections made there survive the refresher.
    QLineEdit *year = Widget<QLineEdit>(f.txbYearADBCetc);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(year, &release);
    EXPECT_FALSE(Widget(f.txbOutputGC)->isVisible());
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, "1900");
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_EQ(Widget<QLineEdit>(f.txbOutputGCwithAYN)->text(), "1900-03-05 CE");
    QLineEdit *jdn = Widget<QLineEdit>(f.txbJDN);
    year->selectAll();
    jdn->selectAll();
    main->Controller().Timer1_Timer();
    main->WriteBack();
    EXPECT_EQ(std::pair(year->selectedText(), jdn->selectedText()),
              std::pair(QString("1900"), QString("2,415,084")));
    // A typed year-month-day date is calculated and re-designated by the list.
    Click(Widget<QRadioButton>(f.optInputDateWithAYN));
    QLineEdit *box = Widget<QLineEdit>(f.txbYearCEJC);
    box->selectAll();
    QTest::keyClicks(box, "1582-10-4 jc");
    EXPECT_EQ(std::pair(box->text(), box->cursorPosition()), std::pair(QString("1582-10-4 JC"), 12))
        << "upper-cased as it is typed, the caret where it was";
    QComboBox *calendars = Widget<QComboBox>(f.cboCalendar[1]);
    calendars->setCurrentIndex(0);  // the user picks the empty entry: the designator chooses
    emit calendars->activated(0);
    EXPECT_EQ(calendars->currentText(), "Proleptic Julian");
    QTest::mouseClick(Widget<QPushButton>(f.cmdCalculate), Qt::LeftButton);
    EXPECT_EQ(QStringList({Widget<QLineEdit>(f.txbOutputGC)->text(), Widget<QLineEdit>(f.txbJDN)->text(),
                           box->text()}),
              QStringList({"October 14, 1582 CE", "2,299,160", "1582-10-04 JC"}));
    calendars->setCurrentIndex(1);
    emit calendars->activated(1);
    EXPECT_EQ(box->text(), "1582-10-04 CE") << "the list's choice re-designates the date";
    // The state follows an action at once, not at the next tick: quick typing is not lost.
    QTest::mouseClick(Widget<QPushButton>(f.cmdClear[0]), Qt::LeftButton);
    QTest::mouseClick(Widget<QPushButton>(f.cmdToday), Qt::LeftButton);
    EXPECT_EQ(main->focusWidget(), Widget(f.cmdCalculate));
}

}  // namespace
}  // namespace vardex::test
