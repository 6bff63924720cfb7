// SPDX-License-Identifier: MIT
// vardex: the desktop program. Builds the platform services and starts the main window.
#include <QApplication>
#include <QEvent>
#include <cstdio>
#include <cstring>

#include "DesktopProgram.h"
#include "support/AboutText.h"
#include "support/widgets/ProgramStyle.h"

namespace {

// Quits once the watched window has painted: a package's smoke test shows that the program starts
// and draws, with no one there to close it.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return QObject::eventFilter(watched, event);
    }
};

bool HasOption(int argc, char *argv[], const char *option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (HasOption(argc, argv, "--version")) {
        std::printf("vardex %s\n", qPrintable(vardex::ProgramVersion()));
        return 0;
    }
    if (HasOption(argc, argv, "--help")) {
        std::printf("Usage: vardex [--version | --help | --quit-after-first-paint]\n"
                    "The Vardex date calculator; see vardex(1), and vardex-cli(1) for scripts.\n"
                    "\nReport bugs to <bugs@vardex.example>.\n");
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(new vardex::ProgramStyle);
    vardex::NameApplication();
    vardex::DesktopProgram program;
    QuitAfterFirstPaint quitAfterFirstPaint;
    if (HasOption(argc, argv, "--quit-after-first-paint"))
        program.window.installEventFilter(&quitAfterFirstPaint);
    if (!program.window.Start())
        return 1;  // the program text file could not be loaded; the user has been told why
    return QApplication::exec();
}
