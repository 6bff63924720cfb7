// SPDX-License-Identifier: MIT
// A main window model started on recording seams, and the moves a user makes on it: the tests,
// the benchmarks and the fuzz targets all drive the window through this.
#pragma once

#include <QLocale>
#include <functional>
#include <utility>

#include "RecordingSeams.h"
#include "mainwindow/MainController.h"

namespace vardex::test {

// The month,day,year form filled as a user fills it, on the controller of any main window; era and
// calendar are list entries.
inline void EnterMonthDayYear(MainController &controller, MainForm &form, int month, int day,
                              const QString &year, int era, int calendar)
{
    controller.SelectOption(form.optInputDateWithoutAYN);
    controller.SelectListEntry(form.cboMonthNames, month);
    controller.SelectListEntry(form.cboDayNumbers, day);
    form.txbYearADBCetc.text = year;
    controller.SelectListEntry(form.cboYearDesADBCetc, era);
    controller.SelectListEntry(form.cboCalendar[0], calendar);
    controller.Timer1_Timer();
}

struct StartedMainWindow {
    explicit StartedMainWindow(std::function<QString(int16_t)> programText = {})
        : controller(form, MainSeams{dialogs, clipboard, clock, popUps, screen, std::move(programText)})
    {
        // Month names and digit grouping as the expected texts have them, whatever the machine's.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        started = controller.StartUp({});
    }

    void EnterMDY(int month, int day, const QString &year, int era, int calendar)
    {
        EnterMonthDayYear(controller, form, month, day, year, era, calendar);
    }

    // The year-month-day form; calendar is the entry of its list, chosen before typing.
    void EnterYMD(const QString &text, int calendar)
    {
        controller.SelectOption(form.optInputDateWithAYN);
        controller.SelectListEntry(form.cboCalendar[1], calendar);
        form.txbYearCEJC.text = text;
        form.txbYearCEJC.caret = text.size();
        controller.Timer1_Timer();
    }

    void Arithmetic(bool plus, const std::array<QString, 4> &amounts)
    {
        controller.SelectOption(plus ? form.optPlus : form.optMinus);
        for (size_t i = 0; i < 4; ++i)
            form.txbArith[i].text = amounts[i];
        controller.Timer1_Timer();
    }

    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock;
    RecordingPopUps popUps;
    FixedScreen screen;
    MainForm form;
    MainController controller;
    bool started = false;
};

}  // namespace vardex::test
