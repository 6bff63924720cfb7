#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <sys/stat.h>

#include <cerrno>
#include <gtest/gtest.h>
#include <system_error>
#include <utility>

#include "QtPrinters.h"

#include "RecordingSeams.h"
#include "support/widgets/TextViewer.h"

namespace vardex {
namespace {

const QString kHead = "NOTE: This file is too large to display entirely in this textbox.\r\n"
                      "To view the entire contents of the file load it into NotePad,\r\n"
                      "WordPad or some other text editor.\r\n\r\n";
const QString kTail = "NOTE: Entire contents of file have not been displayed.\r\n";

// length characters of lines of up to 80, each ended by a line feed.
QString Lines(qsizetype length, QChar filler = u'x')
{
    QString text(length, filler);
    for (qsizetype i = 80; i < length; i += 81)
        text[i] = u'\n';
    return text;
}

// What the text box holds for a text: it keeps one line break for each "\r\n".
QString InBox(QString text) { return text.replace("\r\n", "\n"); }

class TextForViewerTest : public testing::TestWithParam<qsizetype> {};

TEST_P(TextForViewerTest, LongTextsAreCutAndFramedByTheNotes)
{
    const qsizetype length = GetParam();
    const QString text = Lines(length);
    const QString shown = TextForViewer(text);
    if (length < kViewerCapacity) {
        EXPECT_EQ(shown, text);
        return;
    }
    ASSERT_EQ(shown.size(), kViewerCapacity);
    const qsizetype kept = kViewerCapacity - kHead.size() - 4 - kTail.size();
    EXPECT_EQ(shown, kHead + text.left(kept) + "\r\n\r\n" + kTail);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TextForViewerTest, testing::Values(0, 65529, 65530, 65531, 200000),
                         [](const auto &info) { return "Length" + std::to_string(info.param); });

class TextViewerTest : public testing::Test {
protected:
    QString WriteFile(const QByteArray &bytes, const QString &name = "help.txt")
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // Shows the viewer on path and waits until it has loaded the file or given up on it.
    void Show(const QString &path)
    {
        viewer.strFilename = path;
        viewer.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return viewer.blnFileDisplayed || !dialogs.shown.empty(); }, 5000));
    }
    QString BoxText() const { return viewer.txbText1->toPlainText(); }
    void SelectFirst(int characters)
    {
        QTextCursor cursor(viewer.txbText1->document());
        cursor.setPosition(characters, QTextCursor::KeepAnchor);
        viewer.txbText1->setTextCursor(cursor);
    }
    void MouseUp() { QTest::mouseRelease(viewer.txbText1->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); }

    QTemporaryDir dir;
    test::RecordingDialogs dialogs;
    test::RecordingClipboard clipboard;
    TextViewer viewer{dialogs, clipboard};
};

TEST_F(TextViewerTest, ShowsAFileJustUnderTheLimitWhole)
{
    const QString text = Lines(65529);
    Show(WriteFile(text.toUtf8()));
    EXPECT_TRUE(viewer.blnFileDisplayed);
    EXPECT_EQ(BoxText(), text);
    EXPECT_TRUE(viewer.txbText1->isReadOnly());
    EXPECT_EQ(viewer.txbText1->textCursor().position(), 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TextViewerTest, CutsLongFilesToTheLimit)
{
    for (const qsizetype length : {65530, 200000}) {
        SCOPED_TRACE(length);
        const QString text = Lines(length);
        viewer.close();  // unloads, so the next show reads the new file
        Show(WriteFile(text.toUtf8(), QString("long%1.txt").arg(length)));
        EXPECT_EQ(BoxText(), InBox(TextForViewer(text)));
    }
}

TEST_F(TextViewerTest, CountsCharactersNotBytes)
{
    // Three bytes of UTF-8 each: 65,529 of them are shown whole even behind a byte-order mark...
    const QString euros = Lines(65529, QChar(0x20AC));
    Show(WriteFile("\xEF\xBB\xBF" + euros.toUtf8(), "euros.txt"));
    EXPECT_EQ(BoxText(), euros);

    // ...and of a file far beyond the limit the start is shown, decoded.
    viewer.close();
    const QString accents = Lines(300000, QChar(0xE9));
    Show(WriteFile(accents.toUtf8(), "accents.txt"));
    EXPECT_EQ(BoxText(), InBox(TextForViewer(accents)));
}

TEST_F(TextViewerTest, AnEmptyFileIsReported)
{
    Show(WriteFile(QByteArray()));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "File is empty!");
    EXPECT_EQ(dialogs.shown[0].title, "Error");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_FALSE(viewer.blnFileDisplayed);
    EXPECT_TRUE(BoxText().isEmpty());
}

