// SPDX-License-Identifier: MIT
// The focus only where a user could put it. (The colours and fonts a window is given: its screenshots.)
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "support/widgets/ControlUtils.h"

namespace vardex {
namespace {

TEST(ControlUtils, OnlyAVisibleEnabledButtonInAShownWindowTakesTheFocus)
{
    EXPECT_FALSE(SetFocusIfPossible(nullptr));
    // window shown, button hidden, button enabled, focused
    const std::tuple<bool, bool, bool, bool> cases[] = {{true, false, true, true},
                                                        {true, true, true, false},
                                                        {true, false, false, false},
                                                        {false, false, true, false}};
    for (const auto &[shown, hidden, enabled, focused] : cases) {
        QWidget window;
        auto *other = new QLineEdit(&window);
        auto *button = new QPushButton("Calculate", &window);
        button->setHidden(hidden);
        button->setEnabled(enabled);
        if (shown) {
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        }
        other->setFocus();
        EXPECT_EQ(SetFocusIfPossible(button), focused);
        EXPECT_EQ(window.focusWidget(), focused ? static_cast<QWidget *>(button) : other);
    }
}

}  // namespace
}  // namespace vardex
