// SPDX-License-Identifier: MIT
// The Historical dates window opened from the Tools menu: the English register's date, a day that
// did not exist, another style, the main window's result as the day, and a second place.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

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
                return std::make_unique<HistoricalDatesWindow>(*main,
                                                               QStringLiteral(CALENDAR_HISTORY_FOLDER));
            },
            Qt::Key_H));
    }
    void Written(int day, int month, const QString &year)
    {
        window->spnDay->setValue(day);
        window->cboMonth->setCurrentIndex(month - 1);
        window->txbYear->selectAll();
        QTest::keyClicks(window->txbYear, year);
    }
    std::unique_ptr<HistoricalDatesWindow> window;
};

TEST_F(HistoricalDatesWindowTest, ReadsDatesAsPlacesWroteThem)
{
    ASSERT_EQ(window->Places().error, "");
    EXPECT_EQ(window->lblDay->text(),
              "JDN 2353712, Friday\nJulian: 11 February 1732\nGregorian: 22 February 1732\n"
              "Written: 11 February 1731/2 (O.S.)");
    EXPECT_EQ(window->lblToPlace->text(), "22 February 1732") << "France, New Style";
    EXPECT_TRUE(window->lblTimeline->text().contains("gregorian calendar from 14 September 1752"));

    Written(10, 9, "1752");
    EXPECT_FALSE(window->Day());
    EXPECT_EQ(window->lblDay->text(),
              "10 September 1752 did not exist in England and Wales: 2 September 1752 was "
              "followed by 14 September 1752.");

    Written(1, 4, "1570");
    window->cboPlace->setCurrentIndex(window->cboPlace->findData("france"));
    window->cboStyle->setCurrentIndex(window->cboStyle->findText("easter"));
    EXPECT_TRUE(window->lblDay->text().startsWith("This date came twice in France in that style: "));

    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);  // 5 March 2024
    window->cboPlace->setCurrentIndex(window->cboPlace->findData("russia"));
    QTest::mouseClick(window->cmdMainResult, Qt::LeftButton);
    EXPECT_EQ(window->Day(), 2460375);
    EXPECT_EQ(window->txbYear->text(), "2024");
    EXPECT_EQ(window->cboStyle->currentIndex(), 0) << "the place's own style again";

    ASSERT_TRUE(Activate(window.get()));
    window->cboPlace->setFocus();
    for (QWidget *next : std::initializer_list<QWidget *>{window->spnDay, window->cboMonth, window->txbYear,
                                                          window->cboStyle, window->cboToPlace}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(next == QApplication::focusWidget() || next->isAncestorOf(QApplication::focusWidget()))
            << "Tab goes down the form to " << next->accessibleName().toStdString();
    }
}

}  // namespace
}  // namespace vardex::test
