// SPDX-License-Identifier: MIT
// The date-sequence window on the display, opened by the main window's Date sequence button and used
// with mouse and keyboard as a user does. What it shares with the vernal-equinox window (Clear, Copy,
// Close, the focus) is tried here.
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>

#include "StartedWindows.h"
#include "sequence/DateSequence.h"
#include "sequence/DateSequenceWindow.h"
#include "support/widgets/Geometry.h"

namespace vardex::test {
namespace {

constexpr int32_t kFeb27of2024 = 2460368;  // today, for the scripted clock

class DateSequenceWindowTest : public StartedWindows {
protected:
    DateSequenceWindowTest() : StartedWindows("2024-02-27") {}
    void SetUp() override
    {
        Start(&MainWindow::openDateSequence, &window);
        Open();
    }
    void Open()
    {
        QTest::mouseClick(Widget<QPushButton>(main->Form().cmdDateSequence), Qt::LeftButton);
        ASSERT_TRUE(window && QTest::qWaitForWindowActive(window.get()));
    }
    void DoIt(const QString &days)
    {
        window->txbNumDays->clear();
        QTest::keyClicks(window->txbNumDays, days);
        QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    }
    // What the box shows for runs of these days from 27 February 2024, as the table writes them.
    static QString Rows(std::initializer_list<int> runs, DeeVariant variant = DeeVariant::DeeCecil,
                        int32_t start = kFeb27of2024)
    {
        QString output;
        RecordingDialogs quiet;
        for (const int days : runs)
            RunDateSequence([=] { return start; }, days, variant, NumberFormat::Commas(), output, 63, quiet);
        return output.replace("\r\n", "\n");
    }
    QString Box() const { return window->txbOutput->toPlainText(); }
    QWidget *Focus() const { return window->focusWidget(); }
    // A drag from the start of one line of the box to the start of another.
    void Drag(int fromLine, int toLine)
    {
        const auto start = [this](int line) {
            const QTextCursor cursor(window->txbOutput->document()->findBlockByNumber(line));
            return window->txbOutput->cursorRect(cursor).center() + QPoint(1, 0);
        };
        QTest::mousePress(window->txbOutput->viewport(), Qt::LeftButton, {}, start(fromLine));
        QTest::mouseMove(window->txbOutput->viewport(), start(toLine));
        QTest::mouseRelease(window->txbOutput->viewport(), Qt::LeftButton, {}, start(toLine));
    }

