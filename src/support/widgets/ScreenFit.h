// SPDX-License-Identifier: MIT
// Windows that fit the screen they open on. A window asks for its preferred size; where the
// screen's available area (less the window's frame) is smaller, it takes what there is, never
// less than its minimum size, and its content scrolls (ScrollingArea). It is placed inside the
// area, and kept there each time it is shown.
#pragma once

#include <initializer_list>

#include <QMargins>
#include <QScrollArea>
#include <QSize>

class QWidget;

namespace vardex {

// The frame a window system puts round a window: the real one once the window has been shown,
// before that an allowance for a usual title bar and borders.
QMargins WindowFrameMargins(const QWidget *window);

// Sizes window to preferred (its client area), bounded by the room on its screen, and places it
// inside the screen's available area.
void FitToScreen(QWidget *window, QSize preferred);

// Makes a shown window smaller where it does not fit its screen's available area (never below
// its minimum size), then moves it inside the area: for each show, and again once the window
// system has framed it.
void KeepInsideScreen(QWidget *window);

// A window of a fixed design size takes its design size where its screen has room for it, and the
// room there is on a smaller screen, its content scrolling; for each show and again once framed.
void FitFixedDesign(QWidget *window, QSize design);

// A scroll area for a window's content: as large as the content wants where there is room (no
// cap on its preferred size, unlike QScrollArea's), scrolling where the window is smaller. It
// takes no focus of its own, shows the window's background, and brings a control that gets the
// focus into view.
class ScrollingArea : public QScrollArea {
    Q_OBJECT

public:
    // Takes content, which holds its own layout.
    explicit ScrollingArea(QWidget *content, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// A tool window's layout: its content in a ScrollingArea where the screen is small, and below it
// the window's buttons on the right, always in view.
void LayOutScrollingWithButtons(QWidget *window, QWidget *content, std::initializer_list<QWidget *> buttons);

// For a window of a fixed design size whose controls sit at their design places: moves them, in
// their order, onto a page of the window's present size in a ScrollingArea that fills the window,
// so that FitFixedDesign can show the window smaller than its design. Returns the page.
QWidget *PutOnScrollingPage(QWidget *window);

}  // namespace vardex
