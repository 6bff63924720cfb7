// SPDX-License-Identifier: MIT
#include "ProgramWindows.h"

#include <QAction>

#include "astronomy/SeasonsMoonWindow.h"
#include "chart/EquinoxChartWindow.h"
#include "difference/DateDifferenceWindow.h"
#include "equinox/VernalEquinoxWindow.h"
#include "history/HistoricalDatesWindow.h"
#include "mainwindow/MainWindow.h"
#include "pages/CalendarPageWindow.h"
#include "records/FamilyTreeCheckWindow.h"
#include "sequence/DateSequenceWindow.h"
#include "world/WorldCalendarsWindow.h"

namespace vardex {

namespace {

template <typename Window> Window &Shown(Window &window)
{
    window.show();
    window.raise();
    window.activateWindow();
    return window;
}

}  // namespace

ProgramWindows::ProgramWindows(MainWindow &main, ToolWindowServices services)
    : main_(main),
      services_(std::move(services))
{
    main_.openDateSequence = [this] { OpenDateSequence(); };
    main_.openVernalEquinoxes = [this] { OpenVernalEquinoxes(); };
    main_.openDateDifference = [this] { OpenDateDifference(); };
    main_.openWorldCalendars = [this] { OpenWorldCalendars(); };
    main_.openHistoricalDates = [this] { OpenHistoricalDates(); };
    main_.openEquinoxChart = [this] { OpenEquinoxChart(); };
    main_.openSeasonsAndMoon = [this] { OpenSeasonsAndMoon(); };
    main_.openCalendarPage = [this] { OpenCalendarPage(); };
    main_.openFamilyTreeCheck = [this] { OpenFamilyTreeCheck(); };
    // A new result, none, or another Dee variant: the open windows follow at once.
    main_.resultChanged = [this] {
        if (world_)
            world_->Refresh();
        if (difference_)
            difference_->Recalculate();
        if (chart_)
            chart_->FollowVariant();
        if (seasons_)
            seasons_->FollowVariant();
        if (pages_)
            pages_->FollowVariant();
    };
}

ProgramWindows::~ProgramWindows()
{
    // The main window outlives this; its handlers must not reach windows that are gone.
    main_.openDateSequence = nullptr;
    main_.openVernalEquinoxes = nullptr;
    main_.openDateDifference = nullptr;
    main_.openWorldCalendars = nullptr;
    main_.openHistoricalDates = nullptr;
    main_.openEquinoxChart = nullptr;
    main_.openSeasonsAndMoon = nullptr;
    main_.openCalendarPage = nullptr;
    main_.openFamilyTreeCheck = nullptr;
    main_.resultChanged = nullptr;
}

void ProgramWindows::ShareShortcuts(QWidget &window) const
{
    QList<QKeySequence> own;
    for (const QAction *action : window.actions())
        own << action->shortcut();
    for (QAction *action : main_.ProgramActions()) {
        if (!own.contains(action->shortcut()))
            window.addAction(action);
    }
}

template <typename Window, typename... Args>
Window &ProgramWindows::Open(std::unique_ptr<Window> &window, Args &&...args)
{
    if (!window) {
        window = std::make_unique<Window>(main_, std::forward<Args>(args)...);
        ShareShortcuts(*window);
    }
    return Shown(*window);
}

DateSequenceWindow &ProgramWindows::OpenDateSequence()
{
    return Open(sequence_, services_.dialogs, services_.clipboard, services_.popUps, services_.saveFiles);
}

VernalEquinoxWindow &ProgramWindows::OpenVernalEquinoxes()
{
    VernalEquinoxWindow &window =
        Open(equinoxes_, services_.dialogs, services_.clipboard, services_.popUps, services_.saveFiles);
    // Ctrl+G there: the chart at that window's meridian and solar time.
    window.openEquinoxChart = [this, &window] {
        OpenEquinoxChart().TakeMeridian(window.WestDegrees(), window.WestMinutes(), window.SolarTimeChoice());
    };
    return window;
}

DateDifferenceWindow &ProgramWindows::OpenDateDifference()
{
    return Open(difference_, services_.clock, services_.clipboard);
}

WorldCalendarsWindow &ProgramWindows::OpenWorldCalendars() { return Open(world_, services_.clipboard); }

HistoricalDatesWindow &ProgramWindows::OpenHistoricalDates()
{
    return Open(history_, services_.clipboard, services_.dataFolder);
}

EquinoxChartWindow &ProgramWindows::OpenEquinoxChart()
{
    return Open(chart_, services_.dialogs, services_.saveFiles);
}

SeasonsMoonWindow &ProgramWindows::OpenSeasonsAndMoon()
{
    return Open(seasons_, services_.dialogs, services_.clipboard, services_.saveFiles);
}

CalendarPageWindow &ProgramWindows::OpenCalendarPage()
{
    return Open(pages_, services_.dialogs, services_.saveFiles, services_.dataFolder);
}

FamilyTreeCheckWindow &ProgramWindows::OpenFamilyTreeCheck()
{
    return Open(familyTree_, services_.dialogs, services_.openFiles, services_.saveFiles,
                services_.dataFolder);
}

}  // namespace vardex
