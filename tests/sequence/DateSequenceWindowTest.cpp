// The date-sequence window on an offscreen display, opened from a started main window by its Date
// sequence button and used with mouse and keyboard as a user does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "QtPrinters.h"
#include "RecordingSeams.h"
#include "mainwindow/MainWindow.h"
#include "sequence/DateSequenceWindow.h"
#include "support/widgets/Geometry.h"

namespace vardex::test {
namespace {

// Five days from 27 February 2024 (today, for the scripted clock), Dee-Cecil, as the box shows
// them; the window's own text and the clipboard carry "\r\n" instead of "\n".
const QString kHeader =
    QStringLiteral("   Common Era date      Dee-Cecil date         Julian day number    Day of week\n\n");
const QString kFirstRow =
    QStringLiteral("   2024-02-27 CE        2024-02-27 DC          2,460,368            Tuesday\n");
const QString kNextRows =
    QStringLiteral("   2024-02-28 CE        2024-02-28 DC          2,460,369            Wednesday\n"
                   "   2024-02-29 CE        2024-03-01 DC  <--     2,460,370            Thursday\n"
                   "   2024-03-01 CE        2024-03-02 DC          2,460,371            Friday\n"
                   "   2024-03-02 CE        2024-03-03 DC          2,460,372            Saturday\n");
const QString kSummary = QStringLiteral("\nTwo days (40%) have the same date in the two calendars.\n");
const QString kFiveDays = kHeader + kFirstRow + kNextRows + kSummary;

QString WithCrLf(QString text) { return text.replace(u'\n', QStringLiteral("\r\n")); }

// Records, with each message, what the output box showed while the message was open.
class BoxWatchingDialogs : public RecordingDialogs {
public:
    MessageReply ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons) override
    {
        boxWhenShown << (box ? box->toPlainText() : QString());
        return RecordingDialogs::ShowMessage(text, title, icon, buttons);
    }
    QPlainTextEdit *box = nullptr;
    QStringList boxWhenShown;
};

class DateSequenceWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        main = std::make_unique<MainWindow>(MainWindow::Services{
            MainSeams{dialogs, clipboard, clock, popUps, screen, [](int16_t) { return QString(); }}, shell,
            [](const QString &) { return true; }, QStringLiteral("/nowhere")});
        main->openDateSequence = [this] {  // as the program opens it
            if (!sequence)
                sequence = std::make_unique<DateSequenceWindow>(*main, dialogs, clipboard, popUps);
            sequence->show();
            sequence->raise();
            sequence->activateWindow();
        };
        ASSERT_TRUE(main->Start());
        Open();
        ASSERT_TRUE(sequence);
        dialogs.box = sequence->txbOutput;
    }

    // Presses the main window's Date sequence button once its refresher has enabled it.
    void Open()
    {
        main->Controller().Timer1_Timer();
        main->WriteBack();
        QTest::mouseClick(qobject_cast<QPushButton *>(main->WidgetOf(main->Form().cmdDateSequence)),
                          Qt::LeftButton);
        if (sequence) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(sequence.get()));
        }
        QApplication::processEvents();
    }

    void TypeNumberOfDays(const QString &days)
    {
        sequence->txbNumDays->clear();
        QTest::keyClicks(sequence->txbNumDays, days);
    }

    void DoIt(const QString &days)
    {
        TypeNumberOfDays(days);
        QTest::mouseClick(sequence->cmdDoIt, Qt::LeftButton);
    }

    QString Box() const { return sequence->txbOutput->toPlainText(); }
    QWidget *Focus() const { return sequence->focusWidget(); }
    int CopyButtonWidth() const { return sequence->cmdCopyToClipboard->width(); }

    // The window-relative point at the start of the box's line.
    QPoint LineStart(int line) const
    {
        QTextCursor cursor(sequence->txbOutput->document()->findBlockByNumber(line));
        return sequence->txbOutput->cursorRect(cursor).center() + QPoint(1, 0);
    }

    BoxWatchingDialogs dialogs;
    RecordingClipboard clipboard;
    ScriptedClock clock{"2024-02-27"};
    RecordingPopUps popUps;
    FixedScreen screen;
    RecordingShell shell;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<DateSequenceWindow> sequence;
};

