#include "QtSeams.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSize>
#include <QUrl>

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

}  // namespace

MessageReply QtDialogs::ShowMessage(const QString &text, const QString &title, MessageIcon icon,
                                    MessageButtons buttons)
{
    QString shown = text;
    shown.replace(kCrLf, QStringLiteral("\n"));
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(ToQt(icon), title, shown, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
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

int QtShell::Open(const QString &address)
{
    constexpr int kStarted = 42;  // any value above 32 means a browser was started
    constexpr int kNoApplication = 31;
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid())
        return kNoApplication;
    return QDesktopServices::openUrl(url) ? kStarted : kNoApplication;
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
