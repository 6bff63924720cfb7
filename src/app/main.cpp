// SPDX-License-Identifier: MIT
// vardex: the desktop program. Builds the platform services and starts the main window.
#include <QApplication>
#include <QEvent>
#include <QProxyStyle>
#include <cstdio>
#include <cstring>
#include <memory>

#include "DesktopProgram.h"
#include "chart/EquinoxChartWindow.h"
#include "difference/DateDifferenceWindow.h"
#include "equinox/VernalEquinoxWindow.h"
#include "history/HistoricalDatesWindow.h"
#include "sequence/DateSequenceWindow.h"
#include "support/AboutText.h"
#include "world/WorldCalendarsWindow.h"

namespace {

// Alt pressed and released alone reaches the menu bar, as on other desktops; the look is the
// platform's own.
class AltReachesMenuBar : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

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
    QApplication::setStyle(new AltReachesMenuBar);
    vardex::NameApplication();
    vardex::DesktopProgram program;
    vardex::MainWindow &window = program.window;
    // The windows of the main window's buttons and menus: created on first use, hidden by their Close.
    std::unique_ptr<vardex::DateSequenceWindow> sequence;
    std::unique_ptr<vardex::VernalEquinoxWindow> equinoxes;
    std::unique_ptr<vardex::DateDifferenceWindow> difference;
    std::unique_ptr<vardex::WorldCalendarsWindow> world;
    std::unique_ptr<vardex::HistoricalDatesWindow> history;
    std::unique_ptr<vardex::EquinoxChartWindow> chart;
    const auto showModeless = [](QWidget &w) {
        w.show();
        w.raise();
        w.activateWindow();
    };
    const auto openChart = [&]() -> vardex::EquinoxChartWindow & {
        if (!chart)
            chart = std::make_unique<vardex::EquinoxChartWindow>(window, program.dialogs,
                                                                 program.saveFileChooser);
        showModeless(*chart);
        return *chart;
    };
    window.openDateSequence = [&] {
        if (!sequence)
            sequence = std::make_unique<vardex::DateSequenceWindow>(
                window, program.dialogs, program.clipboard, program.popUp, program.saveFileChooser);
        showModeless(*sequence);
    };
    window.openVernalEquinoxes = [&] {
        if (!equinoxes) {
            equinoxes = std::make_unique<vardex::VernalEquinoxWindow>(
                window, program.dialogs, program.clipboard, program.popUp, program.saveFileChooser);
            // Ctrl+G there: the chart at that window's meridian and solar time.
            equinoxes->openEquinoxChart = [&] {
                openChart().TakeMeridian(equinoxes->WestDegrees(), equinoxes->WestMinutes(),
                                         equinoxes->SolarTimeChoice());
            };
        }
        showModeless(*equinoxes);
    };
    window.openDateDifference = [&] {
        if (!difference)
            difference =
                std::make_unique<vardex::DateDifferenceWindow>(window, program.clock, program.clipboard);
        showModeless(*difference);
    };
    window.openWorldCalendars = [&] {
        if (!world)
            world = std::make_unique<vardex::WorldCalendarsWindow>(window, program.clipboard);
        showModeless(*world);
    };
    window.openHistoricalDates = [&] {
        if (!history)
            history = std::make_unique<vardex::HistoricalDatesWindow>(window, program.folder);
        showModeless(*history);
    };
    window.openEquinoxChart = [&] { openChart(); };
    window.resultChanged = [&] {
        if (world)
            world->Refresh();
    };

    QuitAfterFirstPaint quitAfterFirstPaint;
    if (HasOption(argc, argv, "--quit-after-first-paint"))
        window.installEventFilter(&quitAfterFirstPaint);
    if (!window.Start())
        return 1;  // the program text file could not be loaded; the user has been told why
    return QApplication::exec();
}
