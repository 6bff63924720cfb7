// vardex as far as its main window being shown: the same services and the same start-up as
// src/app/main.cpp, then the program ends as soon as the window has been painted. Only the
// start-up benchmark builds it; vardex itself reads no command line and no environment.
#include <QApplication>

#include "FirstPaint.h"
#include "mainwindow/MainWindow.h"
#include "support/ProgramText.h"
#include "support/SystemClock.h"
#include "support/widgets/PopUpWindow.h"
#include "support/widgets/QtSeams.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vardex"));
    QApplication::setDesktopFileName(QStringLiteral("vardex"));

    vardex::QtDialogs dialogs;
    vardex::QtClipboard clipboard;
    vardex::SystemClock clock;
    vardex::QtScreen screen;
    vardex::QtShell shell;
    vardex::PopUpWindow popUp(screen);
    const QString folder = QCoreApplication::applicationDirPath();

    vardex::MainWindow window(
        {vardex::MainSeams{dialogs, clipboard, clock, popUp, screen, vardex::GetProgramText}, shell,
         [&](const QString &name) { return vardex::LoadProgramText(folder, name, dialogs); }, folder});
    // The date-sequence and vernal-equinox windows are created on first use, never at start-up,
    // so the probe leaves them out.

    vardex::bench::QuitAfterFirstPaint quit(window);
    vardex::bench::GiveUpAfter(10'000);
    if (!window.Start())
        return 1;
    return QApplication::exec();
}
