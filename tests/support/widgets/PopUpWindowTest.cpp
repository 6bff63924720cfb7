// SPDX-License-Identifier: MIT
// The pop-up message: modal at its place until a click or the end of its interval.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "support/widgets/PopUpWindow.h"

namespace vardex {
namespace {

TEST(PopUpWindow, ShowsTheMessageModallyAtItsPlaceUntilAClick)
{
    PopUpWindow popUp;
    QRect geometry;
    QString text;
    bool modal = false;
    QTimer::singleShot(20, &popUp, [&] {
        std::tie(geometry, text, modal) = std::tuple(popUp.geometry(), popUp.lblMessage->text(),
                                                     QApplication::activeModalWidget() == &popUp);
        QTest::mouseClick(popUp.lblMessage, Qt::LeftButton);
    });
    popUp.PopUp("Result copied to clipboard", 2920, 300, 60000, 3900, 8050);  // returns once it is closed
    EXPECT_EQ(std::pair(text, modal), std::pair(QString("Result copied to clipboard"), true));
    // 8050 / 15 = 536.7 and 2920 / 15 = 194.7 round up; 3900 and 300 are whole pixels.
    EXPECT_EQ(geometry, QRect(537, 260, 195, 20));
    EXPECT_FALSE(popUp.isVisible() || popUp.Timer1->isActive());
    popUp.PopUp("second", 2920, 300, 50, 0, 0);  // and this one by its timer
    EXPECT_FALSE(popUp.isVisible());
}

}  // namespace
}  // namespace vardex
