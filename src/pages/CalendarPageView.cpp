// SPDX-License-Identifier: MIT
#include "CalendarPageView.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "support/widgets/ProgramStyle.h"

namespace vardex {

namespace {

constexpr int kPaperMargin = 10;  // pixels of the window's colour round the paper
const QColor kChosen(0x1F, 0x5F, 0xBF);
const QColor kChosenUnfocused(0x8A, 0x8A, 0x8A);

}  // namespace

CalendarPageView::CalendarPageView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Calendar page"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CalendarPageView::Show(PageSheet sheet, PaperSize paper)
{
    const std::optional<int32_t> chosen = ChosenJdn();
    sheet_ = std::move(sheet);
    paper_ = paper;
    cellsValid_ = false;
    chosen_ = -1;
    if (chosen)
        Choose(*chosen);
    updateGeometry();
    update();
}

QRectF CalendarPageView::PageRect() const
{
    // At the top, where the eye goes first, and centred across.
    const CalendarPagePainter painter(sheet_, paper_);
    QRectF page =
        painter.FittedPage(QRectF(rect()).adjusted(kPaperMargin, kPaperMargin, -kPaperMargin, -kPaperMargin));
    page.moveTop(kPaperMargin);
    return page;
}

const std::vector<PageCell> &CalendarPageView::Cells() const
{
    if (!cellsValid_) {
        cells_ = CalendarPagePainter(sheet_, paper_).Cells(PageRect());
        cellsValid_ = true;
    }
    return cells_;
}

int32_t CalendarPageView::JdnOf(int cell) const
{
    const PageCell &c = Cells()[static_cast<size_t>(cell)];
    return sheet_.months[c.month].page.days[c.day].jdn;
}

bool CalendarPageView::Choose(int32_t jdn)
{
    for (size_t i = 0; i < Cells().size(); ++i) {
        if (JdnOf(static_cast<int>(i)) == jdn) {
            chosen_ = static_cast<int>(i);
            update();
            return true;
        }
    }
    return false;
}

std::optional<int32_t> CalendarPageView::ChosenJdn() const
{
    if (chosen_ < 0 || static_cast<size_t>(chosen_) >= Cells().size())
        return std::nullopt;
    return JdnOf(chosen_);
}

QRect CalendarPageView::DayRect(int32_t jdn) const
{
    for (size_t i = 0; i < Cells().size(); ++i)
        if (JdnOf(static_cast<int>(i)) == jdn)
            return Cells()[i].rect.toAlignedRect();
    return {};
}

QSize CalendarPageView::sizeHint() const
{
    // The page's longer side 600 pixels: the whole window fits a screen of 1024 pixels' height,
    // and the page grows with the window.
    const QSizeF paper = PaperPoints(paper_, sheet_.request.scope);
    const QSizeF page = paper * (600 / std::max(paper.width(), paper.height()));
    return (page + QSizeF(2 * kPaperMargin, 2 * kPaperMargin)).toSize();
}

QSize CalendarPageView::minimumSizeHint() const { return {220, 180}; }

int CalendarPageView::CellAt(QPointF point) const
{
    for (size_t i = 0; i < Cells().size(); ++i)
        if (Cells()[i].rect.contains(point))
            return static_cast<int>(i);
    return -1;
}

// The nearest day straight above (or below) a day, in the same column of weeks: on a year's page
// in the month above or below too. The day itself where there is none.
int CalendarPageView::CellAbove(int from, bool below) const
{
    const std::vector<PageCell> &cells = Cells();
    const QPointF start = cells[static_cast<size_t>(from)].rect.center();
    int best = from;
    double bestDistance = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        const QPointF centre = cells[i].rect.center();
        const double dy = centre.y() - start.y();
        if (std::abs(centre.x() - start.x()) > 1 || (below ? dy <= 0 : dy >= 0))
            continue;
        if (best == from || std::abs(dy) < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = std::abs(dy);
        }
    }
    return best;
}

void CalendarPageView::Move(int cell)
{
    if (Cells().empty())
        return;
    chosen_ = std::clamp(cell, 0, static_cast<int>(Cells().size()) - 1);
    update();
}

void CalendarPageView::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QColor desk = palette().color(QPalette::Window);
    painter.fillRect(rect(), desk);
    const QRectF page = PageRect();
    painter.fillRect(page.translated(3, 3), desk.darker(160));  // the paper's shadow
    CalendarPagePainter(sheet_, paper_).Paint(painter, page);
    if (const std::optional<int32_t> jdn = ChosenJdn()) {
        const QRectF cell = Cells()[static_cast<size_t>(chosen_)].rect;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(hasFocus() ? kChosen : kChosenUnfocused, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        const int ring = ProgramStyle::kFocusRingWidth;
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(ProgramStyle::FocusRingColour(desk), ring));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(ring / 2.0, ring / 2.0, -ring / 2.0, -ring / 2.0));
    }
}

void CalendarPageView::mousePressEvent(QMouseEvent *event)
{
    const int cell = event->button() == Qt::LeftButton ? CellAt(event->position()) : -1;
    if (cell < 0)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    Move(cell);
    emit dayOpened(JdnOf(cell));
}

void CalendarPageView::keyPressEvent(QKeyEvent *event)
{
    const int count = static_cast<int>(Cells().size());
    if (count == 0 || event->modifiers() & ~Qt::KeypadModifier)
        return QWidget::keyPressEvent(event);
    const int from = chosen_ >= 0 ? chosen_ : 0;
    switch (event->key()) {
    case Qt::Key_Left: return Move(chosen_ >= 0 ? from - 1 : 0);
    case Qt::Key_Right: return Move(chosen_ >= 0 ? from + 1 : 0);
    case Qt::Key_Up: return Move(chosen_ >= 0 ? CellAbove(from, false) : 0);
    case Qt::Key_Down: return Move(chosen_ >= 0 ? CellAbove(from, true) : 0);
    case Qt::Key_Home: return Move(0);
    case Qt::Key_End: return Move(count - 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (chosen_ < 0)
            Move(0);
        emit dayOpened(JdnOf(chosen_));
        return;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

void CalendarPageView::resizeEvent(QResizeEvent *event)
{
    cellsValid_ = false;
    QWidget::resizeEvent(event);
}

bool CalendarPageView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int cell = CellAt(help->pos());
        if (cell >= 0 && dayTip)
            QToolTip::showText(help->globalPos(), dayTip(JdnOf(cell)), this,
                               Cells()[static_cast<size_t>(cell)].rect.toAlignedRect());
        else
            QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return QWidget::event(event);
}

}  // namespace vardex