TEST_F(TextViewerTest, AFileThatCannotBeReadIsReportedWithItsReason)
{
    const std::pair<QString, int> cases[] = {{dir.filePath("missing.txt"), ENOENT}, {dir.path(), EISDIR}};
    for (const auto &[path, error] : cases) {
        SCOPED_TRACE(path.toStdString());
        dialogs.shown.clear();
        Show(path);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        // "Error 2.  No such file or directory" in an English locale.
        EXPECT_EQ(dialogs.shown[0].text,
                  QString("Error %1.  %2")
                      .arg(error)
                      .arg(QString::fromStdString(std::generic_category().message(error))));
        EXPECT_EQ(dialogs.shown[0].title, "Error reading file");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(viewer.isVisible());
        EXPECT_FALSE(viewer.blnFileDisplayed);
    }
}

// A FIFO would hold the program in open() until a writer came: only a regular file is read.
TEST_F(TextViewerTest, AFileThatIsNoRegularFileIsRefused)
{
    const QString fifo = dir.filePath("help.fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    Show(fifo);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QString("Error %1.  Not a regular file.").arg(EINVAL));
    EXPECT_FALSE(viewer.isVisible());
}

TEST_F(TextViewerTest, ReadsTheEncodingItsByteOrderMarkNames)
{
    const QString text = QStringLiteral("Dee-Cecil \u20AC\n");
    QByteArray utf16 = "\xFF\xFE";
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);  // little-endian
    Show(WriteFile(utf16, "utf16.txt"));
    EXPECT_EQ(viewer.txbText1->toPlainText(), text);
}

TEST_F(TextViewerTest, CloseKeepsTheFileAndTheFrameUnloadsIt)
{
    const QString path = WriteFile("first");
    Show(path);
    viewer.cmdClose->click();
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_TRUE(viewer.blnFileDisplayed);

    WriteFile("second");
    Show(path);
    QTest::qWait(50);
    EXPECT_EQ(BoxText(), "first");

    viewer.close();
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_FALSE(viewer.blnFileDisplayed);
    Show(path);
    EXPECT_EQ(BoxText(), "second");
}

TEST_F(TextViewerTest, KeepsItsMinimumSizeAndLaysOutTheControls)
{
    Show(WriteFile("text"));
    viewer.resize(100, 100);
    QTest::qWait(20);
    EXPECT_EQ(viewer.size(), QSize(533, 133));  // 8000 x 2000 twips

    viewer.resize(900, 600);
    QTest::qWait(20);
    const QRect box = viewer.txbText1->geometry();
    EXPECT_EQ(box.size(), QSize(900 - 30, 600 - 80));
    const QRect copy = viewer.cmdCopyToClipboard->geometry();
    const QRect close = viewer.cmdClose->geometry();
    EXPECT_EQ(copy.top(), box.bottom() + 1 + 7);
    EXPECT_EQ(close.top(), copy.top());
    EXPECT_EQ(copy.left(), box.left());
    EXPECT_EQ(close.right(), box.right());
}

TEST_F(TextViewerTest, CopyButtonNamesWhatItWillCopy)
{
    Show(WriteFile("some text to select"));
    ASSERT_TRUE(viewer.cmdCopyToClipboard->isVisible());
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy to clipboard");

    SelectFirst(4);
    MouseUp();
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy selected text to clipboard");
    EXPECT_EQ(viewer.cmdCopyToClipboard->width(), 295);  // 4425 twips

    QTest::mouseClick(viewer.txbText1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(viewer.txbText1->textCursor().hasSelection());
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy to clipboard");
    EXPECT_EQ(viewer.cmdCopyToClipboard->width(), 218);  // 3270 twips
}

TEST_F(TextViewerTest, HiddenCopyButtonStaysHidden)
{
    viewer.blnCopyToClipboardInvisible = true;
    Show(WriteFile("some text to select"));
    EXPECT_FALSE(viewer.cmdCopyToClipboard->isVisible());
    SelectFirst(4);
    MouseUp();
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy to clipboard");
    EXPECT_FALSE(viewer.cmdCopyToClipboard->isVisible());
}

TEST_F(TextViewerTest, CopiesTheSelectionOrElseTheWholeText)
{
    Show(WriteFile("first line\r\nsecond line\r\n"));
    SelectFirst(16);
    MouseUp();
    viewer.cmdCopyToClipboard->click();
    EXPECT_EQ(clipboard.text, "first line\nsecon");
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy to clipboard");
    EXPECT_EQ(viewer.focusWidget(), viewer.cmdClose);

    viewer.txbText1->moveCursor(QTextCursor::End);
    viewer.cmdCopyToClipboard->click();
    EXPECT_EQ(clipboard.text, "first line\nsecond line\n");
    EXPECT_EQ(clipboard.clears, 2);
}

}  // namespace
}  // namespace vardex
