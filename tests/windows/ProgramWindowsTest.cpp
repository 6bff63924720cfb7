// SPDX-License-Identifier: MIT
// Every window of the desktop program checked whole (WindowCheck.h) in the states users reach,
// on the screen the test runs on: ctest runs this program on screens of 800 x 600, 1024 x 768
// and 1280 x 1024 at scale factors 1 and 2. The program is built as main() builds it, with the
// real message boxes and pop-up, which are checked as they open.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "RecordingSeams.h"
#include "StartedMainWindow.h"
#include "WindowCheck.h"
#include "app/ProgramWindows.h"
#include "chart/EquinoxChartWindow.h"
#include "difference/DateDifferenceWindow.h"
#include "equinox/VernalEquinoxWindow.h"
#include "history/HistoricalDatesWindow.h"
#include "mainwindow/MainWindow.h"
#include "sequence/DateSequenceWindow.h"
#include "support/ProgramText.h"
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
        const bool box = qobject_cast<QMessageBox *>(window) != nullptr;
        const std::string name = Describe(window) + " (\"" +
                                 (box ? static_cast<QMessageBox *>(window)->text().left(60).toStdString()
                                      : std::string("pop-up")) +
                                 "\")";
        WindowCheckOptions options;
        options.closesOnEscape = box;
        options.showAgain = false;
        for (const std::string &line : CheckWindow(window, options))
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
            *main, ToolWindowServices{dialogs, clipboard, popUp, saveFiles, clock, kDataFolder});
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
    static void ToMinimumSize(QWidget *window)
    {
        window->resize(window->minimumSizeHint().expandedTo(window->minimumSize()));
        QApplication::processEvents();
    }

    template <typename W = QWidget> W *Widget(const Control &control)
    {
        return qobject_cast<W *>(main->WidgetOf(control));
    }
    void Press(const Control &button) { QTest::mouseClick(Widget<QPushButton>(button), Qt::LeftButton); }
    void ChooseDee()
    {
        QRadioButton *dee = Widget<QRadioButton>(main->Form().optDee);
        QTest::mouseClick(dee, Qt::LeftButton, {}, QPoint(8, dee->height() / 2));
    }
    // The month,day,year input as a user chooses it; era and calendar are list entries.
    void EnterDate(int month, int day, const QString &year, int era, int calendar)
    {
        EnterMonthDayYear(main->Controller(), main->Form(), month, day, year, era, calendar);
        main->WriteBack();
    }
    QAction *MenuCommand(const QString &text)
    {
        for (QAction *menu : main->MenuBar()->actions()) {
            for (QAction *action : menu->menu()->actions()) {
                if (action->text() == text)
                    return action;
            }
        }
        return nullptr;
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
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<ProgramWindows> windows;  // before the main window goes
};

WindowCheckOptions MainWindowOptions()
{
    WindowCheckOptions options;
    options.closesOnEscape = false;  // Esc in the main window is not Quit
    return options;
}

// The windows of a fixed design size show smaller than it, scrolling, on a screen too small for
// it; only the help viewer keeps its minimum width of 8000 twips (533 pixels), wider than the
// two narrowest screens.
WindowCheckOptions HelpViewer()
{
    WindowCheckOptions options;
    options.designSize = true;
    return options;
}

TEST_F(ProgramWindowsTest, MainWindow)
{
    Check(main.get(), "at start", MainWindowOptions());
    Press(main->Form().cmdCalculate);
    Check(main.get(), "with a result", MainWindowOptions());
    ChooseDee();
    Check(main.get(), "after the Dee variant changed", MainWindowOptions());
    EnterDate(11, 22, QStringLiteral("4999999"), 4, 2);  // November 22, 4,999,999 BCE, Julian
    Press(main->Form().cmdCalculate);
    Check(main.get(), "with the widest result", MainWindowOptions());

    EnterDate(2, 30, QStringLiteral("2024"), 3, 1);
    Press(main->Form().cmdCalculate);   // "Invalid date", in a message box
    Press(main->Form().cmdCopyResult);  // the pop-up
    MenuCommand(QStringLiteral("&About Vardex"))->trigger();
    EXPECT_GE(modals.checked, 2);

    Press(main->Form().cmdHelp);
    QWidget *help = QApplication::activeWindow();
    ASSERT_TRUE(qobject_cast<TextViewer *>(help));
    Check(help, "the help", HelpViewer());
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
    ToMinimumSize(&window);
    Check(&window, "at its minimum size");
}

TEST_F(ProgramWindowsTest, WorldCalendars)
{
    WorldCalendarsWindow &window = windows->OpenWorldCalendars();
    Check(&window, "opened before any result");
    main->activateWindow();
    Press(main->Form().cmdCalculate);
    Check(&window, "opened before a result, after it");
    window.hide();
    windows->OpenWorldCalendars();
    Check(&window, "opened after a result");
    ChooseDee();
    Check(&window, "after the Dee variant changed");
    ToMinimumSize(&window);
    Check(&window, "at its minimum size");
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
    window.hide();
    windows->OpenHistoricalDates();
    window.cboDay->setCurrentIndex(3 - 1);
    Check(&window, "Sweden, 3 February 1712, reopened");
    // The place's suggestions open as the window hides: they go with it.
    QLineEdit *placeBox = window.cboPlace->lineEdit();
    placeBox->setFocus();
    placeBox->selectAll();
    QTest::keyClicks(placeBox, QStringLiteral("s"));
    EXPECT_TRUE(window.cboPlace->completer()->popup()->isVisible());
    window.hide();
    EXPECT_FALSE(window.cboPlace->completer()->popup()->isVisible());
    windows->OpenHistoricalDates();
    Check(&window, "reopened after its place's suggestions were open");
    window.cboStyle->setCurrentIndex(
        window.cboStyle->findText(QStringLiteral("Easter Sunday (Easter style)")));
    window.cboStyle->setCurrentIndex(2);  // the Annunciation style's long name
    Check(&window, "with a style of a long name chosen");
    QTest::mouseClick(window.cmdCopy, Qt::LeftButton);
    EXPECT_FALSE(clipboard.text.isEmpty());
    Check(&window, "after Copy");
    EnterDate(3, 15, QStringLiteral("44"), 2, 2);  // the Ides of March, 44 BC
    Press(main->Form().cmdCalculate);
    windows->OpenHistoricalDates();
    QTest::mouseClick(window.cmdMainResult, Qt::LeftButton);
    EXPECT_EQ(window.cboEra->currentText(), QStringLiteral("BC"));
    Check(&window, "with a result BC");
    ToMinimumSize(&window);
    Check(&window, "at its minimum size");
}

TEST_F(ProgramWindowsTest, EquinoxChart)
{
    EquinoxChartWindow &window = windows->OpenEquinoxChart();
    Check(&window, "as it opens");
    ChooseDee();
    windows->OpenEquinoxChart();
    Check(&window, "after the Dee variant changed");
    window.spnFromYear->setValue(2000);
    window.spnToYear->setValue(1000);
    QTest::mouseClick(window.cmdDraw, Qt::LeftButton);  // a message
    ToMinimumSize(&window);
    Check(&window, "at its minimum size");
}

}  // namespace
}  // namespace vardex::test
