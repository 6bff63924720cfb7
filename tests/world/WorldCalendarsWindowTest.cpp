// SPDX-License-Identifier: MIT
// The World calendars window opened from the main window's Tools menu: before a result, after one,
// as the result and the Dee variant change, and its copy.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "StartedWindows.h"
#include "world/WorldCalendarsWindow.h"

namespace vardex::test {
namespace {

class WorldCalendarsWindowTest : public StartedWindows {
protected:
    void SetUp() override
    {
        Start();
        main->resultChanged = [this] {
            if (window)
                window->Refresh();
        };
        ASSERT_NO_FATAL_FAILURE(OpenFromTools<WorldCalendarsWindow>(
            &MainWindow::openWorldCalendars, window,
            [this] { return std::make_unique<WorldCalendarsWindow>(*main, clipboard); }, Qt::Key_L));
    }
    QString Cell(int row, int column) const { return window->tblCalendars->item(row, column)->text(); }
    std::unique_ptr<WorldCalendarsWindow> window;
};

TEST_F(WorldCalendarsWindowTest, FollowsTheMainWindowsResult)
{
    EXPECT_EQ(window->lblDay->text(), "No result yet: calculate a day in the main window.");
    EXPECT_EQ(window->tblCalendars->rowCount(), 0);
    EXPECT_FALSE(window->cmdCopy->isEnabled());

    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);  // 5 March 2024
    EXPECT_EQ(window->lblDay->text(), "JDN 2,460,375, Tuesday");
    EXPECT_EQ(QStringList({Cell(0, 1), Cell(2, 0), Cell(5, 1), Cell(5, 2)}),
              QStringList({"March 5, 2024 CE", "Dee-Cecil", "25 Adar I 5784", "leap year, Yom Shlishi"}));

    Click(Widget<QRadioButton>(main->Form().optDee));
    EXPECT_EQ(Cell(2, 0), "Dee") << "the variant follows at once";

    QTest::mouseClick(window->cmdCopy, Qt::LeftButton);
    EXPECT_TRUE(clipboard.text.startsWith("JDN 2,460,375, Tuesday\r\nGregorian: March 5, 2024 CE\r\n"));
    EXPECT_TRUE(clipboard.text.contains("Hebrew: 25 Adar I 5784 (leap year, Yom Shlishi)\r\n"));

    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdClear[0]), Qt::LeftButton);
    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);  // nothing to read
    EXPECT_EQ(window->tblCalendars->rowCount(), 0) << "no result shown in the main window, none here";
}

// Opened before any result, the window shows the next one whole: each column as wide as its widest
// text, every column named; Tab goes on from the table to the buttons.
TEST_F(WorldCalendarsWindowTest, ColumnsFitEveryResultAndTabLeavesTheTable)
{
    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);
    QTableWidget *table = window->tblCalendars;
    ASSERT_EQ(table->columnCount(), 3);
    for (int column = 0; column < table->columnCount(); ++column) {
        EXPECT_FALSE(table->horizontalHeaderItem(column)->text().isEmpty());
        for (int row = 0; row < table->rowCount(); ++row) {
            const QString text = Cell(row, column);
            EXPECT_GE(table->columnWidth(column), table->fontMetrics().horizontalAdvance(text))
                << "cut: " << text.toStdString();
        }
    }
    ASSERT_TRUE(Activate(window.get()));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->cmdCopy);
}

}  // namespace
}  // namespace vardex::test
