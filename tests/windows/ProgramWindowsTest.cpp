// SPDX-License-Identifier: MIT
// Every window of the program checked whole (WindowCheck.h) in the states users reach, on the
// screen ctest chose; the program built as main() builds it, its message boxes and pop-up checked
// as they open. Also the wiring of ProgramWindows between the windows.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <gtest/gtest.h>

#include "RecordingSeams.h"
#include "StartedMainWindow.h"
#include "WindowCheck.h"
#include "app/ProgramWindows.h"
#include "astronomy/SeasonsMoonWindow.h"
#include "chart/EquinoxChart.h"
#include "chart/EquinoxChartWindow.h"
#include "difference/DateDifferenceWindow.h"
#include "equinox/VernalEquinoxWindow.h"
#include "history/HistoricalDatesWindow.h"
#include "mainwindow/MainWindow.h"
#include "pages/CalendarPageView.h"
#include "pages/CalendarPageWindow.h"
#include "records/FamilyTreeCheckWindow.h"
#include "sequence/DateSequenceWindow.h"
#include "support/ProgramText.h"
#include "support/widgets/KeptSpinBox.h"
#include "support/widgets/PopUpWindow.h"
#include "support/widgets/QtSeams.h"
#include "support/widgets/TextViewer.h"
#include "world/WorldCalendarsWindow.h"

namespace vardex::test {
namespace {

// Checks each message box and pop-up as it opens, then closes it (a box by Esc).
class ModalWindowChecker : public QObject {
public:
    ModalWindowChecker() { qApp->installEventFilter(this); }
    ~ModalWindowChecker() override { qApp->removeEventFilter(this); }

    std::vector<std::string> found;
    int checked = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && window && window->isWindow() &&
            (qobject_cast<QMessageBox *>(window) || qobject_cast<PopUpWindow *>(window)))
            QTimer::singleShot(0, window, [this, window] { Check(window); });
        return QObject::eventFilter(watched, event);
    }

private:
    void Check(QWidget *window)
    {
        if (!window->isVisible())
            return;
        ++checked;
        const auto *box = qobject_cast<QMessageBox *>(window);
        const std::string what = box ? box->text().left(60).toStdString() : "pop-up";
        const std::string name = Describe(window) + " (\"" + what + "\")";
        for (const std::string &line :
             CheckWindow(window, {.closesOnEscape = box != nullptr, .showAgain = false}))
            found.push_back(name + ": " + line);
        if (window->isVisible())
            window->hide();  // a box Esc failed to close, or the pop-up: the call waiting on it returns
    }
};

class ProgramWindowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        main = std::make_unique<MainWindow>(MainWindow::Services{
            MainSeams{dialogs, clipboard, clock, popUp, screen, GetProgramText}, shell,
            [this](const QString &name) { return LoadProgramText(kDataFolder, name, dialogs); },
            kDataFolder});
        windows = std::make_unique<ProgramWindows>(
            *main, ToolWindowServices{dialogs, clipboard, popUp, saveFiles, openFiles, clock, kDataFolder});
        ASSERT_TRUE(main->Start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }
    void TearDown() override
    {
        EXPECT_TRUE(modals.found.empty()) << "message boxes and pop-ups:" << FindingLines(modals.found);
    }

    // Checks window whole; state says how it got there.
    void Check(QWidget *window, const std::string &state, WindowCheckOptions options = {})
    {
        const std::vector<std::string> found = CheckWindow(window, options);
        EXPECT_TRUE(found.empty()) << Describe(window) << ", " << state << ":" << FindingLines(found);
    }
    // The window at its smallest, as a user may drag it.
    void CheckAtMinimumSize(QWidget *window)
    {
        window->resize(window->minimumSizeHint().expandedTo(window->minimumSize()));
        QApplication::processEvents();
        Check(window, "at its minimum size");
    }

    void Press(const Control &button) { QTest::mouseClick(main->WidgetOf(button), Qt::LeftButton); }
    void ChooseDee()
    {
        QWidget *dee = main->WidgetOf(main->Form().optDee);
        QTest::mouseClick(dee, Qt::LeftButton, {}, QPoint(8, dee->height() / 2));
    }
    void EnterDate(int month, int day, const QString &year, int era, int calendar)
    {
        EnterMonthDayYear(main->Controller(), main->Form(), month, day, year, era, calendar);
        main->WriteBack();
    }
    // Keys pressed in window, active, as a user presses them.
    static void Keys(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        ASSERT_TRUE(Activate(window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key(key),
                        modifiers);
    }

    static inline const QString kDataFolder = QStringLiteral(VARDEX_DATA_FOLDER);
    ModalWindowChecker modals;
    QtDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock{"2024-03-05"};
    PopUpWindow popUp;
    QtScreen screen{QtScreen::Area::Available};
    RecordingShell shell;
    ScriptedSaveFileChooser saveFiles;
    ScriptedOpenFileChooser openFiles;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<ProgramWindows> windows;  // before the main window goes
};

