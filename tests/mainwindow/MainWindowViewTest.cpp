// The main window on an offscreen display: the start-up as a user sees it, and a few complete
// tasks done with mouse and keyboard events.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QTest>

#include "QtPrinters.h"
#include "RecordingSeams.h"
#include "mainwindow/MainWindow.h"
#include "support/widgets/ControlUtils.h"
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
    EXPECT_EQ(window.pos(), QPoint(TwipsToPixels((800 * 15 - MainForm::kWidth) / 2), TwipsToPixels(1000)));
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
    QLineEdit *box = Widget<QLineEdit>(window, f.txbYearCEJC);
    ASSERT_TRUE(box->isVisible());
    box->selectAll();
    QTest::keyClicks(box, "1582-10-4 jc");
    EXPECT_EQ(box->text(), "1582-10-4 JC") << "upper-cased as it is typed";
    EXPECT_EQ(box->cursorPosition(), 12) << "the caret stays where it was";
    QComboBox *calendars = Widget<QComboBox>(window, f.cboCalendar[1]);
    calendars->setCurrentIndex(0);  // the user picks the empty entry: the designator chooses
    emit calendars->activated(0);
    EXPECT_EQ(calendars->currentText(), "Proleptic Julian");
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
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_EQ(Widget<QLineEdit>(window, window.Form().txbOutputGCwithAYN)->text(), "1900-03-05 CE");
}

TEST_F(MainWindowView, CopyResultPutsTheFourLinesOnTheClipboard)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    MainForm &f = window.Form();
    QTest::mouseClick(Widget<QPushButton>(window, f.cmdCalculate), Qt::LeftButton);
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

// ---- Used with keyboard and mouse as a person uses it ----------------------------------------

TEST_F(MainWindowView, SelectionsSurviveTheRefresher)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    MainForm &f = window.Form();
    QTest::mouseClick(Widget<QPushButton>(window, f.cmdCalculate), Qt::LeftButton);
    QLineEdit *year = Widget<QLineEdit>(window, f.txbYearADBCetc);
    QLineEdit *jdn = Widget<QLineEdit>(window, f.txbJDN);
    year->selectAll();
    jdn->selectAll();
    window.Controller().Timer1_Timer();
    window.WriteBack();
    EXPECT_EQ(year->selectedText(), "2024");
    EXPECT_EQ(jdn->selectedText(), "2,460,375");
}

// The Enter that closes a message box is released in the box the focus returns to.
TEST_F(MainWindowView, OnlyAnEnterPressedInTheYearBoxCalculates)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    QLineEdit *year = Widget<QLineEdit>(window, window.Form().txbYearADBCetc);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(year, &release);
    EXPECT_FALSE(window.WidgetOf(window.Form().txbOutputGC)->isVisible());
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_TRUE(window.WidgetOf(window.Form().txbOutputGC)->isVisible());
}

TEST_F(MainWindowView, TextsFromTheProgramTextFileAreShownAsWritten)
{
    MainWindow::Services services = Services();
    services.seams.programText = [](int16_t n) {
        return n == kMakerNameText ? QStringLiteral("<img src=\"/dev/zero\">") : QStringLiteral("<b>x</b>");
    };
    MainWindow window(services);
    ASSERT_TRUE(window.Start());
    QLabel *maker = Widget<QLabel>(window, window.Form().lblMakerLink);
    EXPECT_EQ(maker->textFormat(), Qt::PlainText);
    QLabel *manual = Widget<QLabel>(window, window.Form().lblOnlineUserManual);
    EXPECT_TRUE(manual->toolTip().contains("&lt;b&gt;x&lt;/b&gt;")) << manual->toolTip().toStdString();
}

TEST_F(MainWindowView, WindowHasTheProgramsIcon)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    EXPECT_FALSE(window.windowIcon().pixmap(32).isNull());
}

