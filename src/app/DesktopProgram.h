// SPDX-License-Identifier: MIT
// The desktop program's platform services and its windows, built on them. main() and the
// start-up benchmark both start vardex through this, so the benchmark times what users start.
#ifndef VARDEX_APP_DESKTOPPROGRAM_H
#define VARDEX_APP_DESKTOPPROGRAM_H

#include <QApplication>
#include <QString>

#include "ProgramWindows.h"
#include "mainwindow/MainWindow.h"
#include "support/DataFolder.h"
#include "support/ProgramText.h"
#include "support/SystemClock.h"
#include "support/widgets/PopUpWindow.h"
#include "support/widgets/QtSeams.h"

namespace vardex {

// Names the application for the desktop (window grouping, the .desktop file); call once the
// QApplication exists.
inline void NameApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vardex"));
    QApplication::setDesktopFileName(QStringLiteral("vardex"));
}

// Needs a QApplication; members are built in the order declared, the windows last.
struct DesktopProgram {
    DesktopProgram()
        : window({MainSeams{dialogs, clipboard, clock, popUp, screen, GetProgramText}, shell,
                  [this](const QString &name) { return LoadProgramText(folder, name, dialogs); }, folder})
    {
    }

    QtDialogs dialogs;
    QtClipboard clipboard;
    SystemClock clock;
    QtScreen screen;
    QtShell shell;
    QtSaveFileChooser saveFileChooser;
    QtOpenFileChooser openFileChooser;
    PopUpWindow popUp;
    // Where the data files are: next to the program, or where a package put them.
    const QString folder =
        QString::fromStdString(DataFolder(QCoreApplication::applicationDirPath().toStdString()));
    MainWindow window;
    ProgramWindows windows{window,
                           {dialogs, clipboard, popUp, saveFileChooser, openFileChooser, clock, folder}};
};

}  // namespace vardex

#endif  // VARDEX_APP_DESKTOPPROGRAM_H
