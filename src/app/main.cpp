// vardex: the desktop program. Builds the platform services and starts the main window.
#include <QApplication>
#include <memory>

#include "equinox/VernalEquinoxWindow.h"
#include "mainwindow/MainWindow.h"
#include "sequence/DateSequenceWindow.h"
#include "support/ProgramText.h"
#include "support/widgets/PopUpWindow.h"
#include "support/widgets/QtSeams.h"
#include "support/SystemClock.h"

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
    // The two windows of the main window's buttons: created on first use, hidden by their Close.
    std::unique_ptr<vardex::DateSequenceWindow> sequence;
    std::unique_ptr<vardex::VernalEquinoxWindow> equinoxes;
    const auto showModeless = [](QWidget &w) {
        w.show();
        w.raise();
        w.activateWindow();
    };
    window.openDateSequence = [&] {
        if (!sequence)
            sequence = std::make_unique<vardex::DateSequenceWindow>(window, dialogs, clipboard, popUp);
        showModeless(*sequence);
    };
    window.openVernalEquinoxes = [&] {
        if (!equinoxes)
            equinoxes = std::make_unique<vardex::VernalEquinoxWindow>(window, dialogs, clipboard, popUp);
        equinoxes->lngYear = window.Controller().GetYear();
        showModeless(*equinoxes);
    };

    if (!window.Start())
        return 1;  // the program text file could not be loaded; the user has been told why
    return QApplication::exec();
}
