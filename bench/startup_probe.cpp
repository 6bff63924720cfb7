// SPDX-License-Identifier: MIT
// vardex as far as its main window being shown: the same start-up as src/app/main.cpp, then the
// program ends as soon as the window has been painted. Only the start-up benchmark builds it;
// vardex itself reads no command line and no environment.
#include <QApplication>

#include "FirstPaint.h"
#include "app/DesktopProgram.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vardex::NameApplication();
    vardex::DesktopProgram program;
    // The date-sequence and vernal-equinox windows are created on first use, never at start-up,
    // so the probe leaves them out.

    vardex::bench::QuitAfterFirstPaint quit(program.window);
    vardex::bench::GiveUpAfter(10'000);
    if (!program.window.Start())
        return 1;
    return QApplication::exec();
}
