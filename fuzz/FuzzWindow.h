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
};

inline FuzzWindow &Window()
{
    static FuzzWindow window;
    return window;
}

}  // namespace vardex::fuzz
