// SPDX-License-Identifier: MIT
// The desktop program's windows as main() wires them: each built once and shown from its button
// or menu entry, the menu's keys from every window, the windows that follow the main window's
// result and Dee variant while open, and the vernal-equinox window's meridian handed to the chart.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <gtest/gtest.h>

#include "RecordingSeams.h"
#include "app/ProgramWindows.h"
#include "chart/EquinoxChart.h"
#include "chart/EquinoxChartWindow.h"
#include "difference/DateDifferenceWindow.h"
#include "equinox/VernalEquinoxWindow.h"
#include "history/HistoricalDatesWindow.h"
#include "mainwindow/MainWindow.h"
#include "sequence/DateSequenceWindow.h"
#include "support/widgets/TextViewer.h"
#include "world/WorldCalendarsWindow.h"

namespace vardex::test {
namespace {

class ProgramWindowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        main = std::make_unique<MainWindow>(MainWindow::Services{
            MainSeams{
                dialogs, clipboard, clock, popUps, screen,
                [](int16_t n) { return n == kHelpFileText ? QStringLiteral("vardex-help.txt") : QString(); }},
            shell, [](const QString &) { return true; }, QStringLiteral(VARDEX_DATA_FOLDER)});
        windows = std::make_unique<ProgramWindows>(
            *main, ToolWindowServices{dialogs, clipboard, popUps, saveFiles, clock, VARDEX_DATA_FOLDER});
        ASSERT_TRUE(main->Start());
    }
    // Presses keys in window, active, as a user does.
    static void Keys(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key(key),
                        modifiers);
    }
    void Press(const Control &button)
    {
        QTest::mouseClick(qobject_cast<QPushButton *>(main->WidgetOf(button)), Qt::LeftButton);
    }
    void ChooseDee()
    {
        auto *dee = qobject_cast<QRadioButton *>(main->WidgetOf(main->Form().optDee));
        QTest::mouseClick(dee, Qt::LeftButton, {}, QPoint(8, dee->height() / 2));
    }

    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock{"2024-03-05"};
    RecordingPopUps popUps;
    FixedScreen screen;
    RecordingShell shell;
    ScriptedSaveFileChooser saveFiles;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<ProgramWindows> windows;
};

TEST_F(ProgramWindowsTest, EachWindowIsBuiltOnceAndShownFromItsCommand)
{
    Press(main->Form().cmdDateSequence);
    Press(main->Form().cmdVernalEquinoxes);
    for (const int key : {Qt::Key_D, Qt::Key_L, Qt::Key_H, Qt::Key_G})
        ASSERT_NO_FATAL_FAILURE(Keys(main.get(), key));
    const std::vector<QWidget *> opened{windows->DateSequence(),    windows->VernalEquinoxes(),
                                        windows->DateDifference(),  windows->WorldCalendars(),
                                        windows->HistoricalDates(), windows->EquinoxChart()};
    for (QWidget *window : opened) {
        ASSERT_TRUE(window);
        EXPECT_TRUE(window->isVisible()) << window->windowTitle().toStdString();
        window->hide();
    }
    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_L));
    EXPECT_EQ(windows->WorldCalendars(), opened[3]) << "hidden by Close, shown again, never rebuilt";
    EXPECT_TRUE(opened[3]->isVisible());
}

TEST_F(ProgramWindowsTest, TheMenusKeysWorkFromEveryWindow)
{
    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_L));
    ASSERT_NO_FATAL_FAILURE(Keys(windows->WorldCalendars(), Qt::Key_D));
    ASSERT_TRUE(windows->DateDifference());
    ASSERT_NO_FATAL_FAILURE(Keys(windows->DateDifference(), Qt::Key_H));
    ASSERT_TRUE(windows->HistoricalDates());
    ASSERT_NO_FATAL_FAILURE(Keys(windows->HistoricalDates(), Qt::Key_G));
    ASSERT_TRUE(windows->EquinoxChart());
    ASSERT_NO_FATAL_FAILURE(Keys(windows->EquinoxChart(), Qt::Key_F1, Qt::NoModifier));
    TextViewer *help = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *viewer = qobject_cast<TextViewer *>(window); viewer && viewer->isVisible())
            help = viewer;
    }
    ASSERT_TRUE(help) << "Help from the chart";
    windows->WorldCalendars()->hide();
    ASSERT_NO_FATAL_FAILURE(Keys(help, Qt::Key_L));
    EXPECT_TRUE(windows->WorldCalendars()->isVisible()) << "and a window from the help";
}