TEST_F(DateSequenceWindowTest, OpensBelowTheMainWindowsOutputFrameReadyForANumber)
{
    EXPECT_EQ(sequence->windowTitle(), "Date sequence");
    // 160 twips right of the main window, 3000 (its output frame) + 300 twips below its top.
    EXPECT_EQ(sequence->pos(), main->pos() + QPoint(11, 200 + 20));
    EXPECT_EQ(sequence->txbNumDays->text(), "14");
    EXPECT_EQ(sequence->txbNumDays->maxLength(), 3);
    EXPECT_EQ(Focus(), sequence->txbNumDays);
    EXPECT_EQ(sequence->txbNumDays->cursorPosition(), 2);
    EXPECT_TRUE(Box().isEmpty());
    EXPECT_EQ(sequence->cmdCopyToClipboard->text(), "Copy to clipboard");
    EXPECT_EQ(CopyButtonWidth(), TwipsToPixels(3000));
    for (QLabel *label : {sequence->lblDates1, sequence->lblDates2}) {
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(128, 0, 144));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(label->font().family(), "Arial");
    }
    EXPECT_TRUE(QFontInfo(sequence->txbOutput->font()).fixedPitch());
}

TEST_F(DateSequenceWindowTest, FiveDaysFromTheInputDateFillTheBoxAsTheTableIsWritten)
{
    DoIt("5");
    EXPECT_EQ(Box(), kFiveDays);
    EXPECT_EQ(sequence->OutputText(), WithCrLf(kFiveDays));
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().join('|').toStdString();
    EXPECT_TRUE(sequence->txbOutput->textCursor().atEnd());
    EXPECT_EQ(Focus(), sequence->txbNumDays);
    EXPECT_EQ(sequence->txbNumDays->cursorPosition(), 1);
    EXPECT_EQ(sequence->txbOutput->horizontalScrollBar()->maximum(), 0) << "a row fits the box";
}

TEST_F(DateSequenceWindowTest, EnterInTheNumberBoxRunsDoItOnce)
{
    TypeNumberOfDays("5");
    QTest::keyClick(sequence->txbNumDays, Qt::Key_Return);
    EXPECT_EQ(Box(), kFiveDays);

    // Enter on the focused button runs it, and its release then lands in the number box.
    sequence->cmdClear->click();
    sequence->cmdDoIt->setFocus();
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    EXPECT_EQ(Box(), kFiveDays);
}

TEST_F(DateSequenceWindowTest, ASecondRunAppendsItsRowsAfterABlankLine)
{
    DoIt("5");
    DoIt("1");
    EXPECT_EQ(Box(), kFiveDays + "\n" + kFirstRow);
    EXPECT_EQ(sequence->OutputText(), WithCrLf(kFiveDays + "\n" + kFirstRow));
}

TEST_F(DateSequenceWindowTest, EachRunConvertsTheMainWindowsInputAsItIsThen)
{
    // With the window open, the user picks the Julian calendar and the Dee variant in the main
    // window and presses nothing there.
    MainForm &f = main->Form();
    auto *calendar = qobject_cast<QComboBox *>(main->WidgetOf(f.cboCalendar[0]));
    calendar->setCurrentIndex(2);  // "Julian Calendar"
    emit calendar->activated(2);
    auto *dee = qobject_cast<QRadioButton *>(main->WidgetOf(f.optDee));
    QTest::mouseClick(dee, Qt::LeftButton, {}, QPoint(8, dee->height() / 2));
    ASSERT_TRUE(f.optDee.value);
    auto *year = qobject_cast<QLineEdit *>(main->WidgetOf(f.txbYearADBCetc));
    year->selectAll();
    QTest::keyClicks(year, "02024");  // reading the date tidies it

    DoIt("1");
    EXPECT_EQ(Box(), QStringLiteral(
                         "   Common Era date      Dee date              Julian day number    Day of week\n\n"
                         "   2024-03-11 CE        2024-03-13 D           2,460,381            Monday\n"));
    EXPECT_EQ(year->text(), "2024") << "the main window shows its input as read";
}

TEST_F(DateSequenceWindowTest, AFullBoxEndsTheRunAndAsksBeforeTheNext)
{
    main->Form().lngTextBoxCapacityInKB = 1;
    DoIt("14");  // the click leaves the focus on Do it
    ASSERT_EQ(dialogs.Texts(), QStringList{"Textbox is full."});
    EXPECT_EQ(dialogs.shown[0].title, "Do it");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    const QString full = Box();
    EXPECT_EQ(dialogs.boxWhenShown[0], full) << "the rows so far are shown with the message";
    EXPECT_TRUE(full.startsWith(kHeader + kFirstRow + kNextRows));
    EXPECT_FALSE(full.contains(QStringLiteral("2024-03-11 CE"))) << "no 14th row";
    EXPECT_FALSE(full.contains(QStringLiteral("calendars"))) << "no summary";
    EXPECT_TRUE(sequence->txbOutput->textCursor().atEnd());
    EXPECT_EQ(Focus(), sequence->cmdDoIt);

    dialogs.replies = {MessageReply::No};
    DoIt("1");
    EXPECT_EQ(dialogs.shown.back().text, "Textbox is full.  Clear it?");
    EXPECT_EQ(dialogs.shown.back().buttons, MessageButtons::YesNo);
    EXPECT_EQ(Box(), full);

    dialogs.replies = {MessageReply::Yes};
    DoIt("5");
    EXPECT_EQ(Box(), kFiveDays);
}

