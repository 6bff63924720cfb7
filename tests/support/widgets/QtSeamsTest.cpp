// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "support/widgets/QtSeams.h"

namespace vardex {
namespace {

// xdg-open reports by its exit status whether a program took the address; a failure must reach
// the launcher's message instead of passing silently.
TEST(QtShell, ReadsXdgOpensExitStatus)
{
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);
    const std::pair<int, int> cases[] = {{0, 42}, {2, 2}, {3, 31}, {4, 5}};
    for (const auto &[status, expected] : cases) {
        QFile script(bin.filePath("xdg-open"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(status).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(QtShell().Open("https://vardex.example/manual"), expected) << "exit " << status;
    }
    qputenv("PATH", path);
}

TEST(QtDialogs, ShowTheMessageAsPlainTextAndReportTheButton)
{
    using Box = QMessageBox;
    const std::tuple<MessageIcon, MessageButtons, Box::StandardButton, Box::Icon, MessageReply> cases[] = {
        {MessageIcon::Exclamation, MessageButtons::YesNo, Box::Yes, Box::Warning, MessageReply::Yes},
        {MessageIcon::Critical, MessageButtons::Ok, Box::Ok, Box::Critical, MessageReply::Ok}};
    for (const auto &[icon, buttons, press, shownIcon, reply] : cases) {
        QString text, title;
        QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
        Qt::TextFormat format = Qt::AutoText;
        Qt::TextInteractionFlags interaction;
        QMessageBox::StandardButtons boxButtons;
        QTimer::singleShot(0, [&, press = press] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            std::tie(text, title, boxIcon, format, interaction, boxButtons) =
                std::tuple(box->text(), box->windowTitle(), box->icon(), box->textFormat(),
                           box->textInteractionFlags(), box->standardButtons());
            box->button(press)->click();
        });
        QtDialogs dialogs;
        EXPECT_EQ(dialogs.ShowMessage("Line one.\r\n<b>Line two.</b>", "Calculate", icon, buttons), reply);
        EXPECT_EQ(std::tuple(text, title, format),
                  std::tuple(QString("Line one.\n<b>Line two.</b>"), QString("Calculate"), Qt::PlainText));
        EXPECT_EQ(boxIcon, shownIcon);
        EXPECT_TRUE(interaction.testFlag(Qt::TextSelectableByMouse)) << "a path or address can be copied";
        EXPECT_EQ(boxButtons, buttons == MessageButtons::Ok ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                            : QMessageBox::Yes | QMessageBox::No);
    }
}

}  // namespace
}  // namespace vardex
