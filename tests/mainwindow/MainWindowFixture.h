// A started main window model with recording seams, and the moves a user makes on it.
#pragma once

#include <gtest/gtest.h>

#include <QLocale>

#include "RecordingSeams.h"
#include "engine/CalendarState.h"
#include "mainwindow/MainController.h"

namespace vardex::test {

class MainWindowTest : public testing::Test {
protected:
    MainWindowTest()
        : controller(form, MainSeams{dialogs, clipboard, clock, popUps, screen, [](int16_t number) {
                                         return number == kManualAddressText ? QStringLiteral("vardex.example.org/manual")
                                                                             : QString();
                                     }})
    {
    }

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(controller.StartUp({}));
        dialogs.shown.clear();
    }

    // The month,day,year form, filled as a user fills it; calendar is the entry of cboCalendar(0).
    void EnterMDY(int month, int day, const QString &year, const QString &era, int calendar)
    {
        controller.SelectOption(form.optInputDateWithoutAYN);
        controller.SelectListEntry(form.cboMonthNames, month);
        controller.SelectListEntry(form.cboDayNumbers, day);
        form.txbYearADBCetc.text = year;
        controller.SelectListEntry(form.cboYearDesADBCetc, controller.EraListIndex(era));
        controller.SelectListEntry(form.cboCalendar[0], calendar);
        controller.Timer1_Timer();
    }

    // The year-month-day form; calendar is the entry of cboCalendar(1), chosen before typing.
    void EnterYMD(const QString &text, int calendar)
    {
        controller.SelectOption(form.optInputDateWithAYN);
        controller.SelectListEntry(form.cboCalendar[1], calendar);
        form.txbYearCEJC.text = text;
        form.txbYearCEJC.caret = text.size();
        controller.Timer1_Timer();
    }

    void Arithmetic(bool plus, const QString &years, const QString &months, const QString &weeks,
                    const QString &days)
    {
        controller.SelectOption(plus ? form.optPlus : form.optMinus);
        form.txbArith[0].text = years;
        form.txbArith[1].text = months;
        form.txbArith[2].text = weeks;
        form.txbArith[3].text = days;
        controller.Timer1_Timer();
    }

    void Calculate() { controller.cmdCalculate_Click(); }

    QString OnlyMessage() const { return dialogs.shown.size() == 1 ? dialogs.shown[0].text : QStringLiteral("<none or many>"); }

    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock{"2024-03-05"};
    RecordingPopUps popUps;
    FixedScreen screen;
    MainForm form;
    MainController controller;
};

enum CalendarEntry { kGregorian = 1, kJulian = 2, kDee = 3, kSunday = 4, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday };

}  // namespace vardex::test
