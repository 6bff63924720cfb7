// SPDX-License-Identifier: MIT
#include "ScreenFit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <functional>

#include "ControlUtils.h"

namespace vardex {

namespace {

// Until the window system says, a title bar and borders as most desktops draw them.
constexpr QMargins kUsualFrame(8, 36, 8, 8);
constexpr int kFramingMs = 250;
// The least of the content a scrolling window shows, in lines of text each way.
constexpr int kLeastLines = 4;

QSize Room(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return screen->availableGeometry().size().shrunkBy(WindowFrameMargins(window));
}

// Fits now, and again once the window system has put its frame round the window, which it does
// after the window is shown, at once or a moment later.
void NowAndOnceFramed(QWidget *window, const std::function<void()> &fit)
{
    fit();
    QTimer::singleShot(0, window, fit);
    QTimer::singleShot(kFramingMs, window, fit);
}

}  // namespace

QMargins WindowFrameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (!window->isVisible() || frame == client)
        return kUsualFrame;
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void FitToScreen(QWidget *window, QSize preferred)
{
    const QSize room = Room(window);
    // Content that scrolls up and down needs the scroll bar's width beside it, or it scrolls
    // sideways too.
    if (preferred.height() > room.height())
        preferred.rwidth() += window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    window->resize(preferred.boundedTo(room).expandedTo(window->minimumSize()));
    KeepOnScreen(window);
}

void KeepInsideScreen(QWidget *window)
{
    const auto fit = [window] {
        const QSize size = window->size();
        const QSize fitted = size.boundedTo(Room(window)).expandedTo(window->minimumSize());
        if (fitted != size)
            window->resize(fitted);
        KeepOnScreen(window);
    };
    NowAndOnceFramed(window, fit);
}

void FitFixedDesign(QWidget *window, QSize design)
{
    const auto fit = [window, design] {
        const QSize room = Room(window);
        QSize size = design.boundedTo(room);
        // Scrolling one way takes a scroll bar's room the other way, where the screen has it.
        const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
        if (size.width() < design.width())
            size.setHeight(std::min(design.height() + bar, room.height()));
        if (size.height() < design.height())
            size.setWidth(std::min(design.width() + bar, room.width()));
        if (window->minimumSize() != size || window->maximumSize() != size)
            window->setFixedSize(size);
        KeepOnScreen(window);
    };
    NowAndOnceFramed(window, fit);
}

QWidget *PutOnScrollingPage(QWidget *window)
{
    auto *page = new QWidget;
    page->setFixedSize(window->size());
    page->setPalette(window->palette());
    const QObjectList children = window->children();  // a copy: the loop takes them away
    for (QObject *child : children) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow())
            continue;
        const bool hidden = control->isHidden();
        const QRect place = control->geometry();
        control->setParent(page);
        control->setGeometry(place);
        control->setVisible(!hidden);
    }
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new ScrollingArea(page, window));
    return page;
}

void LayOutScrollingWithButtons(QWidget *window, QWidget *content, std::initializer_list<QWidget *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QWidget *button : buttons)
        row->addWidget(button);
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(new ScrollingArea(content, window), 1);
    layout->addLayout(row);
}

ScrollingArea::ScrollingArea(QWidget *content, QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    // The window's colour shows through: neither the viewport nor the content paints its own.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    setWidget(content);
    // Whichever way the focus came (Tab from outside, a click, a shortcut), its control shows.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && widget() && widget()->isAncestorOf(now))
            ensureWidgetVisible(now);
    });
}

QSize ScrollingArea::sizeHint() const
{
    const QMargins frame = contentsMargins();
    const QSize content = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) : QSize();
    return content.grownBy(frame);
}

QSize ScrollingArea::minimumSizeHint() const
{
    // Room for a few lines and both scroll bars, and never more than the content needs.
    const int line = fontMetrics().height();
    const int bar = verticalScrollBar()->sizeHint().width();
    const QSize least(kLeastLines * 4 * line + bar, kLeastLines * line + bar);
    return least.boundedTo(sizeHint());
}

bool ScrollingArea::eventFilter(QObject *watched, QEvent *event)
{
    // The content asks to be laid out again after a change (a longer text): it is, at once, and
    // the scroll bars are worked out for its new size. QScrollArea alone waits for the next resize,
    // leaving wrapped texts squeezed meanwhile.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        if (QLayout *layout = widget()->layout())
            layout->activate();
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(this, &request);
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace vardex
