// SPDX-License-Identifier: MIT
// The Historical dates window opened from the Tools menu: the English register's date, a day that
// did not exist and why, the styles by name, the year as typed, the main window's result as the
// day (BC too), the place boxes, Copy and the Tab order.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "StartedWindows.h"
#include "history/HistoricalDatesWindow.h"
#include "support/widgets/ScreenFit.h"

namespace vardex::test {
namespace {

class HistoricalDatesWindowTest : public StartedWindows {
protected:
    void SetUp() override
    {
        Start();
        ASSERT_NO_FATAL_FAILURE(OpenFromTools<HistoricalDatesWindow>(
            &MainWindow::openHistoricalDates, window,
            [this] {
                return std::make_unique<HistoricalDatesWindow>(*main, clipboard,
                                                               QStringLiteral(CALENDAR_HISTORY_FOLDER));
            },
            Qt::Key_H));
    }
    void Written(int day, int month, const QString &year)
    {
        window->cboDay->setCurrentIndex(day - 1);
        window->cboMonth->setCurrentIndex(month - 1);
        window->txbYear->selectAll();
        QTest::keyClicks(window->txbYear, year);
    }
    void Choose(QComboBox *list, const QString &id) { list->setCurrentIndex(list->findData(id)); }
    // The main window's year-month-day input typed with its designator, then Calculate.
    void CalculateInMain(const QString &yearMonthDay)
    {
        Click(Widget<QRadioButton>(main->Form().optInputDateWithAYN));
        QLineEdit *box = Widget<QLineEdit>(main->Form().txbYearCEJC);
        box->selectAll();
        QTest::keyClicks(box, yearMonthDay);
        QComboBox *calendars = Widget<QComboBox>(main->Form().cboCalendar[1]);
        calendars->setCurrentIndex(0);  // the empty entry: the designator chooses
        emit calendars->activated(0);
        QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);
    }
    std::unique_ptr<HistoricalDatesWindow> window;
};

TEST_F(HistoricalDatesWindowTest, ReadsDatesAsPlacesWroteThem)
{
    ASSERT_EQ(window->Places().error, "");
    EXPECT_EQ(window->lblDay->text(),
              "JDN 2,353,712, Friday\nJulian: 11 February 1732\nGregorian: 22 February 1732\n"
              "Written: 11 February 1731/2 (O.S.)")
        << "the JDN grouped as in the other windows";
    EXPECT_EQ(window->lblToPlace->text(), "22 February 1732") << "France, New Style";
    EXPECT_EQ(window->lblTimeline->text(),
              "Julian calendar until 2 September 1752\nGregorian calendar from 14 September 1752\n"
              "New year on 25 March, after 1 January (Annunciation style), until 31 December 1751 (O.S.)\n"
              "New year on 1 January (Circumcision style), from 1 January 1752 (O.S.)");

    Written(10, 9, "1752");
    EXPECT_FALSE(window->Day());
    EXPECT_EQ(window->lblDay->text(),
              "10 September 1752 did not exist in England and Wales: 2 September 1752 was "
              "followed by 14 September 1752.");
    Choose(window->cboPlace, "scotland");
    Written(1, 2, "1599");
    EXPECT_EQ(window->lblDay->text(),
              "1 February 1599 did not exist in Scotland: there the year 1599 ran from "
              "25 March 1599 to 31 December 1599.")
        << "a gap of the year's start says why";
}

// Sweden's calendars as published: its own from 1 March 1700 to 30 February 1712, Julian again,
// Gregorian from 1 March 1753. Alaska, which kept the date of Asia until the transfer, named
// 6 October 1867 (O.S.) a Friday, the day before Friday 18 October.
TEST_F(HistoricalDatesWindowTest, TheTimelinesOfSwedenAndAlaskaAndAlaskasFriday)
{
    Choose(window->cboPlace, "sweden");
    EXPECT_EQ(window->lblTimeline->text(), "Julian calendar until 28 February 1700\n"
                                           "Swedish calendar from 1 March 1700 until 30 February 1712\n"
                                           "Julian calendar from 1 March 1712 until 17 February 1753\n"
                                           "Gregorian calendar from 1 March 1753\n"
                                           "New year on 1 January (Circumcision style)");
    Choose(window->cboPlace, "alaska");
    Written(6, 10, "1867");
    EXPECT_EQ(window->lblDay->text(),
              "JDN 2,403,257, Thursday\nJulian: 5 October 1867\n"
              "Gregorian: 17 October 1867\n"
              "Written: 6 October 1867 (O.S.), Friday (a day ahead: the date of Asia)")
        << "the count's Thursday, the place's Friday";
    EXPECT_EQ(window->lblTimeline->text(),
              "Julian calendar until 6 October 1867, dated a day ahead (the date of Asia)\n"
              "Gregorian calendar from 18 October 1867\n"
              "New year on 1 January (Circumcision style)");
    Written(18, 10, "1867");
    EXPECT_EQ(window->Day(), 2403258);
    EXPECT_TRUE(window->lblDay->text().startsWith("JDN 2,403,258, Friday\n"));
    Written(7, 10, "1867");
    EXPECT_EQ(window->lblDay->text(),
              "7 October 1867 did not exist in Alaska: 6 October 1867 was followed by 18 October 1867.");
}

// The form scrolls, the buttons below it stay whole, and texts that grow while the window is
// shown get the height they need: as users met it, Sweden's 31 February 1712, Esc, the window
// opened again and day 3, a day of four lines under a timeline of seven, in a window just high
// enough for England's form (the scroll bar must come) and in one at its smallest.
TEST_F(HistoricalDatesWindowTest, TheFormScrollsAndItsTextsKeepTheirRoom)
{
    auto *form = window->findChild<ScrollingArea *>();
    ASSERT_TRUE(form);
    QApplication::processEvents();
    const int englandsForm = form->widget()->heightForWidth(form->viewport()->width());
    const QSize fitsEngland(window->width(), window->height() - form->viewport()->height() + englandsForm);
    for (const QSize size : {fitsEngland, window->minimumSize()}) {
        window->resize(size);
        Choose(window->cboPlace, "england");
        Written(11, 2, "1731");
        Choose(window->cboPlace, "sweden");
        Written(31, 2, "1712");
        ASSERT_TRUE(Activate(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Escape);
        ASSERT_FALSE(window->isVisible());
        window->show();
        QApplication::processEvents();
        window->cboDay->setCurrentIndex(3 - 1);
        QApplication::processEvents();
        for (QLabel *label : {window->lblDay, window->lblToPlace, window->lblEaster, window->lblTimeline})
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
        for (QPushButton *button : {window->cmdMainResult, window->cmdCopy, window->cmdClose})
            EXPECT_TRUE(window->rect().contains(button->geometry())) << button->text().toStdString();
    }
}

TEST_F(HistoricalDatesWindowTest, TheStylesHaveNamesAndSayWhatTheyDo)
{
    QComboBox *styles = window->cboStyle;
    ASSERT_EQ(styles->count(), 8);
    for (int entry = 0; entry < styles->count(); ++entry) {
        EXPECT_FALSE(YearStartNamed(styles->itemText(entry).toStdString())) << "no style's id in the list";
        EXPECT_FALSE(styles->itemData(entry, Qt::ToolTipRole).toString().isEmpty()) << entry;
    }
    styles->setCurrentIndex(2);
    EXPECT_EQ(styles->toolTip(), styles->itemData(2, Qt::ToolTipRole))
        << "the list's tip is the chosen style's";

    Written(1, 4, "1570");
    Choose(window->cboPlace, "france");
    styles->setCurrentIndex(styles->findText("Easter Sunday (Easter style)"));
    EXPECT_EQ(window->lblDay->text(),
              "This date came twice in France in that style: 1 April 1570 (Julian) and "
              "1 April 1571 (Julian).");
    EXPECT_FALSE(window->cmdCopy->isEnabled());
}

TEST_F(HistoricalDatesWindowTest, TheDayAndTheYearAreReadAsTypedOrRefused)
{
    ASSERT_EQ(window->cboDay->count(), 31);
    EXPECT_EQ(window->cboDay->itemText(30), "31");
    Choose(window->cboPlace, "sweden");
    Written(30, 2, "1712");
    EXPECT_TRUE(window->Day()) << "Sweden's 30 February 1712";
    window->cboDay->setCurrentIndex(31 - 1);
    EXPECT_EQ(window->lblDay->text(), "31 February 1712 did not exist in Sweden: February 1712 had 30 days.");

    Written(11, 2, "1,731");
    EXPECT_EQ(window->Day(), DateToJDN(Calendar::Julian, {1731, 2, 11}, {})) << "1,731 is 1731";
    Written(11, 2, "1.5");
    EXPECT_EQ(window->lblDay->text(),
              "The year must be a whole number in digits, grouped by thousands or not (1731 or 1,731).");
    EXPECT_EQ(window->txbYear->text(), "1.5") << "kept as typed";
    EXPECT_FALSE(window->Day());
    const QString pasted = QStringLiteral("12345678901234567890123456789012345678901234567890");
    window->txbYear->selectAll();
    window->txbYear->insert(pasted);
    EXPECT_EQ(window->txbYear->text(), pasted) << "no maximum length cuts a paste";
    EXPECT_EQ(window->lblDay->text(), "The year runs from 1 to 5,874,899.");
    window->cboEra->setCurrentIndex(1);
    EXPECT_EQ(window->lblDay->text(), "The year runs from 1 to 5,884,325.") << "BC";
    window->txbYear->clear();
    EXPECT_EQ(window->lblDay->text(), "Enter the year, 1 to 5,884,325.");
}

TEST_F(HistoricalDatesWindowTest, TheMainWindowsResultIsWrittenAsThePlaceWroteIt)
{
    CalculateInMain("-43-3-15 jc");  // 15 March 44 BC, Julian
    Choose(window->cboPlace, "rome");
    window->cboStyle->setCurrentIndex(3);
    QTest::mouseClick(window->cmdMainResult, Qt::LeftButton);
    EXPECT_EQ(window->Day(), 1705426);
    EXPECT_EQ(window->txbYear->text(), "44");
    EXPECT_EQ(window->cboEra->currentText(), "BC");
    EXPECT_EQ(window->cboStyle->currentIndex(), 0) << "the place's own style again";
    EXPECT_EQ(window->lblDay->text(), "JDN 1,705,426, Wednesday\nJulian: 15 March 44 BC\n"
                                      "Gregorian: 13 March 44 BC\nWritten: 15 March 44 BC");
    EXPECT_TRUE(window->lblEaster->text().startsWith("Julian reckoning ")) << "Easter of 44 BC";
    EXPECT_FALSE(window->lblEaster->text().contains('-'));

    Choose(window->cboPlace, "england");
    QTest::mouseClick(window->cmdMainResult, Qt::LeftButton);
    EXPECT_EQ(window->txbYear->text(), "45") << "before Lady Day: the year before";
    EXPECT_TRUE(window->lblDay->text().endsWith("Written: 15 March 45/44 BC"));

    CalculateInMain("2024-3-5 ce");
    Choose(window->cboPlace, "russia");
    QTest::mouseClick(window->cmdMainResult, Qt::LeftButton);
    EXPECT_EQ(window->Day(), 2460375);
    EXPECT_EQ(window->txbYear->text(), "2024");
    EXPECT_EQ(window->cboEra->currentText(), "AD");
}

TEST_F(HistoricalDatesWindowTest, APlaceBoxShowsTheChosenPlaceAndItsSuggestionsGoWithTheWindow)
{
    ASSERT_TRUE(Activate(window.get()));
    QLineEdit *box = window->cboPlace->lineEdit();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "zzz");
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(window->cboPlace->currentText(), "England and Wales") << "a search that found nothing";

    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "swe");
    QAbstractItemView *suggestions = window->cboPlace->completer()->popup();
    ASSERT_TRUE(suggestions->isVisible());
    window->hide();
    EXPECT_FALSE(suggestions->isVisible()) << "not left over the main window";
    window->show();
    EXPECT_EQ(window->cboPlace->currentText(), "England and Wales") << "the place of the results";
    EXPECT_EQ(window->Day(), 2353712);
}

