// SPDX-License-Identifier: MIT
// The calendar page on screen: the page drawn as it prints, on its paper, over the window's colour.
// One day is chosen at a time, framed; a click chooses it, and so do the arrow keys (Home and End
// to the first and last day) once Tab has brought the focus here, Enter or Space telling of it as a
// click does. Pointing at a day shows its dates as a tooltip.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "pages/CalendarPagePainter.h"

namespace vardex {

class CalendarPageView : public QWidget {
    Q_OBJECT

public:
    explicit CalendarPageView(QWidget *parent = nullptr);

    // Shows sheet on paper; the chosen day stays chosen where the page holds it.
    void Show(PageSheet sheet, PaperSize paper);
    const PageSheet &Sheet() const { return sheet_; }
    PaperSize Paper() const { return paper_; }

    // Chooses the day with that JDN where the page shows it (the first of two days a place gave
    // the same JDN cannot have); false where it does not.
    bool Choose(int32_t jdn);
    std::optional<int32_t> ChosenJdn() const;

    // Where a day is drawn in the view just now, for the tests' clicks; an empty rectangle when the
    // page does not show it.
    QRect DayRect(int32_t jdn) const;

    // The tooltip's text of a day.
    std::function<QString(int32_t jdn)> dayTip;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A day clicked, or Enter or Space on the chosen day.
    void dayOpened(int32_t jdn);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRectF PageRect() const;
    const std::vector<PageCell> &Cells() const;
    int CellAt(QPointF point) const;
    int CellAbove(int from, bool below) const;
    int32_t JdnOf(int cell) const;
    void Move(int cell);

    PageSheet sheet_;
    PaperSize paper_ = PaperSize::A4;
    int chosen_ = -1;  // in Cells()
    mutable std::vector<PageCell> cells_;
    mutable bool cellsValid_ = false;
};

}  // namespace vardex
