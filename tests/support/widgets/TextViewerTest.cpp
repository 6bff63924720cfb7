// SPDX-License-Identifier: MIT
// The help viewer: a file shown whole or cut with its notes, files it cannot show reported with
// their reason, and copying.
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

#include "QtPrinters.h"
#include "RecordingSeams.h"
#include "support/widgets/TextViewer.h"

namespace vardex {
namespace {

// length characters of lines of up to 80, each ended by a line feed.
QString Lines(qsizetype length, QChar filler = u'x')
{
    QString text(length, filler);
    for (qsizetype i = 80; i < length; i += 81)
        text[i] = u'\n';
    return text;
}

TEST(TextForViewer, LongTextsAreCutAndFramedByTheNotes)
{
    const QString head = "NOTE: This file is too large to display entirely in this textbox.\r\n"
                         "To view the entire contents of the file load it into NotePad,\r\n"
                         "WordPad or some other text editor.\r\n\r\n";
    const QString tail = "NOTE: Entire contents of file have not been displayed.\r\n";
    EXPECT_EQ(TextForViewer(Lines(65529)), Lines(65529));
    for (const qsizetype length : {65530, 200000}) {
        const QString kept = Lines(length).left(kViewerCapacity - head.size() - 4 - tail.size());
        EXPECT_EQ(TextForViewer(Lines(length)), head + kept + "\r\n\r\n" + tail) << length;
    }
}

class TextViewerTest : public testing::Test {
protected:
    QString WriteFile(const QByteArray &bytes, const QString &name = "help.txt")
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // Shows the viewer on path and waits until it has loaded the file or given up on it.
    void Show(const QString &path)
    {
        viewer.close();  // unloads, so that the show reads the file
        dialogs.shown.clear();
        viewer.strFilename = path;
        viewer.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return viewer.blnFileDisplayed || !dialogs.shown.empty(); }, 5000));
    }
    QString BoxText() const { return viewer.txbText1->toPlainText(); }

    QTemporaryDir dir;
    test::RecordingDialogs dialogs;
    test::RecordingClipboard clipboard;
    TextViewer viewer{dialogs, clipboard};
};

TEST_F(TextViewerTest, ShowsFilesDecodedByCharactersAndCutToTheLimit)
{
    // Three bytes of UTF-8 each: 65,529 of them are shown whole even behind a byte-order mark.
    const QString euros = Lines(65529, QChar(0x20AC));
    Show(WriteFile("\xEF\xBB\xBF" + euros.toUtf8()));
    EXPECT_EQ(BoxText(), euros);
    EXPECT_TRUE(viewer.txbText1->isReadOnly());
    EXPECT_EQ(viewer.txbText1->textCursor().position(), 0);
    const QString accents = Lines(300000, QChar(0xE9));
    Show(WriteFile(accents.toUtf8(), "long.txt"));
    EXPECT_EQ(BoxText(), TextForViewer(accents).replace("\r\n", "\n"));
    const QString text = QStringLiteral("Dee-Cecil \u20AC\n");
    QByteArray utf16 = "\xFF\xFE";  // little-endian UTF-16, as its byte-order mark says
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    Show(WriteFile(utf16, "utf16.txt"));
    EXPECT_EQ(BoxText(), text);
    EXPECT_TRUE(dialogs.shown.empty());
}

// A FIFO would hold the program in open() until a writer came: only a regular file is read.
TEST_F(TextViewerTest, AFileItCannotShowIsReportedWithItsReason)
{
    const QString fifo = dir.filePath("help.fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto reason = [](int error) {
        return QString::fromStdString(std::generic_category().message(error));
    };
    const std::pair<QString, QString> cases[] = {
        {WriteFile({}, "empty.txt"), "File is empty!"},
        {dir.filePath("missing.txt"), QString("Error %1.  %2").arg(ENOENT).arg(reason(ENOENT))},
        {dir.path(), QString("Error %1.  %2").arg(EISDIR).arg(reason(EISDIR))},
        {fifo, QString("Error %1.  Not a regular file.").arg(EINVAL)}};
    for (const auto &[path, message] : cases) {
        Show(path);
        ASSERT_EQ(dialogs.shown.size(), 1u) << path.toStdString();
        EXPECT_EQ(dialogs.shown[0].text, message);
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(viewer.isVisible());
        EXPECT_FALSE(viewer.blnFileDisplayed);
    }
}

TEST_F(TextViewerTest, CopiesTheSelectionOrElseTheWholeText)
{
    Show(WriteFile("first line\r\nsecond line\r\n"));
    QTextCursor cursor(viewer.txbText1->document());
    cursor.setPosition(16, QTextCursor::KeepAnchor);
    viewer.txbText1->setTextCursor(cursor);
    QTest::mouseRelease(viewer.txbText1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(viewer.cmdCopyToClipboard->text(), "Copy selected text to clipboard");
    viewer.cmdCopyToClipboard->click();
    EXPECT_EQ(std::pair(clipboard.text, viewer.focusWidget()),
              std::pair(QString("first line\nsecon"), static_cast<QWidget *>(viewer.cmdClose)));
    viewer.txbText1->moveCursor(QTextCursor::End);
    viewer.cmdCopyToClipboard->click();
    EXPECT_EQ(clipboard.text, "first line\nsecond line\n");
    QTest::keyClick(viewer.txbText1, Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible()) << "Esc closes it as Close does";
    EXPECT_TRUE(viewer.blnFileDisplayed) << "and keeps the file, as Close does";
}

}  // namespace
}  // namespace vardex
