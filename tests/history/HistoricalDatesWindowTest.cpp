// SPDX-License-Identifier: MIT
// The Historical dates window from the Tools menu: a written date to its day and the main window's
// result back, its messages, the place box and Copy. (Fit, Tab, focus and names: tests/windows.)
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "StartedMainWindow.h"
#include "StartedWindows.h"
#include "history/HistoricalDatesWindow.h"

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
    void CalculateInMain()
    {
        QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);
    }
    std::unique_ptr<HistoricalDatesWindow> window;
};

// As it opens (England, 11 February 1731): Copy, the place box's suggestions, a timeline; Alaska's date
// of Asia and skipped dates; a date given twice; what to type or choose; the main window's result.
TEST_F(HistoricalDatesWindowTest, ShowsTheDayOfADateAsWrittenOrWhyThereIsNone)
{
    QTest::mouseClick(window->cmdCopy, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, "Place: England and Wales\r\nWritten: 11 February 1731/2 (O.S.)\r\n"
                              "Day: JDN 2,353,712, Friday\r\nJulian: 11 February 1732\r\n"
                              "Gregorian: 22 February 1732\r\nAs written in France: 22 February 1732\r\n"
                              "Easter: Julian reckoning 18 April 1731 (Julian); Gregorian reckoning "
                              "25 March 1731 (Gregorian)\r\n");
    EXPECT_EQ(clipboard.clears, 1);
    ASSERT_TRUE(Activate(window.get()));
    QLineEdit *box = window->cboPlace->lineEdit();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "swe");
    QAbstractItemView *suggestions = window->cboPlace->completer()->popup();
    ASSERT_TRUE(suggestions->isVisible());
    window->hide();
    EXPECT_FALSE(suggestions->isVisible()) << "not left over the main window";
    window->show();
    EXPECT_EQ(window->cboPlace->currentText(), "England and Wales") << "the place of the results";
    EXPECT_EQ(window->lblTimeline->text(),
              "Julian calendar until 2 September 1752\nGregorian calendar from 14 September 1752\n"
              "New year on 25 March, after 1 January (Annunciation style), until 31 December 1751 (O.S.)\n"
              "New year on 1 January (Circumcision style), from 1 January 1752 (O.S.)");
    Choose(window->cboPlace, "alaska");
    Written(6, 10, "1867");
    EXPECT_EQ(window->lblDay->text(),
              "JDN 2,403,257, Thursday\nJulian: 5 October 1867\n"
              "Gregorian: 17 October 1867\n"
              "Written: 6 October 1867 (O.S.), Friday (a day ahead: the date of Asia)");
    EXPECT_EQ(window->lblTimeline->text(),
              "Julian calendar until 6 October 1867, dated a day ahead (the date of Asia)\n"
              "Gregorian calendar from 18 October 1867\nNew year on 1 January (Circumcision style)");
    Written(7, 10, "1867");
    EXPECT_EQ(window->lblDay->text(),
              "7 October 1867 did not exist in Alaska: 6 October 1867 was followed by 18 October 1867.");
    EXPECT_FALSE(window->cmdCopy->isEnabled());
    Choose(window->cboPlace, "france");
    Written(1, 4, "1570");
    window->cboStyle->setCurrentIndex(window->cboStyle->findText("Easter Sunday (Easter style)"));
    EXPECT_EQ(window->lblDay->text(),
              "This date came twice in France in that style: 1 April 1570 (Julian) and "
              "1 April 1571 (Julian).");
    Written(11, 2, "1.5");
    EXPECT_EQ(window->lblDay->text(),
              "The year must be a whole number in digits, grouped by thousands or not (1731 or 1,731).");
    EXPECT_EQ(window->txbYear->text(), "1.5") << "kept as typed";
    Written(11, 2, "12345678901234567890");
    EXPECT_EQ(window->lblDay->text(), "The year runs from 1 to 5,874,899.");
    window->cboEra->setCurrentIndex(1);
    EXPECT_EQ(window->lblDay->text(), "The year runs from 1 to 5,884,325.") << "BC";
    window->txbYear->clear();
    EXPECT_EQ(window->lblDay->text(), "Enter the year, 1 to 5,884,325.");
    // The window of a data folder without the file, and of a file that names no place.
    QTemporaryDir empty;
    QFile file(empty.filePath(QStringLiteral("calendar-history.tsv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("# no place yet\n") > 0);
    file.close();
    const QString missing = empty.filePath(QStringLiteral("missing"));
    EXPECT_EQ(HistoricalDatesWindow(*main, clipboard, missing).lblDay->text(),
              "The calendar history file " + missing + "/calendar-history.tsv cannot be read.");
    EXPECT_EQ(HistoricalDatesWindow(*main, clipboard, empty.path()).lblDay->text(), "Choose a place.");
    CalculateInMain();  // today, 5 March 2024, with BC chosen here
    Choose(window->cboPlace, "russia");
    QTest::mouseClick(window->cmdMainResult, Qt::LeftButton);
    EXPECT_EQ(window->Day(), 2460375);
    EXPECT_EQ(window->cboEra->currentText(), "AD");
    EnterMonthDayYear(main->Controller(), main->Form(), 3, 15, QStringLiteral("44"), 2, 2);  // BC, Julian
    main->WriteBack();
    CalculateInMain();
    Choose(window->cboPlace, "england");
    window->cboStyle->setCurrentIndex(3);
    QTest::mouseClick(window->cmdMainResult, Qt::LeftButton);
    EXPECT_EQ(window->Day(), 1705426);
    EXPECT_EQ(window->txbYear->text(), "45") << "England before Lady Day: the year before";
    EXPECT_EQ(window->cboEra->currentText(), "BC");
    EXPECT_EQ(window->cboStyle->currentIndex(), 0) << "the place's own style again";
}

}  // namespace
}  // namespace vardex::test
