// A started main window model on recording seams, shared by the fuzz targets that type into it.
// One per process: the fuzzers reuse it for every input, as a user reuses the window.
#pragma once

#include <QLocale>

#include "RecordingSeams.h"
#include "engine/CalendarState.h"
#include "mainwindow/MainController.h"

namespace vardex::fuzz {

struct FuzzWindow {
    FuzzWindow()
        : controller(form,
                     MainSeams{dialogs, clipboard, clock, popUps, screen, [](int16_t) { return QString(); }})
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (!controller.StartUp({}))
            __builtin_trap();
    }

    // Called first for every input: the record of messages holds one input's only.
    void Begin() { dialogs.shown.clear(); }

    // InputDateOK and GetJDN as Calculate runs them, after the refresher has seen the input.
    void CheckAndConvert()
    {
        controller.Timer1_Timer();
        controller.Timer1_Timer();
        if (!controller.InputDateOK())
            return;
        if (controller.GetJDN(controller.InputCalendarText(), true))
            controller.ShowOutputs();
    }

    test::RecordingDialogs dialogs;
    test::RecordingClipboard clipboard;
    test::ScriptedClock clock{"2024-03-05"};
    test::RecordingPopUps popUps;
    test::FixedScreen screen;
    MainForm form;
    MainController controller;
};

inline FuzzWindow &Window()
{
    static FuzzWindow window;
    return window;
}

} // namespace vardex::fuzz
