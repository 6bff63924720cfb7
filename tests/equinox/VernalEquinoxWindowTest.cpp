// The vernal-equinox window on an offscreen display, opened from a real main window as the
// program opens it. The rows themselves are pinned by the table tests; here a run through the
// window must give exactly the text RunVernalEquinoxes gives for the same inputs.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "QtPrinters.h"
#include "RecordingSeams.h"
#include "equinox/EquinoxTable.h"
#include "equinox/VernalEquinoxWindow.h"
#include "mainwindow/MainWindow.h"
#include "support/widgets/Geometry.h"
#include "support/widgets/PopUpWindow.h"

namespace vardex::test {
namespace {

class EquinoxWindow : public testing::Test {
protected:
    void SetUp() override
    {
        main = std::make_unique<MainWindow>(MainWindow::Services{
            MainSeams{dialogs, clipboard, clock, popUps, screen, [](int16_t) { return QString(); }}, shell,
            [](const QString &) { return true; }, QStringLiteral("/nowhere")});
        // As the program does: created on first use, shown modelessly.
        main->openVernalEquinoxes = [this] {
            if (!window)
                window = std::make_unique<VernalEquinoxWindow>(*main, dialogs, clipboard, *windowPopUps);
            window->show();
            window->raise();
            window->activateWindow();
        };
        ASSERT_TRUE(main->Start());
    }

    // A click on the main window's Vernal equinoxes button; true when the window came up active.
    bool Open()
    {
        QTest::mouseClick(static_cast<QPushButton *>(main->WidgetOf(main->Form().cmdVernalEquinoxes)),
                          Qt::LeftButton);
        return window && QTest::qWaitForWindowActive(window.get());
    }

    void SetInputYear(int year)
    {
        main->Form().txbYearADBCetc.text = QString::number(year);
        main->WriteBack();
    }

    void SelectDee()
    {
        auto *dee = static_cast<QRadioButton *>(main->WidgetOf(main->Form().optDee));
        QTest::mouseClick(dee, Qt::LeftButton, {}, QPoint(8, dee->height() / 2));
    }

    void DoIt(const QString &years)
    {
        window->txbNumYears->setText(years);
        QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    }

    // The text a run with these inputs appends to output, by the table's own function.
    static QString Expected(const EquinoxRunInputs &inputs, QString output = {})
    {
        RecordingDialogs quiet;
        RunVernalEquinoxes(inputs, output, quiet);
        return output;
    }

    static EquinoxRunInputs Inputs(int32_t firstYear, int years)
    {
        EquinoxRunInputs inputs;
        inputs.firstYear = firstYear;
        inputs.numberOfYears = years;
        return inputs;  // 77d0m W, apparent time, Dee-Cecil: the window's and main window's defaults
    }

    // The box shows the output text, with the document's line ends.
    void ExpectShown(const QString &output)
    {
        EXPECT_EQ(window->OutputText(), output);
        EXPECT_EQ(window->txbOutput->toPlainText(), QString(output).replace("\r\n", "\n"));
    }

    void ExpectFocusOnNumberOfYears()
    {
        EXPECT_EQ(QApplication::focusWidget(), window->txbNumYears);
        EXPECT_EQ(window->txbNumYears->cursorPosition(), window->txbNumYears->text().size());
    }

    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock{"2024-03-05"};
    RecordingPopUps popUps;
    PopUps *windowPopUps = &popUps;
    FixedScreen screen;
    RecordingShell shell;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<VernalEquinoxWindow> window;  // destroyed before the main window
};

// --- Opening --------------------------------------------------------------------------------

class EquinoxWindowVariant : public EquinoxWindow, public testing::WithParamInterface<bool> {};

TEST_P(EquinoxWindowVariant, OpensWithTheHeaderInTheMainWindowsDeeName)
{
    if (GetParam())
        SelectDee();
    ASSERT_TRUE(Open());
    QString header;
    WriteTableHeader(header, GetParam() ? "Dee" : "Dee-Cecil");
    ExpectShown(header);
    EXPECT_EQ(window->txbNumYears->text(), "12");
    ExpectFocusOnNumberOfYears();
}

INSTANTIATE_TEST_SUITE_P(, EquinoxWindowVariant, testing::Bool(),
                         [](const auto &info) { return info.param ? "Dee" : "DeeCecil"; });

TEST_F(EquinoxWindow, OpensBelowTheMainWindowsOutputFrame)
{
    main->move(main->pos() + QPoint(20, -30));
    ASSERT_TRUE(Open());
    EXPECT_EQ(window->pos(), main->pos() + QPoint(TwipsToPixels(160), TwipsToPixels(3000 + 300)));
    EXPECT_EQ(window->height(), window->cmdCopyToClipboard->geometry().bottom() + 1 + TwipsToPixels(600));
}

// On a small screen the window is moved just enough to show all of it, buttons included.
TEST_F(EquinoxWindow, StaysOnTheScreenWhereThatPlaceWouldLeaveIt)
{
    main->move(main->pos() + QPoint(20, 200));
    ASSERT_TRUE(Open());
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry())) << window->frameGeometry().bottom();
    EXPECT_EQ(window->frameGeometry().bottom(), screen.bottom());
    EXPECT_EQ(window->pos().x(), main->pos().x() + TwipsToPixels(160)) << "across, it fitted";
}