TEST_F(ProgramWindowsTest, MainWindow)
{
    const WindowCheckOptions mainOptions{.closesOnEscape = false};  // Esc in the main window is not Quit
    Check(main.get(), "at start", mainOptions);
    Press(main->Form().cmdCalculate);
    Check(main.get(), "with a result", mainOptions);
    ChooseDee();
    Check(main.get(), "after the Dee variant changed", mainOptions);
    EnterDate(11, 22, QStringLiteral("4999999"), 4, 2);  // November 22, 4,999,999 BCE, Julian
    Press(main->Form().cmdCalculate);
    Check(main.get(), "with the widest result", mainOptions);

    EnterDate(2, 30, QStringLiteral("2024"), 3, 1);
    Press(main->Form().cmdCalculate);   // "Invalid date", in a message box
    Press(main->Form().cmdCopyResult);  // the pop-up
    const QList<QAction *> actions = main->findChildren<QAction *>();
    (*std::ranges::find(actions, QStringLiteral("&About Vardex"), &QAction::text))->trigger();
    EXPECT_GE(modals.checked, 2);

    Press(main->Form().cmdHelp);
    QWidget *help = QApplication::activeWindow();
    ASSERT_TRUE(qobject_cast<TextViewer *>(help));
    // The windows of a fixed design size show smaller than it, scrolling, on a screen too small for
    // it; only the help viewer keeps its minimum width of 8000 twips (533 pixels), wider than the
    // two narrowest screens.
    Check(help, "the help", {.designSize = true});
}

TEST_F(ProgramWindowsTest, DateSequence)
{
    Press(main->Form().cmdDateSequence);
    DateSequenceWindow *window = windows->DateSequence();
    ASSERT_TRUE(window);
    Check(window, "as it opens");
    window->countBox->setText(QStringLiteral("800"));
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    Check(window, "after 800 days");
    ChooseDee();
    window->countBox->setText(QStringLiteral("0"));
    windows->OpenDateSequence();
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);  // a message
    Check(window, "after the Dee variant changed");
}

TEST_F(ProgramWindowsTest, VernalEquinoxes)
{
    Press(main->Form().cmdVernalEquinoxes);
    VernalEquinoxWindow *window = windows->VernalEquinoxes();
    ASSERT_TRUE(window);
    Check(window, "as it opens");
    window->countBox->setText(QStringLiteral("800"));
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    Check(window, "after 800 years");
    ChooseDee();
    windows->OpenVernalEquinoxes();
    window->SaveAsCsv();  // nothing chosen to save to: no message
    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    window->SaveAsCsv();  // no rows: a message
    Check(window, "after the Dee variant changed");
}

TEST_F(ProgramWindowsTest, DateDifference)
{
    DateDifferenceWindow &window = windows->OpenDateDifference();
    Check(&window, "opened before any result");
    window.hide();
    Press(main->Form().cmdCalculate);
    windows->OpenDateDifference();
    Check(&window, "after a result");
    window.From().optYearMonthDay->click();
    window.From().txbYearMonthDay->setText(QStringLiteral("2024-02-30 CE"));
    window.Recalculate();
    Check(&window, "with a date that does not exist");
    ChooseDee();
    windows->OpenDateDifference();
    Check(&window, "after the Dee variant changed");
    CheckAtMinimumSize(&window);
}

