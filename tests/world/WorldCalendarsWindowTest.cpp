// SPDX-License-Identifier: MIT
// The World calendars window from the Tools menu: before a result, after one (rows, notes, copy), none.
#include <QLabel>
#include <QPushButton>
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
    EXPECT_FALSE(window->cmdCopy->isEnabled());

    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);  // 5 March 2024
    EXPECT_EQ(window->lblDay->text(), "JDN 2,460,375, Tuesday");
    EXPECT_EQ(QStringList({Cell(0, 1), Cell(2, 0), Cell(5, 1), Cell(5, 2)}),
              QStringList({"March 5, 2024 CE", "Dee-Cecil", "25 Adar I 5784", "leap year, Yom Shlishi"}));

    QTest::mouseClick(window->cmdCopy, Qt::LeftButton);
    EXPECT_TRUE(clipboard.text.startsWith("JDN 2,460,375, Tuesday\r\nGregorian: March 5, 2024 CE\r\n"));
    EXPECT_TRUE(clipboard.text.contains("Hebrew: 25 Adar I 5784 (leap year, Yom Shlishi)\r\n"));

    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdClear[0]), Qt::LeftButton);
    QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);  // nothing to read
    EXPECT_EQ(window->tblCalendars->rowCount(), 0) << "no result shown in the main window, none here";
}

}  // namespace
}  // namespace vardex::test
