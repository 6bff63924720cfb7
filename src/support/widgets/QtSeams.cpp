// SPDX-License-Identifier: MIT
#include "QtSeams.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSize>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "ControlUtils.h"
#include "Geometry.h"
#include "input/TextUtils.h"

namespace vardex {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Below this width Qt wraps a message box's text at half the screen, too narrow for the lines.
constexpr int kNarrowScreen = 800;
constexpr int kRoomBesideText = 120;  // the icon, the margins and the window's frame

}  // namespace

void OnScreenMessageBox::showEvent(QShowEvent *event)
{
    if (const QScreen *shown = screen(); shown && shown->availableGeometry().width() < kNarrowScreen) {
        if (auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            const int room = shown->availableGeometry().width() - kRoomBesideText;
            label->setMinimumWidth(std::min(label->sizeHint().width(), room));
        }
    }
    QMessageBox::showEvent(event);  // sizes the box to its text
    KeepOnScreen(this);
    QTimer::singleShot(0, this, [this] { KeepOnScreen(this); });  // and once it has its frame
}

MessageReply QtDialogs::ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                                    MessageButtons buttons)
{
    QString shown = text;
    shown.replace(kCrLf, QStringLiteral("\n"));
    const bool yesNo = buttons == MessageButtons::YesNo;
    OnScreenMessageBox box(ToQt(icon), title, shown,
                           yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                           QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // A path or an address in a message can then be copied; the keyboard still reaches the buttons.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    if (yesNo)
        box.setEscapeButton(QMessageBox::No);  // closing the box answers No
    const int pressed = box.exec();
    if (!yesNo)
        return MessageReply::Ok;
    return pressed == QMessageBox::Yes ? MessageReply::Yes : MessageReply::No;
}

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::SetText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

QString QtSaveFileChooser::SavePath(const QString &title, const QString &suggestedName, const QString &filter,
                                    QString *selectedFilter)
{
    if (lastFolder_.isEmpty())
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), title,
                                     QDir(lastFolder_).filePath(suggestedName), filter, selectedFilter);
    if (!path.isEmpty())
        lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

QString QtOpenFileChooser::OpenPath(const QString &title, const QString &startPath, const QString &filter)
{
    if (lastFolder_.isEmpty())
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), title,
                                                      startPath.isEmpty() ? lastFolder_ : startPath, filter);
    if (!path.isEmpty())
        lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

int QtShell::Open(const QString &address)
{
    constexpr int kStarted = 42;  // any value above 32 means a browser was started
    constexpr int kNotFound = 2;
    constexpr int kNoApplication = 31;
    constexpr int kFailed = 5;  // a failure the three named codes do not describe
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid())
        return kNoApplication;
    // QDesktopServices starts xdg-open detached and reports only that it started; its exit
    // status says whether a browser took the address. xdg-open returns as soon as it has handed
    // the address on, so a short wait does not hold up the window.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return QDesktopServices::openUrl(url) ? kStarted : kNoApplication;
    QProcess process;
    process.start(xdgOpen, {url.toString()});
    if (!process.waitForStarted())
        return kNoApplication;
    if (!process.waitForFinished(kXdgOpenWaitMs))
        return kStarted;  // still busy: a browser in the foreground has it
    if (process.exitStatus() != QProcess::NormalExit)
        return kFailed;
    switch (process.exitCode()) {
    case 0: return kStarted;
    case 2: return kNotFound;       // the address names a file that does not exist
    case 3: return kNoApplication;  // no browser or other program for it
    default: return kFailed;        // 1 usage, 4 the action failed
    }
}

QSize QtScreen::SizePixels() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0};
    return (area_ == Area::Full ? screen->geometry() : screen->availableGeometry()).size();
}

int QtScreen::WidthTwips() const { return PixelsToTwips(SizePixels().width()); }

int QtScreen::HeightTwips() const { return PixelsToTwips(SizePixels().height()); }

}  // namespace vardex
