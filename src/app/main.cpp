// vardex: the desktop program. Builds the platform services and starts the main window.
#include <QApplication>

#include "mainwindow/MainWindow.h"
#include "support/ProgramText.h"
#include "support/widgets/PopUpWindow.h"
#include "support/widgets/QtSeams.h"
#include "support/widgets/SystemClock.h"

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

    vardex::MainWindow window({vardex::MainSeams{dialogs, clipboard, clock, popUp, screen, vardex::GetProgramText},
                               shell,
                               [&](const QString &name) { return vardex::LoadProgramText(folder, name, dialogs); },
                               folder});
    if (!window.Start())
        return 1;  // the program text file could not be loaded; the user has been told why
    return QApplication::exec();
}