TEST_F(MainWindowView, ScreenReadersTellTheBoxesApart)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    MainForm &f = window.Form();
    const auto name = [&](const Control &control) {
        return QAccessible::queryAccessibleInterface(window.WidgetOf(control))->text(QAccessible::Name);
    };
    EXPECT_EQ(name(f.txbYearADBCetc), "Year");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.WidgetOf(f.cboMonthNames))
                  ->text(QAccessible::Description),
              "Month");
    EXPECT_EQ(name(f.txbArith[0]), "Years to add or subtract");
    EXPECT_EQ(name(f.txbJDN), "Julian day number");
    EXPECT_EQ(name(f.txbOutputDEE), "Dee-Cecil, month-day-year");
    EXPECT_NE(name(f.cmdClear[0]), name(f.cmdClear[1]));
    QTest::mouseClick(Widget<QRadioButton>(window, f.optDee), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(name(f.txbOutputDEEwithAYN), "Dee, year-month-day");
}

// The state follows an action at once, not at the next tick: quick typing is not lost.
TEST_F(MainWindowView, ControlsFollowAnActionAtOnce)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    MainForm &f = window.Form();
    QTest::mouseClick(Widget<QRadioButton>(window, f.optPlus), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(Widget<QLineEdit>(window, f.txbArith[0])->isEnabled());
    QTest::mouseClick(Widget<QPushButton>(window, f.cmdClear[0]), Qt::LeftButton);
    QTest::mouseClick(Widget<QPushButton>(window, f.cmdToday), Qt::LeftButton);
    EXPECT_EQ(window.focusWidget(), window.WidgetOf(f.cmdCalculate));
}

// Tab reaches each option group at its selected button; an arrow moves within the group.
TEST_F(MainWindowView, TabReachesEveryOptionGroup)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    MainForm &f = window.Form();
    QSet<QWidget *> reached;
    for (int i = 0; i < 30; ++i) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (const OptionButton *option : {&f.optDeeCecil, &f.optInputDateWithoutAYN, &f.optPlus})
        EXPECT_TRUE(reached.contains(window.WidgetOf(*option))) << option->caption.toStdString();
    EXPECT_FALSE(reached.contains(window.WidgetOf(f.optDee))) << "the unselected button is no Tab stop";
    QWidget *form = window.WidgetOf(f.optInputDateWithoutAYN);
    form->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form, Qt::Key_Down);
    EXPECT_TRUE(f.optInputDateWithAYN.value);
}

// The spec's place (centred on the 1920-pixel screen it was told of) would leave the 800-pixel
// screen the window is on: it is moved just enough.
TEST_F(MainWindowView, StartsInsideTheScreensAvailableArea)
{
    screen.width = 1920 * 15;
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    QTest::qWait(20);
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()))
        << window.frameGeometry().right();
    EXPECT_EQ(window.pos().y(), TwipsToPixels(1000)) << "the top fitted as it was";
}

// A frame's caption stands on its border line, and the line stands out from the purple.
TEST_F(MainWindowView, FramesShowTheirCaptionOnAVisibleBorder)
{
    MainWindow window(Services());
    ASSERT_TRUE(window.Start());
    QWidget *frame = window.WidgetOf(window.Form().fraInput);
    const QImage image = frame->grab().toImage();
    const QColor purple = FromBgr(0x900080);
    const auto differs = [&](QColor c) {
        return std::abs(c.red() - purple.red()) + std::abs(c.green() - purple.green()) +
                   std::abs(c.blue() - purple.blue()) >
               120;
    };
    // The top border: a row near the top that stands out from the purple across the right half,
    // where no caption or control is.
    int borderRow = -1;
    for (int y = 0; y < 20 && borderRow < 0; ++y) {
        bool line = true;
        for (int x = image.width() / 2; x < image.width() - 2; ++x)
            line = line && differs(image.pixelColor(x, y));
        if (line)
            borderRow = y;
    }
    ASSERT_GT(borderRow, 0) << "a visible top border";
    const auto captionPixels = [&](int fromRow, int toRow) {
        int count = 0;
        for (int y = fromRow; y < toRow; ++y)
            for (int x = 10; x < 60; ++x)
                count += differs(image.pixelColor(x, y));
        return count;
    };
    EXPECT_GT(captionPixels(0, borderRow), 10) << "the caption reaches above the line";
    EXPECT_GT(captionPixels(borderRow + 1, borderRow + 8), 10) << "and below it";
}

}  // namespace
}  // namespace vardex::test
