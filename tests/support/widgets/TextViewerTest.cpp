// SPDX-License-Identifier: MIT
// The help viewer: a file shown whole or cut, files it cannot show reported with their reason, copying.
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <system_error>

#include "QtPrinters.h"
#include "RecordingSeams.h"
#include "support/widgets/TextViewer.h"

namespace vardex {
namespace {

class TextViewerTest : public testing::Test {
protected:
    QString WriteFile(const QByteArray &bytes, const QString &name = "help.txt")
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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

    QTemporaryDir dir;
    test::RecordingDialogs dialogs;
    test::RecordingClipboard clipboard;
    TextViewer viewer{dialogs, clipboard};
};

// Decoded as the byte-order mark says (UTF-8 without one) and cut by characters, not bytes: 65,529
// are shown whole, more are cut and framed by the notes; Copy takes the selection or else all.
TEST_F(TextViewerTest, ShowsCopiesAndReports)
{
    const auto lines = [](qsizetype length, QChar filler) {  // of up to 80 characters
        QString text(length, filler);
        for (qsizetype i = 80; i < length; i += 81)
            text[i] = u'\n';
        return text;
    };
    const QString euros = lines(65529, QChar(0x20AC));  // three bytes of UTF-8 each
    Show(WriteFile("\xEF\xBB\xBF" + euros.toUtf8()));
    EXPECT_EQ(viewer.txbText1->toPlainText(), euros);
    const QString head = "NOTE: This file is too large to display entirely in this textbox.\r\n"
                         "To view the entire contents of the file load it into NotePad,\r\n"
                         "WordPad or some other text editor.\r\n\r\n";
    const QString tail = "NOTE: Entire contents of file have not been displayed.\r\n";
    for (const qsizetype length : {65530, 300000}) {
        const QString accents = lines(length, QChar(0xE9));
        Show(WriteFile(accents.toUtf8(), "long.txt"));
        const QString kept = accents.left(kViewerCapacity - head.size() - 4 - tail.size());
        EXPECT_EQ(viewer.txbText1->toPlainText(),
                  QString(head + kept + "\r\n\r\n" + tail).replace("\r\n", "\n"))
            << length;
    }
    const QString text = QStringLiteral("Dee-Cecil \u20AC\n");
    Show(WriteFile(QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(text)));
    EXPECT_EQ(viewer.txbText1->toPlainText(), text);
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
    // A FIFO would hold the program in open() until a writer came: only a regular file is read.
    const QString fifo = dir.filePath("help.fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto reason = [](int e) { return QString::fromStdString(std::generic_category().message(e)); };
    const std::pair<QString, QString> cases[] = {
        {WriteFile({}, "empty.txt"), "File is empty!"},
        {dir.filePath("missing.txt"), QString("Error %1.  %2").arg(ENOENT).arg(reason(ENOENT))},
        {dir.path(), QString("Error %1.  %2").arg(EISDIR).arg(reason(EISDIR))},
        {fifo, QString("Error %1.  Not a regular file.").arg(EINVAL)}};
    for (const auto &[path, message] : cases) {
        Show(path);
        ASSERT_EQ(dialogs.Texts(), QStringList{message}) << path.toStdString();
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(viewer.isVisible() || viewer.blnFileDisplayed);
    }
}

}  // namespace
}  // namespace vardex
