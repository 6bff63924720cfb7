// A started main window model with recording seams, and the moves a user makes on it.
#pragma once

#include <gtest/gtest.h>

#include "StartedMainWindow.h"
#include "engine/Calendars.h"
#include "mainwindow/MainController.h"

namespace vardex::test {

class MainWindowTest : public testing::Test, public StartedMainWindow {
protected:
    MainWindowTest()
        : StartedMainWindow([](int16_t number) {
              return number == kManualAddressText ? QStringLiteral("vardex.example.org/manual") : QString();
          })
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(started);
        dialogs.shown.clear();
    }

    using StartedMainWindow::EnterMDY;

    // The era as the user reads it in the list ("AD", "BCE", ...).
    void EnterMDY(int month, int day, const QString &year, const QString &era, int calendar)
    {
        EnterMDY(month, day, year, controller.EraListIndex(era), calendar);
    }

    void Calculate() { controller.cmdCalculate_Click(); }

    QString OnlyMessage() const
    {
        return dialogs.shown.size() == 1 ? dialogs.shown[0].text : QStringLiteral("<none or many>");
    }
};

enum CalendarEntry {
    kGregorian = 1,
    kJulian = 2,
    kDee = 3,
    kSunday = 4,
    kMonday,
    kTuesday,
    kWednesday,
    kThursday,
    kFriday,
    kSaturday
};

}  // namespace vardex::test