    std::unique_ptr<DateSequenceWindow> window;
};

TEST_F(DateSequenceWindowTest, OpensBelowTheMainWindowReadyForANumberAndFillsTheBox)
{
    // 160 twips right of the main window, 3000 (its output frame) + 300 twips below its top.
    EXPECT_EQ(window->pos(), main->pos() + QPoint(TwipsToPixels(160), TwipsToPixels(3300)));
    EXPECT_EQ(std::pair(window->txbNumDays->text(), window->txbNumDays->cursorPosition()),
              std::pair(QString("14"), 2));
    EXPECT_EQ(Focus(), window->txbNumDays);
    EXPECT_TRUE(QFontInfo(window->txbOutput->font()).fixedPitch());
    DoIt("5");
    DoIt("1");
    EXPECT_EQ(Box(), Rows({5, 1}));
    EXPECT_EQ(window->OutputText(), Rows({5, 1}).replace("\n", "\r\n"));
    EXPECT_TRUE(dialogs.shown.empty() && window->txbOutput->textCursor().atEnd());
    EXPECT_EQ(Focus(), window->txbNumDays);
    EXPECT_EQ(window->txbOutput->horizontalScrollBar()->maximum(), 0) << "a row fits the box";
}

TEST_F(DateSequenceWindowTest, EnterRunsDoItOnceAndEachRunReadsTheMainWindowAsItIsThen)
{
    QTest::keyClicks(window->txbNumDays, "\b\b 5 ");
    QTest::keyClick(window->txbNumDays, Qt::Key_Return);
    EXPECT_EQ(std::pair(Box(), window->txbNumDays->text()), std::pair(Rows({5}), QString("5")));
    // Enter on the focused button runs it, and its release then lands in the number box.
    window->cmdClear->click();
    window->cmdDoIt->setFocus();
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    EXPECT_EQ(Box(), Rows({5}));

    window->cmdClear->click();
    Click(Widget<QRadioButton>(main->Form().optDee));
    auto *year = Widget<QLineEdit>(main->Form().txbYearADBCetc);
    year->selectAll();
    QTest::keyClicks(year, "02025");  // reading the date tidies it
    DoIt("1");
    EXPECT_EQ(Box(), Rows({1}, DeeVariant::Dee, kFeb27of2024 + 366));
    EXPECT_EQ(year->text(), "2025");
}

TEST_F(DateSequenceWindowTest, AFullBoxEndsTheRunWithTheRowsShownAndAsksBeforeTheNext)
{
    QString shownWithMessage;
    dialogs.whileShown = [&] { shownWithMessage = Box(); };
    main->Form().lngTextBoxCapacityInKB = 1;
    DoIt("14");
    ASSERT_EQ(dialogs.Texts(), QStringList{"Textbox is full."});
    const QString full = Box();
    EXPECT_EQ(shownWithMessage, full) << "the rows so far are shown with the message";
    EXPECT_TRUE(full.startsWith(Rows({5}).section("\n", 0, 6)) && window->txbOutput->textCursor().atEnd());
    EXPECT_EQ(Focus(), window->cmdDoIt);
    dialogs.replies = {MessageReply::No, MessageReply::Yes};
    DoIt("1");
    EXPECT_EQ(Box(), full);
    DoIt("5");
    EXPECT_EQ(Box(), Rows({5}));
}

TEST_F(DateSequenceWindowTest, CopyTakesTheSelectionOrTheWholeOutputAndClearEmptiesIt)
{
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(std::pair(clipboard.clears, Focus()), std::pair(0, static_cast<QWidget *>(window->cmdClear)))
        << "nothing to copy from an empty box";
    DoIt("5");
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, window->OutputText());
    EXPECT_EQ(popUps.shown, std::vector({kCopiedPopUp}));
    Drag(3, 5);  // over the rows of 28 and 29 February; a click drops the selection again
    EXPECT_EQ(std::pair(window->cmdCopyToClipboard->text(), window->cmdCopyToClipboard->width()),
              std::pair(QString("Copy selected text to clipboard"), TwipsToPixels(4000)));
    QTest::mouseClick(window->txbOutput->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(std::pair(window->cmdCopyToClipboard->text(), window->cmdCopyToClipboard->width()),
              std::pair(QString("Copy to clipboard"), TwipsToPixels(3000)));
    Drag(3, 5);
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, window->OutputText().section("\r\n", 3, 4) + "\r\n");
    EXPECT_EQ(window->cmdCopyToClipboard->text(), "Copy to clipboard");
    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    EXPECT_EQ(std::pair(window->OutputText(), Focus()),
              std::pair(QString(), static_cast<QWidget *>(window->txbNumDays)));
}

// Ctrl+S saves the rows of every run the box shows; a cleared box has none, a failed write says why.
TEST_F(DateSequenceWindowTest, SaveAsCsvSavesTheRowsTheBoxShows)
{
    const QTemporaryDir folder;
    const auto save = [this] { QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier); };
    const auto savedLines = [&] {
        QFile file(folder.filePath("days.csv"));  // ".csv" added to the name chosen
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split("\r\n")
                                              : QStringList();
    };
    saveFiles.path = folder.filePath("days");
    save();
    DoIt("3");
    DoIt("2");
    save();
    const QStringList lines = savedLines();
    ASSERT_EQ(lines.size(), 7) << "a header, five rows and the last line end";
    EXPECT_EQ(
        lines[0],
        "jdn,gregorian_year,gregorian_month,gregorian_day,dee_year,dee_month,dee_day,same,mark,weekday");
    EXPECT_EQ(lines[3], "2460370,2024,2,29,2024,3,1,false,true,Thursday");
    EXPECT_EQ(lines[4], "2460368,2024,2,27,2024,2,27,true,false,Tuesday") << "the second run";
    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    save();
    saveFiles.path = folder.filePath("no-such-folder/days.csv");
    DoIt("1");
    save();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    for (const size_t i : {0, 1})
        EXPECT_EQ(dialogs.shown[i].text, "The table has no rows to save yet: run it with Do it first.");
    EXPECT_EQ(std::tuple(dialogs.shown[2].title, dialogs.shown[2].icon),
              std::tuple("Save as CSV", MessageIcon::Critical));
    EXPECT_EQ(dialogs.shown[2].text,
              "The table could not be saved as \"" + saveFiles.path + "\": no such file or directory.");
    EXPECT_EQ(saveFiles.asked.size(), 2) << "the dialog is not offered without rows";
}

// A message box closing hands the window back with the focus where the command put it; only coming
// from another window of the program puts it into the number box. Closed, the window keeps its output.
TEST_F(DateSequenceWindowTest, TheFocusReturnsAsItLeftAndAReopenedWindowKeepsItsOutput)
{
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    QDialog message;
    message.setWindowModality(Qt::ApplicationModal);
    message.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&message));
    message.hide();
    ASSERT_TRUE(Activate(window.get()));
    EXPECT_EQ(Focus(), window->cmdClear);
    ASSERT_TRUE(Activate(main.get()));
    ASSERT_TRUE(Activate(window.get()));
    EXPECT_EQ(Focus(), window->txbNumDays);
    DoIt("5");
    QTest::mouseClick(window->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    Open();
    EXPECT_EQ(std::pair(Box(), Focus()), std::pair(Rows({5}), static_cast<QWidget *>(window->txbNumDays)));
    QTest::keyClick(window->txbOutput, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << "Esc closes it as Close does";
    Open();
    EXPECT_EQ(Box(), Rows({5}));
}

}  // namespace
}  // namespace vardex::test
