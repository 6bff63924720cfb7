// SPDX-License-Identifier: MIT
// The windows of the desktop program beyond the main window, and how they meet it: each is built
// on first use and shown modelessly, hidden (not destroyed) by its Close; the World calendars
// window follows the main window's result; Ctrl+G in the vernal-equinox window hands its meridian
// to the Equinox chart; the Seasons and Moon and Calendar page windows follow the Dee variant; and the
// program's menu shortcuts work from every window (a window's own shortcut for the same keys wins
// there: Ctrl+O in the Check a family tree window chooses its file).
// main() and the tests build the program through this.
#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace vardex {

class CalendarPageWindow;
class Clipboard;
class Clock;
class DateDifferenceWindow;
class DateSequenceWindow;
class Dialogs;
class EquinoxChartWindow;
class FamilyTreeCheckWindow;
class HistoricalDatesWindow;
class MainWindow;
class OpenFileChooser;
class PopUps;
class SaveFileChooser;
class SeasonsMoonWindow;
class VernalEquinoxWindow;
class WorldCalendarsWindow;

// What the windows need of the platform; each must outlive the windows.
struct ToolWindowServices {
    Dialogs &dialogs;
    Clipboard &clipboard;
    PopUps &popUps;
    SaveFileChooser &saveFiles;
    OpenFileChooser &openFiles;
    const Clock &clock;
    QString dataFolder;  // where calendar-history.tsv is
};

class ProgramWindows {
public:
    // Wires main's buttons and menu to the windows; main must outlive this.
    ProgramWindows(MainWindow &main, ToolWindowServices services);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;

    // Each builds its window on first use, then shows, raises and activates it.
    DateSequenceWindow &OpenDateSequence();
    VernalEquinoxWindow &OpenVernalEquinoxes();
    DateDifferenceWindow &OpenDateDifference();
    WorldCalendarsWindow &OpenWorldCalendars();
    HistoricalDatesWindow &OpenHistoricalDates();
    EquinoxChartWindow &OpenEquinoxChart();
    SeasonsMoonWindow &OpenSeasonsAndMoon();
    CalendarPageWindow &OpenCalendarPage();
    FamilyTreeCheckWindow &OpenFamilyTreeCheck();

    // The windows built so far; nullptr before the first use.
    DateSequenceWindow *DateSequence() const { return sequence_.get(); }
    VernalEquinoxWindow *VernalEquinoxes() const { return equinoxes_.get(); }
    DateDifferenceWindow *DateDifference() const { return difference_.get(); }
    WorldCalendarsWindow *WorldCalendars() const { return world_.get(); }
    HistoricalDatesWindow *HistoricalDates() const { return history_.get(); }
    EquinoxChartWindow *EquinoxChart() const { return chart_.get(); }
    SeasonsMoonWindow *SeasonsAndMoon() const { return seasons_.get(); }
    CalendarPageWindow *CalendarPage() const { return pages_.get(); }
    FamilyTreeCheckWindow *FamilyTreeCheck() const { return familyTree_.get(); }

private:
    // Builds window with main_ and args on first use, with the shared shortcuts; then shows it.
    template <typename Window, typename... Args>
    Window &Open(std::unique_ptr<Window> &window, Args &&...args);
    // The main window's menu shortcuts in window, but for keys it has a shortcut of its own for.
    void ShareShortcuts(QWidget &window) const;

    MainWindow &main_;
    ToolWindowServices services_;
    std::unique_ptr<DateSequenceWindow> sequence_;
    std::unique_ptr<VernalEquinoxWindow> equinoxes_;
    std::unique_ptr<DateDifferenceWindow> difference_;
    std::unique_ptr<WorldCalendarsWindow> world_;
    std::unique_ptr<HistoricalDatesWindow> history_;
    std::unique_ptr<EquinoxChartWindow> chart_;
    std::unique_ptr<SeasonsMoonWindow> seasons_;
    std::unique_ptr<CalendarPageWindow> pages_;
    std::unique_ptr<FamilyTreeCheckWindow> familyTree_;
};

}  // namespace vardex
