// SPDX-License-Identifier: MIT
// A started main window model on recording seams, shared by the fuzz targets that type into it.
// One per process: the fuzzers reuse it for every input, as a user reuses the window.
#pragma once

#include "StartedMainWindow.h"

namespace vardex::fuzz {

struct FuzzWindow : test::StartedMainWindow {
    FuzzWindow()
    {
        if (!started)
            __builtin_trap();
    }

    // Called first for every input: the record of messages holds one input's only.
    void Begin() { dialogs.shown.clear(); }

    // Calculate as a user presses it once the refresher has seen the input (two ticks: the first
    // may choose the calendar a typed designator names). It must end in a result in all eight
    // output boxes or in a message: never half an output, never a Calculate that does nothing.
    void CheckAndConvert()
    {
        controller.Timer1_Timer();
        controller.Timer1_Timer();
        if (!form.cmdCalculate.enabled)
            return;
        controller.cmdCalculate_Click();
        int shown = 0;
        for (TextBox *box : form.OutputBoxes()) {
            if (box->visible == box->text.isEmpty())
                __builtin_trap();
            shown += box->visible;
        }
        if ((shown != 0 && shown != 8) || (shown == 0 && dialogs.shown.empty()))
            __builtin_trap();
    }
};

inline FuzzWindow &Window()
{
    static FuzzWindow window;
    return window;
}

}  // namespace vardex::fuzz
