// SPDX-License-Identifier: MIT
// The Date difference window opened from the main window's menu bar and used as a user does: typed
// dates, either form, a fault shown in place, Swap, Today and Copy; and the menu bar above the
// main window's unchanged form.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "StartedWindows.h"
#include "difference/DateDifferenceWindow.h"
#include "support/widgets/Geometry.h"

namespace vardex::test {
namespace {

class DateDifferenceWindowTest : public StartedWindows {
protected:
    void SetUp() override
    {
        Start();
        main->openDateDifference = [this] {
            if (!window)
                window = std::make_unique<DateDifferenceWindow>(*main, clock, clipboard);
            window->show();
        };
    }
    // The main window's input moved by `days` with its arithmetic, then Tools > Date difference.
    void Open(const QString &days = {})
    {
        if (!days.isEmpty()) {
            Click(Widget<QRadioButton>(main->Form().optPlus));
            QTest::keyClicks(Widget<QLineEdit>(main->Form().txbArith[3]), days);
        }
        ASSERT_TRUE(Activate(main.get()));
        QTest::keyClick(main.get(), Qt::Key_D, Qt::ControlModifier);
        ASSERT_TRUE(window && window->isVisible());
    }
    static void Retype(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QStringList Lines() const
    {
        QStringList lines;
        for (int row = 0; row < 7; ++row)
            lines << window->ResultLine(row);
        return lines;
    }
    std::unique_ptr<DateDifferenceWindow> window;
};

TEST_F(DateDifferenceWindowTest, FromTheMainWindowsResultToTodayAndOnAsTyped)
{
    ASSERT_NO_FATAL_FAILURE(Open("10"));
    EXPECT_EQ(Lines(), QStringList({"JDN 2,460,385, Friday", "JDN 2,460,375, Tuesday", "-10",
                                    "-1 week, -3 days", "0 years, 0 months, -10 days",
                                    "0 years, 0 months, -10 days", "0 years, 0 months, -10 days"}));
    Retype(window->To().txbYear, "2025");
    EXPECT_EQ(window->ResultLine(2), "355");
    EXPECT_EQ(window->ResultLine(4), "0 years, 11 months, 18 days");

    Retype(window->From().txbYearMonthDay, "-43-3-15 jc");
    EXPECT_TRUE(window->From().optYearMonthDay->isChecked()) << "typing chooses the form";
    EXPECT_EQ(window->ResultLine(0), "JDN 1,705,426, Wednesday");

    QTest::mouseClick(window->cmdSwap, Qt::LeftButton);
    EXPECT_EQ(window->ResultLine(1), "JDN 1,705,426, Wednesday");
    EXPECT_TRUE(window->To().optYearMonthDay->isChecked() && window->From().optMonthDayYear->isChecked());

    QTest::mouseClick(window->From().cmdToday, Qt::LeftButton);
    EXPECT_EQ(window->ResultLine(0), "JDN 2,460,375, Tuesday");
    QTest::mouseClick(window->cmdCopyResult, Qt::LeftButton);
    EXPECT_TRUE(
        clipboard.text.startsWith("From date: March 5, 2024 CE (Gregorian)\r\nTo date:   -43-03-15 JC\r\n"
                                  "From:      JDN 2,460,375, Tuesday\r\nTo:        JDN 1,705,426"))
        << "the dates as entered, then the lines" << clipboard.text.toStdString();
    EXPECT_EQ(clipboard.text.count("\r\n"), 9);
}

TEST_F(DateDifferenceWindowTest, AFaultIsShownInPlaceAndNothingIsCopied)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    Retype(window->To().txbYear, "20x4");
    EXPECT_EQ(window->Problem(),
              "To: The year must be a whole number in digits, grouped by thousands or not (1731 or 1,731).");
    EXPECT_EQ(window->ResultLine(2), "");
    EXPECT_FALSE(window->cmdCopyResult->isEnabled());
    Retype(window->To().txbYear, "1.5");
    EXPECT_NE(window->Problem(), "") << "read as the other new windows read a year, not as 15";
    Retype(window->To().txbYear, "2.024");
    EXPECT_EQ(window->Problem(), "") << "a year grouped by thousands";
    Retype(window->From().txbYearMonthDay, "2024-3-5");
    EXPECT_EQ(window->Problem(), "From: Please specify calendar for year-month-day date.") << "From first";
    Retype(window->From().txbYearMonthDay, "2024-2-30 CE");
    EXPECT_EQ(window->Problem(), "From: The input date is invalid.");
    Retype(window->From().txbYearMonthDay, "2024-3-5 CE");
    Retype(window->To().txbYear, "2024");
    EXPECT_EQ(window->Problem(), "");
    EXPECT_EQ(window->ResultLine(2), "0");
    ASSERT_TRUE(Activate(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << "Esc hides it, as Close does";
}

TEST_F(DateDifferenceWindowTest, ReadingTheMainWindowsDateLeavesItAsTyped)
{
    QLineEdit *year = Widget<QLineEdit>(main->Form().txbYearADBCetc);
    Retype(year, "12x5");
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(year->text(), "12x5") << "the main window's input is only read";
    EXPECT_EQ(main->Form().txbYearADBCetc.text, "12x5");
    EXPECT_EQ(window->ResultLine(0), "JDN 2,460,375, Tuesday") << "From starts as today";
    EXPECT_TRUE(window->FromNote().startsWith("The main window's input is not a date ("))
        << window->FromNote().toStdString();
    EXPECT_EQ(window->From().cboEra->currentText(), "CE") << "the main window's era";
    QTest::mouseClick(window->From().cmdToday, Qt::LeftButton);
    EXPECT_EQ(window->FromNote(), "") << "gone once From is changed";
}

// Tab goes down the window: From, Swap, To; it meets each pair of options at the chosen one.
TEST_F(DateDifferenceWindowTest, TabGoesDownTheWindow)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    window->From().optYearMonthDay->click();
    ASSERT_TRUE(Activate(window.get()));
    window->From().cboCalendar->setFocus();
    const std::initializer_list<QWidget *> order{
        window->From().optYearMonthDay, window->From().txbYearMonthDay,
        window->From().cmdToday,        window->cmdSwap,
        window->To().optMonthDayYear,   window->To().cboMonth};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
    }
}

TEST_F(DateDifferenceWindowTest, TheDeeLineFollowsTheMainWindowsVariant)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    Click(Widget<QRadioButton>(main->Form().optDee));
    window->Recalculate();  // as when the user comes back to the window
    QStringList labels;
    for (const QLabel *label : window->findChildren<QLabel *>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Dee:") && !labels.contains("Dee-Cecil:")) << labels.join(' ').toStdString();
    EXPECT_EQ(window->From().cboCalendar->itemText(2), "Dee");
}

TEST_F(DateDifferenceWindowTest, TheMenuBarSitsAboveTheUnchangedForm)
{
    QMenuBar *bar = main->MenuBar();
    QStringList menus;
    for (QAction *menu : bar->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Tools", "&Help"}));
    QWidget *form = main->FormArea();
    EXPECT_EQ(form->size(), QSize(743, 390));
    EXPECT_EQ(form->mapTo(main.get(), QPoint(0, 0)), QPoint(0, bar->height()));
    EXPECT_EQ(main->height(), 390 + bar->height());
    EXPECT_EQ(Widget(main->Form().cmdCalculate)->geometry(),
              QRect(TwipsToPixels(8040), TwipsToPixels(3090), TwipsToPixels(2910), TwipsToPixels(360)));
    EXPECT_EQ(Widget(main->Form().cmdCalculate)->parentWidget(), form);

    // Help > Help is the Help button, and the manual is the label's link.
    ASSERT_TRUE(Activate(main.get()));
    QTest::keyClick(main.get(), Qt::Key_F1);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(windows.begin(), windows.end(), [](const QWidget *w) {
        return w->isVisible() && w->inherits("vardex::TextViewer");
    }));
    QMenu *help = bar->actions().at(2)->menu();
    help->actions().at(1)->trigger();
    EXPECT_EQ(shell.opened, QStringList{"https://<b>x</b>"});
}

}  // namespace
}  // namespace vardex::test