TEST_F(ProgramWindowsTest, WorldCalendars)
{
    WorldCalendarsWindow &window = windows->OpenWorldCalendars();
    Check(&window, "opened before any result");
    main->activateWindow();
    Press(main->Form().cmdCalculate);
    Check(&window, "after a result");
    ChooseDee();
    Check(&window, "after the Dee variant changed");
    CheckAtMinimumSize(&window);
}

TEST_F(ProgramWindowsTest, HistoricalDates)
{
    HistoricalDatesWindow &window = windows->OpenHistoricalDates();
    Check(&window, "as it opens");
    // Sweden's 30 February 1712 and its timeline of seven lines, then a day that did not exist.
    window.cboPlace->setCurrentIndex(window.cboPlace->findData(QStringLiteral("sweden")));
    window.cboDay->setCurrentIndex(31 - 1);
    window.cboMonth->setCurrentIndex(1);
    window.txbYear->setText(QStringLiteral("1712"));
    Check(&window, "Sweden, 31 February 1712");
    window.cboDay->setCurrentIndex(3 - 1);
    window.cboStyle->setCurrentIndex(2);  // the Annunciation style's long name
    Check(&window, "Sweden, 3 February 1712, in a style of a long name");
    EnterDate(3, 15, QStringLiteral("44"), 2, 2);  // the Ides of March, 44 BC
    Press(main->Form().cmdCalculate);
    windows->OpenHistoricalDates();
    QTest::mouseClick(window.cmdMainResult, Qt::LeftButton);
    Check(&window, "with a result BC");
    CheckAtMinimumSize(&window);
}

TEST_F(ProgramWindowsTest, EquinoxChart)
{
    EquinoxChartWindow &window = windows->OpenEquinoxChart();
    Check(&window, "as it opens");
    ChooseDee();
    windows->OpenEquinoxChart();
    Check(&window, "after the Dee variant changed");
    QTest::mouseClick(window.chkDeltaT, Qt::LeftButton);
    Check(&window, "with the \u0394T band shown");
    window.spnFromYear->setValue(2000);
    window.spnToYear->setValue(1000);
    QTest::mouseClick(window.cmdDraw, Qt::LeftButton);  // a message
    CheckAtMinimumSize(&window);
}

TEST_F(ProgramWindowsTest, SeasonsAndMoon)
{
    SeasonsMoonWindow &window = windows->OpenSeasonsAndMoon();
    Check(&window, "opened before any result");
    window.hide();
    EnterDate(3, 15, QStringLiteral("44"), 2, 2);  // 44 BC, Julian
    Press(main->Form().cmdCalculate);
    windows->OpenSeasonsAndMoon();
    QTest::mouseClick(window.cmdMainResult, Qt::LeftButton);
    Check(&window, "after a result");
    window.txbYear->setText(QStringLiteral("-4000"));  // the widest Delta-T
    window.spnDegrees->setValue(179);
    window.spnMinutes->setValue(59);
    window.optWest->click();
    window.cboModel->setCurrentIndex(2);
    Check(&window, "the earliest year, far west");
    window.spnDegrees->setValue(180);
    window.txbYear->setText(QStringLiteral("12x5"));
    Check(&window, "with a year that is no number");
    ChooseDee();
    windows->OpenSeasonsAndMoon();
    Check(&window, "after the Dee variant changed");
    CheckAtMinimumSize(&window);
}

TEST_F(ProgramWindowsTest, CalendarPage)
{
    QStandardPaths::setTestModeEnabled(true);  // the first weekday and paper kept are a test's
    Press(main->Form().cmdCalculate);
    CalendarPageWindow &window = windows->OpenCalendarPage();
    Check(&window, "a month, as it opens");
    window.optYear->click();
    Check(&window, "a year");
    window.optMonth->click();
    window.cboCalendar->setCurrentIndex(window.cboCalendar->findData(QStringLiteral("england")));
    window.txbYear->setText(QStringLiteral("1752"));
    window.cboMonth->setCurrentIndex(8);
    QTest::mouseClick(window.page, Qt::LeftButton, {}, window.page->DayRect(2361222).center());
    Check(&window, "England, September 1752, a day opened");
    for (QCheckBox *box : {window.chkJewish, window.chkIslamic})
        box->setChecked(true);
    window.cboIslamic->setCurrentIndex(1);
    window.cboSecond->setCurrentIndex(window.cboSecond->count() - 1);  // Hebrew, the longest dates
    Check(&window, "every mark, Hebrew dates");
    window.txbYear->setText(QStringLiteral("12x5"));
    ChooseDee();
    windows->OpenCalendarPage();
    Check(&window, "a year that is no number, after the Dee variant changed");
    CheckAtMinimumSize(&window);
}