// --- Runs -----------------------------------------------------------------------------------

struct RunCase {
    const char *name;
    bool mean;
    int degrees, minutes;
    friend void PrintTo(const RunCase &c, std::ostream *out) { *out << c.name; }
};

class EquinoxWindowRun : public EquinoxWindow, public testing::WithParamInterface<RunCase> {};

TEST_P(EquinoxWindowRun, ThreeYearsFrom2024AsTheTableWritesThem)
{
    const RunCase &c = GetParam();
    ASSERT_TRUE(Open());
    // Chosen as a user chooses: each pick hands the focus to Do it.
    for (auto [list, index] :
         {std::pair{window->cboDegrees, c.degrees - 70}, {window->cboMinutes, c.minutes}}) {
        list->setCurrentIndex(index);
        emit list->activated(index);
        EXPECT_EQ(QApplication::focusWidget(), window->cmdDoIt);
    }
    if (c.mean)
        QTest::mouseClick(window->optMeanST, Qt::LeftButton, {}, QPoint(8, window->optMeanST->height() / 2));
    ASSERT_EQ(window->optMeanST->isChecked(), c.mean);

    DoIt("3");
    EquinoxRunInputs inputs = Inputs(2024, 3);
    inputs.degrees = c.degrees;
    inputs.minutes = c.minutes;
    inputs.solarTime = c.mean ? SolarTime::Mean : SolarTime::Apparent;
    ExpectShown(Expected(inputs));
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().join('|').toStdString();
    EXPECT_TRUE(window->txbOutput->textCursor().atEnd());
    ExpectFocusOnNumberOfYears();
}

INSTANTIATE_TEST_SUITE_P(, EquinoxWindowRun,
                         testing::Values(RunCase{"Defaults", false, 77, 0},
                                         RunCase{"MeanTimeAt75d30m", true, 75, 30},
                                         RunCase{"At79d59m", false, 79, 59}),
                         [](const auto &info) { return info.param.name; });

TEST_F(EquinoxWindow, EnterInTheNumberBoxRunsWithTheYearsAsTyped)
{
    ASSERT_TRUE(Open());
    window->txbNumYears->clear();
    QTest::keyClicks(window->txbNumYears, " 2 ");
    QTest::keyClick(window->txbNumYears, Qt::Key_Return);
    EXPECT_EQ(window->txbNumYears->text(), "2") << "written back without the blanks";
    ExpectShown(Expected(Inputs(2024, 2)));
}

TEST_F(EquinoxWindow, ARunPastYear4000StopsThereAndStillSumsUp)
{
    SetInputYear(3995);
    ASSERT_TRUE(Open());
    DoIt("12");
    ExpectShown(Expected(Inputs(3995, 12)));
    EXPECT_EQ(dialogs.Texts(),
              QStringList{"Vernal equinoxes are calculated only for years in the range 1 through 4000."});
}

TEST_F(EquinoxWindow, TheWidestLinesFitTheBox)
{
    SetInputYear(1000);
    ASSERT_TRUE(Open());
    window->cboMinutes->setCurrentIndex(59);
    DoIt("700");  // four-digit years, "DC", "<--" marks and a three-digit count in the summary
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.Texts().join('|').toStdString();
    EXPECT_EQ(window->txbOutput->horizontalScrollBar()->maximum(), 0);
}

