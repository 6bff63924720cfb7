// SPDX-License-Identifier: MIT
// The date-sequence window with mouse and keyboard, and what the equinox window shares with it.
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBlock>

#include "StartedWindows.h"
#include "sequence/DateSequence.h"
#include "sequence/DateSequenceWindow.h"

namespace vardex::test {
namespace {

constexpr int32_t kFeb27of2024 = 2460368;  // today, for the scripted clock

class DateSequenceWindowTest : public StartedWindows {
protected:
    DateSequenceWindowTest() : StartedWindows("2024-02-27") {}
    void SetUp() override { Start(&MainWindow::openDateSequence, &window); }
    void Open()
    {
        QTest::mouseClick(Widget<QPushButton>(main->Form().cmdDateSequence), Qt::LeftButton);
        ASSERT_TRUE(window && QTest::qWaitForWindowActive(window.get()));
    }
    void DoIt(const QString &days)
    {
        window->txbNumDays->setText(days);
        QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    }
    // What the box shows for runs of these days, as the table writes them.
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

    std::unique_ptr<DateSequenceWindow> window;
};

// Copy hands the focus to Clear, kept after a modal window, not another's. Do it and Enter (in the box,
// on Do it) each run once, from the main window's date then; Ctrl+S saves the rows the box shows.
TEST_F(DateSequenceWindowTest, CopyTheFocusAndEachRunOfTheMainWindowsDateAndCtrlSSavesIt)
{
    Open();
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.clears, 0) << "nothing to copy from an empty box";
    DoIt("5");
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(std::pair(clipboard.text, popUps.shown),
              std::pair(window->OutputText(), std::vector({kCopiedPopUp})));
    QTextCursor rows(window->txbOutput->document()->findBlockByNumber(3));  // 28 and 29 February
    rows.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2);
    window->txbOutput->setTextCursor(rows);
    QTest::mouseRelease(window->txbOutput->viewport(), Qt::LeftButton, {}, QPoint(5, 5));  // as a drag ends
    EXPECT_EQ(window->cmdCopyToClipboard->text(), "Copy selected text to clipboard");
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    EXPECT_EQ(clipboard.text, window->OutputText().section("\r\n", 3, 4) + "\r\n");
    EXPECT_EQ(window->cmdCopyToClipboard->text(), "Copy to clipboard");

    QDialog message;
    message.setWindowModality(Qt::ApplicationModal);
    message.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&message));
    message.hide();
    ASSERT_TRUE(Activate(window.get()));
    EXPECT_EQ(window->focusWidget(), window->cmdClear);
    ASSERT_TRUE(Activate(main.get()) && Activate(window.get()));
    EXPECT_EQ(window->focusWidget(), window->txbNumDays);
    QTest::mouseClick(window->cmdClose, Qt::LeftButton);
    Open();
    EXPECT_EQ(Box(), Rows({5})) << "kept while closed";
    window->cmdClear->click();
    const QTemporaryDir folder;
    const auto save = [this] { QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier); };
    saveFiles.path = folder.filePath("days");
    DoIt("3");
    QTest::keyClicks(window->txbNumDays, "\b 2 ");
    QTest::keyClick(window->txbNumDays, Qt::Key_Return);
    EXPECT_EQ(std::pair(Box(), window->txbNumDays->text()), std::pair(Rows({3, 2}), QString("2")));
    save();
    QFile file(folder.filePath("days.csv"));  // ".csv" added to the name chosen
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
    ASSERT_EQ(lines.size(), 7) << "a header, five rows and the last line end";
    EXPECT_EQ(lines[4], "2460368,2024,2,27,2024,2,27,true,false,Tuesday") << "the second run";
    window->cmdClear->click();
    save();
    window->cmdDoIt->setFocus();  // its release then lands in the number box
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    EXPECT_EQ(Box(), Rows({2}));
    Click(Widget<QRadioButton>(main->Form().optDee));
    main->Form().txbYearADBCetc.text = "2025";
    main->WriteBack();
    window->cmdClear->click();
    DoIt("1");
    EXPECT_EQ(Box(), Rows({1}, DeeVariant::Dee, kFeb27of2024 + 366));
    saveFiles.path = folder.filePath("no-such-folder/days.csv");
    save();
    EXPECT_EQ(saveFiles.asked.size(), 2) << "the dialog is not offered without rows";
    QString shownWithMessage;
    dialogs.whileShown = [&] { shownWithMessage = Box(); };
    main->Form().lngTextBoxCapacityInKB = 1;
    DoIt("14");
    EXPECT_EQ(shownWithMessage, Box()) << "the rows so far are shown with the message";
    EXPECT_EQ(dialogs.Texts(), QStringList({"The table has no rows to save yet: run it with Do it first.",
                                            "The table could not be saved as \"" + saveFiles.path +
                                                "\": no such file or directory.",
                                            "Textbox is full."}));
}

}  // namespace
}  // namespace vardex::test