TEST_F(DateSequenceWindowTest, ClearEmptiesTheBoxAndTheNextRunWritesTheHeaderAgain)
{
    DoIt("5");
    QTest::mouseClick(sequence->cmdClear, Qt::LeftButton);
    EXPECT_TRUE(Box().isEmpty());
    EXPECT_TRUE(sequence->OutputText().isEmpty());
    EXPECT_EQ(Focus(), sequence->txbNumDays);
    DoIt("5");
    EXPECT_EQ(Box(), kFiveDays);
}

TEST_F(DateSequenceWindowTest, CopyTakesTheSelectionOrTheWholeOutput)
{
    QTest::mouseClick(sequence->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.clears, 0) << "nothing to copy from an empty box";
    EXPECT_TRUE(popUps.shown.empty());
    EXPECT_EQ(Focus(), sequence->cmdClear);

    DoIt("5");
    QTest::mouseClick(sequence->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, WithCrLf(kFiveDays));
    ASSERT_EQ(popUps.shown.size(), 1u);
    const RecordingPopUps::Shown &p = popUps.shown[0];
    EXPECT_EQ(p.message, "Result copied to clipboard");
    EXPECT_EQ(std::vector<int>({p.width, p.height, p.intervalMs, p.top, p.left}),
              std::vector<int>({2920, 300, 2000, 3900, 8050}));
    EXPECT_EQ(Focus(), sequence->cmdClear);

    // Drag over the rows of 28 and 29 February; a click drops the selection again.
    QWidget *viewport = sequence->txbOutput->viewport();
    const auto dragOverTwoRows = [&] {
        QTest::mousePress(viewport, Qt::LeftButton, {}, LineStart(3));
        QTest::mouseMove(viewport, LineStart(5));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, LineStart(5));
    };
    dragOverTwoRows();
    EXPECT_EQ(sequence->cmdCopyToClipboard->text(), "Copy selected text to clipboard");
    EXPECT_EQ(CopyButtonWidth(), TwipsToPixels(4000));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, LineStart(4));
    EXPECT_EQ(sequence->cmdCopyToClipboard->text(), "Copy to clipboard");
    EXPECT_EQ(CopyButtonWidth(), TwipsToPixels(3000));

    dragOverTwoRows();
    QTest::mouseClick(sequence->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, WithCrLf(kNextRows.section(u'\n', 0, 1) + "\n"));
    EXPECT_EQ(sequence->cmdCopyToClipboard->text(), "Copy to clipboard");
    EXPECT_EQ(CopyButtonWidth(), TwipsToPixels(3000));
    EXPECT_EQ(popUps.shown.size(), 2u);
}

TEST_F(DateSequenceWindowTest, ABadNumberOfDaysIsReportedAndTheBoxKept)
{
    DoIt(" 1a");
    EXPECT_EQ(dialogs.Texts(), QStringList{"Invalid input for number of days."});
    EXPECT_EQ(dialogs.shown[0].title, "Do it");
    EXPECT_EQ(sequence->txbNumDays->text(), "1a") << "trimmed";
    EXPECT_TRUE(Box().isEmpty());
    DoIt(" 5 ");
    EXPECT_EQ(sequence->txbNumDays->text(), "5");
    EXPECT_EQ(Box(), kFiveDays);
}

TEST_F(DateSequenceWindowTest, CloseHidesTheWindowAndALaterShowKeepsTheOutput)
{
    DoIt("5");
    DateSequenceWindow *const window = sequence.get();
    QTest::mouseClick(sequence->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(sequence->isVisible());
    Open();
    EXPECT_EQ(sequence.get(), window);
    EXPECT_TRUE(sequence->isVisible());
    EXPECT_EQ(Box(), kFiveDays);
    EXPECT_EQ(sequence->txbNumDays->text(), "5");
    EXPECT_EQ(Focus(), sequence->txbNumDays);
}

TEST_F(DateSequenceWindowTest, OnlyAnotherWindowHandsTheFocusBackToTheNumberBox)
{
    QTest::mouseClick(sequence->cmdCopyToClipboard, Qt::LeftButton);
    ASSERT_EQ(Focus(), sequence->cmdClear);

    // The way back from a message box: the command put the focus where it belongs.
    QDialog message;
    message.setWindowModality(Qt::ApplicationModal);
    message.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&message));
    message.hide();
    sequence->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sequence.get()));
    EXPECT_EQ(Focus(), sequence->cmdClear);

    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    sequence->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sequence.get()));
    EXPECT_EQ(Focus(), sequence->txbNumDays);
}

}  // namespace
}  // namespace vardex::test