TEST_F(EquinoxWindow, AFullBoxIsKeptWhenTheUserSaysNo)
{
    main->Form().lngTextBoxCapacityInKB = 1;
    ASSERT_TRUE(Open());
    DoIt("20");  // fills the 1024 characters part way
    ASSERT_EQ(dialogs.Texts(), QStringList{"Textbox is full."});
    EXPECT_EQ(QApplication::focusWidget(), window->cmdDoIt) << "the focus stays where the run left it";
    EXPECT_TRUE(window->txbOutput->textCursor().atEnd());
    const QString full = window->OutputText();

    dialogs.replies = {MessageReply::No};
    DoIt("1");
    EXPECT_EQ(dialogs.shown.back().text, "Textbox is full.  Clear it?");
    ExpectShown(full);

    dialogs.replies = {MessageReply::Yes};
    DoIt("1");
    ExpectShown(Expected(Inputs(2024, 1)));
}

// --- Clear, copy, close ---------------------------------------------------------------------

TEST_F(EquinoxWindow, ClearWritesTheHeaderAfreshInTheCurrentDeeName)
{
    ASSERT_TRUE(Open());
    DoIt("1");
    SelectDee();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->OutputText().section("\r\n", 0, 0).endsWith("Dee-Cecil Calendar"))
        << "the header over the rows keeps the name it was written with";

    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    QString header;
    WriteTableHeader(header, "Dee");
    ExpectShown(header);
    ExpectFocusOnNumberOfYears();
}

TEST_F(EquinoxWindow, CopyPutsTheSelectionOrElseTheWholeOutputOnTheClipboard)
{
    ASSERT_TRUE(Open());
    DoIt("3");
    QPlainTextEdit *box = window->txbOutput;
    const QStringList lines = window->OutputText().split("\r\n");

    // A drag from the start of the first row to the tenth column of the second.
    QTextCursor from(box->document()->findBlockByNumber(3));
    QTextCursor to(box->document()->findBlockByNumber(4));
    to.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, box->cursorRect(from).center());
    QTest::mouseMove(box->viewport(), box->cursorRect(to).center());
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, box->cursorRect(to).center());
    EXPECT_EQ(window->cmdCopyToClipboard->text(), "Copy selected text to clipboard");
    EXPECT_EQ(window->cmdCopyToClipboard->width(), TwipsToPixels(4000));

    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, lines[3] + "\r\n" + lines[4].left(10));
    EXPECT_EQ(clipboard.clears, 1);
    ASSERT_EQ(popUps.shown.size(), 1u);
    const RecordingPopUps::Shown &p = popUps.shown[0];
    EXPECT_EQ(p.message, "Result copied to clipboard");
    EXPECT_EQ(QList<int>({p.width, p.height, p.intervalMs, p.top, p.left}),
              QList<int>({2920, 300, 2000, 3900, 8050}));
    EXPECT_EQ(window->cmdCopyToClipboard->width(), TwipsToPixels(3000));
    EXPECT_EQ(QApplication::focusWidget(), window->cmdClear);

    // A click in the box drops the selection: the whole text goes.
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect(to).center());
    EXPECT_EQ(window->cmdCopyToClipboard->text(), "Copy to clipboard");
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, window->OutputText());
}

// The program's pop-up is a modal window of its own; when it has closed, the window becomes
// active again, and that must not take the focus from Clear.
TEST_F(EquinoxWindow, TheFocusStaysOnClearWhenTheCopyMessageCloses)
{
    struct BriefPopUps : PopUps {
        explicit BriefPopUps(PopUpWindow &w) : window(w) {}
        void PopUp(const QString &message, int width, int height, int, int top, int left) override
        {
            window.PopUp(message, width, height, 1, top, left);
        }
        PopUpWindow &window;
    };
    PopUpWindow popUpWindow(screen);
    BriefPopUps brief(popUpWindow);
    windowPopUps = &brief;
    ASSERT_TRUE(Open());
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    window->activateWindow();  // as a window system hands the activation back
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), window->cmdClear);
    window.reset();  // before the pop-up it uses
}

TEST_F(EquinoxWindow, ClosedAndOpenedAgainItKeepsItsOutputAndChoicesAndReadsTheInputYearAfresh)
{
    ASSERT_TRUE(Open());
    QTest::mouseClick(window->optMeanST, Qt::LeftButton, {}, QPoint(8, window->optMeanST->height() / 2));
    DoIt("2");
    const QString first = window->OutputText();
    QTest::mouseClick(window->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());

    SetInputYear(1999);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    ASSERT_TRUE(Open());
    ExpectShown(first);
    ExpectFocusOnNumberOfYears();
    DoIt("2");
    EquinoxRunInputs inputs = Inputs(1999, 2);
    inputs.solarTime = SolarTime::Mean;
    ExpectShown(Expected(inputs, first));  // after a blank line
}

}  // namespace
}  // namespace vardex::test
