// SPDX-License-Identifier: MIT
// The platform seams as Qt and the system give them: xdg-open, writing files, message boxes, the pop-up.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "support/widgets/FileWriting.h"
#include "support/widgets/PopUpWindow.h"
#include "support/widgets/QtSeams.h"

namespace vardex {
namespace {

// xdg-open's exit status tells whether a program took the address: a failure must reach the message.
// A message box shows the text as written (no markup), selectable, so that a path or address can be
// copied, and reports the button.
// A saved file replaces the old one whole, a failed one writes nothing. QSaveFile often fails with no
// error of its own ("Unknown error"): the system's words then. A full disk is /dev/full, written
// through a plain QFile: a QSaveFile would put its file beside it, in /dev.
TEST(QtSeams, XdgOpensExitStatusMessageBoxesThePopUpAndWritingAWholeFileOrNone)
{
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);
    QFile script(bin.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\nexit $XDG_OPEN_STATUS\n") > 0);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const std::pair<int, int> statuses[] = {{0, 42}, {2, 2}, {3, 31}, {4, 5}};
    for (const auto &[status, expected] : statuses) {
        qputenv("XDG_OPEN_STATUS", QByteArray::number(status));
        EXPECT_EQ(QtShell().Open("https://vardex.example/manual"), expected) << "exit " << status;
    }
    qputenv("PATH", path);
    using Box = QMessageBox;
    const std::tuple<MessageIcon, MessageButtons, Box::StandardButton, Box::Icon, MessageReply> cases[] = {
        {MessageIcon::Exclamation, MessageButtons::YesNo, Box::No, Box::Warning, MessageReply::No},
        {MessageIcon::Critical, MessageButtons::Ok, Box::Ok, Box::Critical, MessageReply::Ok}};
    for (const auto &[icon, buttons, press, shownIcon, reply] : cases) {
        std::tuple<QString, QString, Box::Icon, bool> shown;  // ... and the text plain and selectable
        QTimer::singleShot(0, [&, press = press] {
            auto *box = qobject_cast<Box *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = {box->text(), box->windowTitle(), box->icon(),
                     box->textFormat() == Qt::PlainText &&
                         box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse)};
            box->button(press)->click();
        });
        EXPECT_EQ(QtDialogs().ShowMessage("Line one.\r\n<b>Line two.</b>", "Calculate", icon, buttons),
                  reply);
        EXPECT_EQ(shown,
                  std::tuple(QString("Line one.\n<b>Line two.</b>"), QString("Calculate"), shownIcon, true));
    }
    // The pop-up: modal until a click or the end of its interval.
    PopUpWindow popUp;
    std::pair<QString, bool> seen;  // the text, and modal
    QTimer::singleShot(20, &popUp, [&] {
        seen = {popUp.lblMessage->text(), QApplication::activeModalWidget() == &popUp};
        QTest::mouseClick(popUp.lblMessage, Qt::LeftButton);
    });
    popUp.PopUp("Result copied to clipboard", 2920, 300, 60000, 3900, 8050);  // returns once it is closed
    EXPECT_EQ(seen, std::pair(QString("Result copied to clipboard"), true));
    EXPECT_FALSE(popUp.isVisible() || popUp.Timer1->isActive());
    popUp.PopUp("second", 2920, 300, 50, 0, 0);  // and this one by its timer
    EXPECT_FALSE(popUp.isVisible());
    const QTemporaryDir folder;
    const QString file = folder.filePath("chart.svg"), missing = folder.filePath("no such folder/chart.svg");
    for (const QByteArray bytes : {"first", "second"})
        EXPECT_EQ(WriteWholeFile(file, bytes), std::nullopt);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "second");
    EXPECT_EQ(WriteWholeFile(missing, "third"), "no such file or directory");
    EXPECT_FALSE(QFileInfo::exists(missing));
    QFile unopened(file), missingFolder(missing);
    ASSERT_FALSE(missingFolder.open(QIODevice::WriteOnly));
    const std::tuple<const QFile *, int, QString> faults[] = {
        {&unopened, EROFS, "read-only file system"},
        {&unopened, 0, "the system gave no reason"},
        {&unopened, ENOSPC, "the disk is full"},
        {&missingFolder, 0, "no such file or directory"},
        {&missingFolder, EACCES, "no such file or directory"},
        {&missingFolder, ENOSPC, "the disk is full"}};
    for (const auto &[f, systemError, words] : faults)
        EXPECT_EQ(WriteFault(*f, systemError), words) << systemError;
    QFile full("/dev/full");
    if (QFileInfo(full).isFile() || !full.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "no /dev/full";
    errno = 0;
    EXPECT_FALSE(WriteAll(full, "a few bytes")) << "buffered, they fail only when flushed";
    EXPECT_EQ(WriteFault(full, errno), "the disk is full");
}

}  // namespace
}  // namespace vardex