// A tree of invented people with long names and places, a day England skipped, a day no month has
// and a line that is no GEDCOM line; and one of many people, for a check that runs a while.
TEST_F(ProgramWindowsTest, FamilyTreeCheck)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto write = [&](const QString &name, const QByteArray &text) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        return file.fileName();
    };
    QByteArray tree = "0 HEAD\n1 CHAR UTF-8\nno level here\n";
    for (int i = 0; i < 40; ++i)
        tree +=
            "0 @I" + QByteArray::number(i) +
            "@ INDI\n1 NAME Maximiliane Wilhelmine Friederike /von Hohenzollern-Sigmaringen/\n1 BIRT\n"
            "2 DATE 10 SEP 1752\n2 PLAC Saint Martin in the Fields, Westminster, Middlesex, England\n1 DEAT\n"
            "2 DATE 31 APR 1800\n2 PLAC Somewhere Nobody Has Heard Of, Far Away\n";
    tree += "0 TRLR\n";
    const QString small = write(QStringLiteral("tree.ged"), tree);
    QByteArray large = "0 HEAD\n1 CHAR UTF-8\n";
    // 45 MB: long enough a check that the window is checked while it runs.
    for (int i = 0; i < 400000; ++i)
        large += "0 @I" + QByteArray::number(i) +
                 "@ INDI\n1 NAME Many /Person/\n1 BIRT\n2 DATE 5 SEP 1752\n"
                 "2 PLAC London, England\n";
    const QString many = write(QStringLiteral("large.ged"), large + "0 TRLR\n");

    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_O));
    FamilyTreeCheckWindow *window = windows->FamilyTreeCheck();
    ASSERT_TRUE(window && window->isVisible()) << "File > Check a family tree (Ctrl+O)";
    Check(window, "as it opens");
    window->txbTreeFile->setText(folder.filePath(QStringLiteral("missing.ged")));
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    Check(window, "with a file that does not exist");
    window->txbTreeFile->setText(small);
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->IsChecking(); }, 60000));
    Check(window, "with the findings of a small tree");
    window->cboFinding->setCurrentIndex(window->cboFinding->count() - 1);
    window->tblFindings->sortByColumn(2, Qt::DescendingOrder);
    Check(window, "one finding, sorted by name");
    window->txbTreeFile->setText(many);
    QTest::mouseClick(window->cmdCheck, Qt::LeftButton);
    Check(window, "while a check runs");
    EXPECT_TRUE(window->IsChecking()) << "the check ended before the window was checked";
    QTest::mouseClick(window->cmdCancel, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->IsChecking(); }, 60000));
    Check(window, "cancelled");
    window->SaveAsCsv();  // nothing chosen to save to: no message
    CheckAtMinimumSize(window);
}

TEST_F(ProgramWindowsTest, TheMenusKeysWorkFromEveryWindow)
{
    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_L));
    WorldCalendarsWindow *world = windows->WorldCalendars();
    ASSERT_NO_FATAL_FAILURE(Keys(world, Qt::Key_D));
    ASSERT_NO_FATAL_FAILURE(Keys(windows->DateDifference(), Qt::Key_H));
    ASSERT_NO_FATAL_FAILURE(Keys(windows->HistoricalDates(), Qt::Key_G));
    ASSERT_NO_FATAL_FAILURE(Keys(windows->EquinoxChart(), Qt::Key_M));
    ASSERT_NO_FATAL_FAILURE(Keys(windows->SeasonsAndMoon(), Qt::Key_K));
    ASSERT_NO_FATAL_FAILURE(Keys(windows->CalendarPage(), Qt::Key_O));
    ASSERT_NO_FATAL_FAILURE(Keys(windows->FamilyTreeCheck(), Qt::Key_F1, Qt::NoModifier));
    auto *help = qobject_cast<TextViewer *>(QApplication::activeWindow());
    ASSERT_TRUE(help) << "Help from Check a family tree";
    // The caption and the file named in data/vardex.dat.
    EXPECT_EQ(help->windowTitle(), "Vardex Help");
    EXPECT_TRUE(help->txbText1->toPlainText().contains("Ctrl+G")) << "the help file, not another";
    world->hide();
    ASSERT_NO_FATAL_FAILURE(Keys(help, Qt::Key_L));
    EXPECT_TRUE(world->isVisible()) << "a window from the help";
    EXPECT_EQ(windows->WorldCalendars(), world) << "hidden by Close, shown again, never rebuilt";
}

