// The main window on an offscreen display: the start-up as a user sees it, and a few complete
// tasks done with mouse and keyboard events.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "QtPrinters.h"
#include "RecordingSeams.h"
#include "mainwindow/MainWindow.h"
#include "support/widgets/Geometry.h"

namespace vardex::test {
namespace {

class MainWindowView : public testing::Test {
protected:
    MainWindow::Services Services(bool programTextLoads = true)
    {
        return {MainSeams{dialogs, clipboard, clock, popUps, screen,
                          [](int16_t n) {
                              return n == kManualAddressText ? QStringLiteral("vardex.example/manual")
                                                             : QString();
                          }},
                shell, [programTextLoads](const QString &) { return programTextLoads; },
                QStringLiteral("/nowhere")};
    }

    template <typename W> W *Widget(MainWindow &window, const Control &control)
    {
        return qobject_cast<W *>(window.WidgetOf(control));
    }

    // Lets the window's own 500 ms timer tick a few times, as a user who waits a moment.
    static void WaitForTicks() { QTest::qWait(1700); }

    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock{"2024-03-05"};
    RecordingPopUps popUps;
    FixedScreen screen;
    RecordingShell shell;
};

TEST_F(MainWindowView, StartsWithTodayAndTheFocusOnCalculate)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    MainForm &f = window.Form();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Vardex");
    EXPECT_EQ(Widget<QComboBox>(window, f.cboMonthNames)->currentText(), "March");
    EXPECT_EQ(Widget<QComboBox>(window, f.cboDayNumbers)->currentText(), "5");
    EXPECT_EQ(Widget<QLineEdit>(window, f.txbYearADBCetc)->text(), "2024");
    EXPECT_EQ(Widget<QComboBox>(window, f.cboYearDesADBCetc)->currentText(), "CE");
    EXPECT_EQ(Widget<QComboBox>(window, f.cboCalendar[0])->currentText(), "Gregorian Calendar");
    EXPECT_EQ(Widget<QComboBox>(window, f.cboCalendar[0])->count(), 11);
    EXPECT_TRUE(Widget<QRadioButton>(window, f.optDeeCecil)->isChecked());
    EXPECT_TRUE(Widget<QRadioButton>(window, f.optInputDateWithoutAYN)->isChecked());
    EXPECT_FALSE(Widget<QLineEdit>(window, f.txbYearCEJC)->isVisible());
    for (TextBox *box : f.OutputBoxes())
        EXPECT_FALSE(window.WidgetOf(*box)->isVisible());
    EXPECT_EQ(window.focusWidget(), window.WidgetOf(f.cmdCalculate));
    EXPECT_EQ(window.pos(), QPoint(TwipsToPixels((1920 * 15 - MainForm::kWidth) / 2), TwipsToPixels(1000)));
    EXPECT_EQ(window.size(), QSize(743, 390));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindowView, AProgramTextFileThatCannotBeLoadedEndsTheStartUp)
{
    MainWindow window(Services(false));
    EXPECT_FALSE(window.Start());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowView, TypedYearMonthDayDateIsCalculated)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    MainForm &f = window.Form();
    QRadioButton *ymd = Widget<QRadioButton>(window, f.optInputDateWithAYN);
    QTest::mouseClick(ymd, Qt::LeftButton, {}, QPoint(8, ymd->height() / 2));
    ASSERT_TRUE(ymd->isChecked());
    QComboBox *calendars = Widget<QComboBox>(window, f.cboCalendar[1]);
    calendars->setCurrentIndex(0);  // the user picks the empty entry: the designator will choose
    emit calendars->activated(0);
    QLineEdit *box = Widget<QLineEdit>(window, f.txbYearCEJC);
    ASSERT_TRUE(box->isVisible());
    box->selectAll();
    QTest::keyClicks(box, "1582-10-4 jc");
    WaitForTicks();
    EXPECT_EQ(box->text(), "1582-10-4 JC") << "upper-cased by the refresher";
    EXPECT_EQ(box->cursorPosition(), 12) << "the caret stays where it was";
    EXPECT_EQ(Widget<QComboBox>(window, f.cboCalendar[1])->currentText(), "Proleptic Julian");
    QPushButton *calculate = Widget<QPushButton>(window, f.cmdCalculate);
    ASSERT_TRUE(calculate->isEnabled());
    QTest::mouseClick(calculate, Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().join('|').toStdString();
    EXPECT_TRUE(window.WidgetOf(f.txbOutputGC)->isVisible());
    EXPECT_EQ(Widget<QLineEdit>(window, f.txbOutputGC)->text(), "October 14, 1582 CE");
    EXPECT_EQ(Widget<QLineEdit>(window, f.txbOutputJCwithAYN)->text(), "1582-10-04 JC");
    EXPECT_EQ(Widget<QLineEdit>(window, f.txbJDN)->text(), "2,299,160");
    EXPECT_EQ(Widget<QLineEdit>(window, f.txbDayOfWeek)->text(), "Thursday");
    EXPECT_EQ(box->text(), "1582-10-04 JC") << "the box shows the date as read";
}

TEST_F(MainWindowView, EnterInTheYearBoxCalculates)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    QLineEdit *year = Widget<QLineEdit>(window, window.Form().txbYearADBCetc);
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, "1900");
    WaitForTicks();
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_EQ(Widget<QLineEdit>(window, window.Form().txbOutputGCwithAYN)->text(), "1900-03-05 CE");
}

TEST_F(MainWindowView, CopyResultPutsTheFourLinesOnTheClipboard)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    MainForm &f = window.Form();
    QTest::mouseClick(Widget<QPushButton>(window, f.cmdCalculate), Qt::LeftButton);
    WaitForTicks();
    QPushButton *copy = Widget<QPushButton>(window, f.cmdCopyResult);
    ASSERT_TRUE(copy->isEnabled());
    QTest::mouseClick(copy, Qt::LeftButton);
    const QString blanks(28, u' ');
    EXPECT_EQ(clipboard.text, "Gregorian Calendar: March 5, 2024 CE" + blanks.left(12) + "2024-03-05 CE" +
                                  blanks.left(15) + "\r\nJulian Calendar:    February 21, 2024 CE" +
                                  blanks.left(8) + "2024-02-21 JC" + blanks.left(15) +
                                  "\r\nJulian day number:  2,460,375\r\nDay of week:        Tuesday\r\n\r\n");
    ASSERT_EQ(popUps.shown.size(), 1u);
    EXPECT_EQ(popUps.shown[0].message, "Result copied to clipboard");
    EXPECT_TRUE(copy->isVisible());
}

}  // namespace
}  // namespace vardex::test