TEST_F(ProgramWindowsTest, CtrlGInTheVernalEquinoxWindowDrawsTheChartAtItsMeridian)
{
    Press(main->Form().cmdVernalEquinoxes);
    VernalEquinoxWindow *equinoxes = windows->VernalEquinoxes();
    ASSERT_TRUE(equinoxes);
    equinoxes->cboDegrees->setCurrentIndex(equinoxes->cboDegrees->findText("79"));
    equinoxes->cboMinutes->setCurrentIndex(equinoxes->cboMinutes->findText("30"));
    QTest::mouseClick(equinoxes->optMeanST, Qt::LeftButton, {},
                      QPoint(8, equinoxes->optMeanST->height() / 2));
    ASSERT_NO_FATAL_FAILURE(Keys(equinoxes, Qt::Key_G));
    EquinoxChartWindow *chart = windows->EquinoxChart();
    ASSERT_TRUE(chart);
    EXPECT_EQ(std::tuple(chart->Data().inputs.degrees, chart->Data().inputs.minutes,
                         chart->Data().inputs.solarTime),
              std::tuple(79, 30, SolarTime::Mean));

    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_G));
    EXPECT_EQ(chart->Data().inputs.degrees, 79) << "from the menu, the chart as it was";
}

TEST_F(ProgramWindowsTest, OpenWindowsFollowTheResultAndTheDeeVariant)
{
    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_L));
    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_D));
    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_G));
    WorldCalendarsWindow *world = windows->WorldCalendars();
    DateDifferenceWindow *difference = windows->DateDifference();
    EquinoxChartWindow *chart = windows->EquinoxChart();
    ASSERT_TRUE(world && difference && chart);
    EXPECT_EQ(world->tblCalendars->rowCount(), 0);
    Press(main->Form().cmdCalculate);
    EXPECT_GT(world->tblCalendars->rowCount(), 0) << "a new result";

    ChooseDee();  // none of the three windows is active
    EXPECT_EQ(world->tblCalendars->item(2, 0)->text(), "Dee");
    EXPECT_EQ(difference->From().cboCalendar->itemText(2), "Dee");
    EXPECT_EQ(chart->chart->Line(2)->name(), "Dee");
    EXPECT_EQ(chart->Data().targetDay, 21);
    const auto *band = qobject_cast<QAreaSeries *>(chart->chart->series().constFirst());
    ASSERT_TRUE(band);
    EXPECT_EQ(band->lowerSeries()->at(0).y(), 21) << "the band on the Dee day at once, not at the next zoom";
    EXPECT_EQ(band->name(), "Dee target day (21 March)");
}

// The help tells of every menu command with a key, by the name and the key the menu shows.
TEST_F(ProgramWindowsTest, TheHelpNamesEveryCommandAndItsKey)
{
    QFile file(QStringLiteral(VARDEX_DATA_FOLDER "/vardex-help.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    ASSERT_GE(main->ProgramActions().size(), 6);
    for (const QAction *action : main->ProgramActions()) {
        const QString name = QString(action->text()).remove(u'&').remove(QChar(0x2026));
        const QString key = action->shortcut().toString(QKeySequence::PortableText);
        EXPECT_TRUE(help.contains(name)) << name.toStdString();
        EXPECT_TRUE(help.contains(key)) << key.toStdString();
    }
    for (const char *more : {"Save as CSV", "Esc", "Ctrl+S", "Copy"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(more))) << more;
}

}  // namespace
}  // namespace vardex::test