TEST_F(ProgramWindowsTest, CtrlGInTheVernalEquinoxWindowDrawsTheChartAtItsMeridian)
{
    VernalEquinoxWindow &equinoxes = windows->OpenVernalEquinoxes();
    equinoxes.cboDegrees->setCurrentIndex(equinoxes.cboDegrees->findText("79"));
    equinoxes.cboMinutes->setCurrentIndex(equinoxes.cboMinutes->findText("30"));
    equinoxes.optMeanST->click();
    ASSERT_NO_FATAL_FAILURE(Keys(&equinoxes, Qt::Key_G));
    const EquinoxChartInputs &drawn = windows->EquinoxChart()->Data().inputs;
    EXPECT_EQ(std::tuple(drawn.degrees, drawn.minutes, drawn.solarTime), std::tuple(79, 30, SolarTime::Mean));
    ASSERT_NO_FATAL_FAILURE(Keys(main.get(), Qt::Key_G));
    EXPECT_EQ(windows->EquinoxChart()->Data().inputs.degrees, 79) << "from the menu, the chart as it was";
}

TEST_F(ProgramWindowsTest, OpenWindowsFollowTheResultAndTheDeeVariant)
{
    WorldCalendarsWindow &world = windows->OpenWorldCalendars();
    DateDifferenceWindow &difference = windows->OpenDateDifference();
    EquinoxChartWindow &chart = windows->OpenEquinoxChart();
    SeasonsMoonWindow &seasons = windows->OpenSeasonsAndMoon();
    CalendarPageWindow &pages = windows->OpenCalendarPage();
    EXPECT_EQ(world.tblCalendars->rowCount(), 0);
    Press(main->Form().cmdCalculate);
    EXPECT_GT(world.tblCalendars->rowCount(), 0) << "a new result";
    ChooseDee();  // none of the five windows is active
    EXPECT_EQ(world.tblCalendars->item(2, 0)->text(), "Dee");
    EXPECT_EQ(seasons.tblEvents->horizontalHeaderItem(6)->text(), "Dee");
    EXPECT_EQ(pages.cboCalendar->itemText(2), "Dee");
    EXPECT_EQ(pages.Sheet().request.calendar.variant, DeeVariant::Dee);
    EXPECT_EQ(difference.From().cboCalendar->itemText(2), "Dee");
    EXPECT_EQ(chart.chart->Line(2)->name(), "Dee");
    const auto *band = qobject_cast<QAreaSeries *>(chart.chart->series().constFirst());
    ASSERT_TRUE(band);
    EXPECT_EQ(band->lowerSeries()->at(0).y(), 21) << "the band on the Dee day at once, not at the next zoom";
    EXPECT_EQ(band->name(), "Dee target day (21 March)");
}

// The help tells of every menu command with a key, by the name and the key the menu shows.
TEST_F(ProgramWindowsTest, TheHelpNamesEveryCommandAndItsKey)
{
    QFile file(kDataFolder + QStringLiteral("/vardex-help.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    ASSERT_GE(main->ProgramActions().size(), 6);
    for (const QAction *action : main->ProgramActions()) {
        EXPECT_TRUE(help.contains(QString(action->text()).remove(u'&').remove(QChar(0x2026))));
        EXPECT_TRUE(help.contains(action->shortcut().toString(QKeySequence::PortableText)));
    }
    for (const char *more : {"Save as CSV", "Esc", "Ctrl+S", "Copy"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(more))) << more;
}

}  // namespace
}  // namespace vardex::test
