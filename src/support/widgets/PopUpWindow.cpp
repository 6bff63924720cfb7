// SPDX-License-Identifier: MIT
#include "PopUpWindow.h"

#include <QEventLoop>
#include <QHideEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "Geometry.h"

namespace vardex {

namespace {

// Size the window has before its first display: that of the copy confirmation.
constexpr int kInitialWidth = 2920;
constexpr int kInitialHeight = 300;

}  // namespace

PopUpWindow::PopUpWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint),
      lblMessage(new QLabel(QStringLiteral("Label1"), this)),
      Timer1(new QTimer(this))
{
    setWindowModality(Qt::ApplicationModal);
    resize(SizeToPixels(kInitialWidth, kInitialHeight));

    QFont font = lblMessage->font();
    font.setFamily(QStringLiteral("Tahoma"));  // substituted by a similar face where missing
    lblMessage->setFont(font);
    lblMessage->setAlignment(Qt::AlignCenter);
    // Without a window border the box line is what sets the message apart from what lies behind.
    lblMessage->setFrameShape(QFrame::Box);
    lblMessage->setGeometry(rect());
    lblMessage->installEventFilter(this);

    connect(Timer1, &QTimer::timeout, this, &PopUpWindow::Timer1_Timer);
}

void PopUpWindow::PopUp(const QString &message, int width, int height, int intervalMs, int top, int left)
{
    lblMessage->setText(message);
    resize(SizeToPixels(width, height));
    lblMessage->resize(size());
    move(TopLeftToPixels(top, left));
    StartAndWait(intervalMs);
}

void PopUpWindow::StartAndWait(int intervalMs)
{
    Timer1->start(std::max(intervalMs, 0));
    QEventLoop loop;
    connect(this, &PopUpWindow::Closed, &loop, &QEventLoop::quit);
    show();
    raise();
    // A nested display (a second message while one is open) ends with the same hide, so every
    // loop waiting on this window quits together.
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
}

void PopUpWindow::Timer1_Timer()
{
    Timer1->stop();
    hide();
}

bool PopUpWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblMessage && event->type() == QEvent::MouseButtonRelease) {
        Timer1->stop();
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PopUpWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A hide by the window system (minimising) is not a close: the timer still runs.
    if (event->spontaneous())
        return;
    // Stopped here as well, so a close by any route leaves no interval running into the next
    // display.
    Timer1->stop();
    emit Closed();
}

}  // namespace vardex
