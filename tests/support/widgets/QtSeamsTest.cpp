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

#include "engine/Today.h"
#include "support/SystemClock.h"
#include "support/widgets/QtSeams.h"

namespace vardex {
namespace {

TEST(SystemClock, ReadsAsTodaysGregorianDate)
{
    const QDate before = QDate::currentDate();
    const TodayDate today = GetTodayDate(SystemClock().ShortDateText());
    const QDate read(today.date.year, today.date.month, today.date.day);
    EXPECT_TRUE(read == before || read == QDate::currentDate()) << SystemClock().ShortDateText();
    EXPECT_EQ(today.jdn, read.toJulianDay());
}

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

TEST(QtScreen, MeasuresThePrimaryScreenInTwips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QtScreen full;
    EXPECT_EQ(full.WidthTwips(), screen->geometry().width() * 15);
    EXPECT_EQ(full.HeightTwips(), screen->geometry().height() * 15);
    const QtScreen available(QtScreen::Area::Available);
    EXPECT_EQ(available.HeightTwips(), screen->availableGeometry().height() * 15);
}

struct DialogCase {
    const char *name;
    MessageIcon icon;
    MessageButtons buttons;
    QMessageBox::StandardButton press;
    QMessageBox::Icon expectedIcon;
    MessageReply expectedReply;
};

class QtDialogsTest : public testing::TestWithParam<DialogCase> {};

TEST_P(QtDialogsTest, ShowsTheMessageAndReportsTheButton)
{
    const DialogCase &c = GetParam();
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        format = box->textFormat();
        buttons = box->standardButtons();
        box->button(c.press)->click();
    });
    QtDialogs dialogs;
    const MessageReply reply =
        dialogs.ShowMessage("Line one.\r\n<b>Line two.</b>", "Calculate", c.icon, c.buttons);

    EXPECT_EQ(reply, c.expectedReply);
    EXPECT_EQ(text, "Line one.\n<b>Line two.</b>");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(title, "Calculate");
    EXPECT_EQ(icon, c.expectedIcon);
    EXPECT_EQ(buttons, c.buttons == MessageButtons::Ok ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                       : QMessageBox::Yes | QMessageBox::No);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, QtDialogsTest,
    testing::Values(DialogCase{"Plain", MessageIcon::None, MessageButtons::Ok, QMessageBox::Ok,
                               QMessageBox::NoIcon, MessageReply::Ok},
                    DialogCase{"ExclamationYes", MessageIcon::Exclamation, MessageButtons::YesNo,
                               QMessageBox::Yes, QMessageBox::Warning, MessageReply::Yes},
                    DialogCase{"InformationNo", MessageIcon::Information, MessageButtons::YesNo,
                               QMessageBox::No, QMessageBox::Information, MessageReply::No},
                    DialogCase{"Critical", MessageIcon::Critical, MessageButtons::Ok, QMessageBox::Ok,
                               QMessageBox::Critical, MessageReply::Ok}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vardex
