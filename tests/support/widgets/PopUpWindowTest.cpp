#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "RecordingSeams.h"
#include "support/widgets/PopUpWindow.h"

namespace vardex {
namespace {

// Qt's default timers may fire up to 5 % early; a display is "its full interval" within that.
qint64 Shortest(int intervalMs) { return intervalMs - intervalMs / 20 - 1; }

class PopUpWindowTest : public testing::Test {
protected:
    // Runs whileShown once the pop-up is on the screen, from inside its modal display.
    void WhileShown(std::function<void()> whileShown, int afterMs = 0)
    {
        QTimer::singleShot(afterMs, &popUp, std::move(whileShown));
    }
    // Milliseconds the call took to return.
    static qint64 Duration(const std::function<void()> &call)
    {
        QElapsedTimer clock;
        clock.start();
        call();
        return clock.elapsed();
    }
    void Click() { QTest::mouseClick(popUp.lblMessage, Qt::LeftButton); }

    test::FixedScreen screen;  // 800 x 800 pixels
    PopUpWindow popUp{screen};
};

TEST_F(PopUpWindowTest, ShowsTheMessageModallyAtItsScreenPosition)
{
    bool shown = false;
    QRect geometry, labelGeometry;
    QString text;
    bool modal = false;
    WhileShown([&] {
        shown = popUp.isVisible();
        geometry = popUp.geometry();
        labelGeometry = popUp.lblMessage->geometry();
        text = popUp.lblMessage->text();
        modal = QApplication::activeModalWidget() == &popUp;
        Click();
    });
    popUp.PopUp("Result copied to clipboard", 2920, 300, 10000, 3900, 8050);

    EXPECT_TRUE(shown);
    EXPECT_TRUE(modal);
    EXPECT_EQ(text, "Result copied to clipboard");
    // 8050 / 15 = 536.7 and 2920 / 15 = 194.7 round up; 3900 and 300 are whole pixels.
    EXPECT_EQ(geometry, QRect(537, 260, 195, 20));
    EXPECT_EQ(labelGeometry, QRect(0, 0, 195, 20));
    EXPECT_FALSE(popUp.isVisible());
}

TEST_F(PopUpWindowTest, ClosesByItsTimer)
{
    const qint64 took = Duration([&] { popUp.PopUp("Result copied to clipboard", 2920, 300, 200, 0, 0); });
    EXPECT_GE(took, Shortest(200));
    EXPECT_FALSE(popUp.isVisible());
    EXPECT_FALSE(popUp.Timer1->isActive());
}

TEST_F(PopUpWindowTest, ClosesAtOnceOnAClick)
{
    WhileShown([&] { Click(); }, 20);
    const qint64 took = Duration([&] { popUp.PopUp("Result copied to clipboard", 2920, 300, 10000, 0, 0); });
    EXPECT_LT(took, 5000);
    EXPECT_FALSE(popUp.isVisible());
    EXPECT_FALSE(popUp.Timer1->isActive());
}

TEST_F(PopUpWindowTest, EachDisplayLastsItsOwnInterval)
{
    // The first display is cut short by a click; its interval must not run on into the second.
    WhileShown([&] { Click(); }, 20);
    popUp.PopUp("first", 2920, 300, 300, 0, 0);
    const qint64 second = Duration([&] { popUp.PopUp("second", 2920, 300, 500, 0, 0); });
    const qint64 third = Duration([&] { popUp.PopUp("third", 2920, 300, 200, 0, 0); });
    EXPECT_GE(second, Shortest(500));
    EXPECT_GE(third, Shortest(200));
}

TEST_F(PopUpWindowTest, CentresByTheSizeOfThePreviousDisplay)
{
    popUp.PopUp("first", 3000, 600, 0, 0, 0);
    popUp.PopUpCenterScreen("second", 1500, 300, 0);
    // Screen 12000 x 12000 twips; the window was 3000 x 600 when the position was worked out.
    EXPECT_EQ(popUp.pos(), QPoint((12000 - 3000) / 2 / 15, (12000 - 600) / 2 / 15));
    EXPECT_EQ(popUp.size(), QSize(100, 20));
}

TEST_F(PopUpWindowTest, InFormCountsFromTheFormsCorner)
{
    QWidget form;
    form.move(100, 50);
    popUp.PopUp("first", 3000, 450, 0, 0, 0);
    popUp.PopUpInForm(form, "second", 1500, 300, 0, 150, 300);
    EXPECT_EQ(popUp.pos(), QPoint(100 + 20, 50 + 10));
    EXPECT_EQ(popUp.size(), QSize(100, 20));
    // Only the message's width follows; its height stays from the display before.
    EXPECT_EQ(popUp.lblMessage->size(), QSize(100, 30));
}

}  // namespace
}  // namespace vardex
