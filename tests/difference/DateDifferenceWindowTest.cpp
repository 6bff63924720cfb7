// SPDX-License-Identifier: MIT
// The Date difference window opened from the main window's menu bar and used as a user does: typed
// dates, either form, a fault shown in place, Swap, Today and Copy; and the main window's menu bar.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "StartedWindows.h"
#include "difference/DateDifferenceWindow.h"

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
    // Tools > Date difference (Ctrl+D).
    void Open()
    {
        ASSERT_TRUE(Activate(main.get()));
        QTest::keyClick(main.get(), Qt::Key_D, Qt::ControlModifier);
        ASSERT_TRUE(window && window->isVisible());
    }
    static void Retype(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    std::unique_ptr<DateDifferenceWindow> window;
};

TEST_F(DateDifferenceWindowTest, FromTheMainWindowsResultToTodayOnAsTypedAFaultInPlace)
{
    Click(Widget<QRadioButton>(main->Form().optPlus));
    QTest::keyClicks(Widget<QLineEdit>(main->Form().txbArith[3]), "10");  // ten days on
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(QStringList({window->ResultLine(0), window->ResultLine(1), window->ResultLine(2)}),
              QStringList({"JDN 2,460,385, Friday", "JDN 2,460,375, Tuesday", "-10"}));
    Retype(window->To().txbYear, "2025");
    EXPECT_EQ(window->ResultLine(4), "0 years, 11 months, 18 days");
    Retype(window->From().txbYearMonthDay, "-43-3-15 jc");
    EXPECT_EQ(window->ResultLine(0), "JDN 1,705,426, Wednesday");
    QTest::mouseClick(window->cmdSwap, Qt::LeftButton);
    EXPECT_EQ(window->ResultLine(1), "JDN 1,705,426, Wednesday");
    EXPECT_TRUE(window->To().optYearMonthDay->isChecked() && window->From().optMonthDayYear->isChecked())
        << "typing chose the form, and Swap takes it along";
    QTest::mouseClick(window->From().cmdToday, Qt::LeftButton);
    EXPECT_EQ(window->ResultLine(0), "JDN 2,460,375, Tuesday");
    QTest::mouseClick(window->cmdCopyResult, Qt::LeftButton);
    EXPECT_TRUE(
        clipboard.text.startsWith("From date: March 5, 2024 CE (Gregorian)\r\nTo date:   -43-03-15 JC\r\n"
                                  "From:      JDN 2,460,375, Tuesday\r\nTo:        JDN 1,705,426"))
        << "the dates as entered, then the lines" << clipboard.text.toStdString();
    EXPECT_EQ(clipboard.text.count("\r\n"), 9);

    // A fault is told in place; a typed year is read as the other new windows read it.
    Retype(window->To().txbYear, "20x4");
    EXPECT_EQ(window->Problem(),
              "To: The year must be a whole number in digits, grouped by thousands or not (1731 or 1,731).");
    EXPECT_EQ(std::pair(window->ResultLine(2), window->cmdCopyResult->isEnabled()),
              std::pair(QString(), false));
    Retype(window->To().txbYear, "2.024");
    EXPECT_EQ(window->Problem(), "") << "a year grouped by thousands";
    Retype(window->From().txbYearMonthDay, "2024-3-5");
    EXPECT_EQ(window->Problem(), "From: Please specify calendar for year-month-day date.");

    // The menu bar above the main window's form; Help > the manual opens the label's link.
    QMenuBar *bar = main->MenuBar();
    QStringList menus;
    for (QAction *menu : bar->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Tools", "&Help"}));
    bar->actions().at(2)->menu()->actions().at(1)->trigger();
    EXPECT_EQ(shell.opened, QStringList{"https://<b>x</b>"});

    // Opened again on a main window whose input is not a date: From is today, the input as typed.
    window.reset();
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

}  // namespace
}  // namespace vardex::test
