// SPDX-License-Identifier: MIT
#include "ProgramWindows.h"

#include <QAction>

#include "chart/EquinoxChartWindow.h"
#include "difference/DateDifferenceWindow.h"
#include "equinox/VernalEquinoxWindow.h"
#include "history/HistoricalDatesWindow.h"
#include "mainwindow/MainWindow.h"
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
    // A new result, none, or another Dee variant: the open windows follow at once.
    main_.resultChanged = [this] {
        if (world_)
            world_->Refresh();
        if (difference_)
            difference_->Recalculate();
        if (chart_)
            chart_->FollowVariant();
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

DateSequenceWindow &ProgramWindows::OpenDateSequence()
{
    if (!sequence_) {
        sequence_ = std::make_unique<DateSequenceWindow>(main_, services_.dialogs, services_.clipboard,
                                                         services_.popUps, services_.saveFiles);
        ShareShortcuts(*sequence_);
    }
    return Shown(*sequence_);
}

VernalEquinoxWindow &ProgramWindows::OpenVernalEquinoxes()
{
    if (!equinoxes_) {
        equinoxes_ = std::make_unique<VernalEquinoxWindow>(main_, services_.dialogs, services_.clipboard,
                                                           services_.popUps, services_.saveFiles);
        // Ctrl+G there: the chart at that window's meridian and solar time.
        equinoxes_->openEquinoxChart = [this] {
            OpenEquinoxChart().TakeMeridian(equinoxes_->WestDegrees(), equinoxes_->WestMinutes(),
                                            equinoxes_->SolarTimeChoice());
        };
        ShareShortcuts(*equinoxes_);
    }
    return Shown(*equinoxes_);
}

DateDifferenceWindow &ProgramWindows::OpenDateDifference()
{
    if (!difference_) {
        difference_ = std::make_unique<DateDifferenceWindow>(main_, services_.clock, services_.clipboard);
        ShareShortcuts(*difference_);
    }
    return Shown(*difference_);
}

WorldCalendarsWindow &ProgramWindows::OpenWorldCalendars()
{
    if (!world_) {
        world_ = std::make_unique<WorldCalendarsWindow>(main_, services_.clipboard);
        ShareShortcuts(*world_);
    }
    return Shown(*world_);
}

HistoricalDatesWindow &ProgramWindows::OpenHistoricalDates()
{
    if (!history_) {
        history_ = std::make_unique<HistoricalDatesWindow>(main_, services_.clipboard, services_.dataFolder);
        ShareShortcuts(*history_);
    }
    return Shown(*history_);
}

EquinoxChartWindow &ProgramWindows::OpenEquinoxChart()
{
    if (!chart_) {
        chart_ = std::make_unique<EquinoxChartWindow>(main_, services_.dialogs, services_.saveFiles);
        ShareShortcuts(*chart_);
    }
    return Shown(*chart_);
}

}  // namespace vardex