TEST_F(HistoricalDatesWindowTest, CopyPutsTheResultsOnTheClipboard)
{
    QTest::mouseClick(window->cmdCopy, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, "Place: England and Wales\r\n"
                              "Written: 11 February 1731/2 (O.S.)\r\n"
                              "Day: JDN 2,353,712, Friday\r\n"
                              "Julian: 11 February 1732\r\n"
                              "Gregorian: 22 February 1732\r\n"
                              "As written in France: 22 February 1732\r\n"
                              "Easter: Julian reckoning 18 April 1731 (Julian); Gregorian reckoning "
                              "25 March 1731 (Gregorian)\r\n");
    EXPECT_EQ(clipboard.clears, 1);

    Written(10, 9, "1752");
    EXPECT_FALSE(window->cmdCopy->isEnabled()) << "no day, nothing to copy";
    window->CopyResults();
    EXPECT_EQ(clipboard.clears, 1);
}

TEST_F(HistoricalDatesWindowTest, TabGoesDownTheFormThenAlongTheButtons)
{
    ASSERT_TRUE(Activate(window.get()));
    window->cboPlace->setFocus();
    for (QWidget *next :
         std::initializer_list<QWidget *>{window->cboDay, window->cboMonth, window->txbYear, window->cboEra,
                                          window->cboStyle, window->cboToPlace, window->cmdMainResult,
                                          window->cmdCopy, window->cmdClose, window->cboPlace}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(next == QApplication::focusWidget() || next->isAncestorOf(QApplication::focusWidget()))
            << "Tab goes on to " << next->accessibleName().toStdString() << " "
            << next->accessibleDescription().toStdString();
    }
}

}  // namespace
}  // namespace vardex::test
