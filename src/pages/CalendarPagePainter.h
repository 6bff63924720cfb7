// SPDX-License-Identifier: MIT
// Draws a calendar page as one would pin it on a wall: the title and the calendar or place, the
// year-start note, the month's weeks in rows (the day's number large, the second date small
// beneath, the marks as short coloured labels with their shapes) or the year's twelve small months
// (the marks as coloured shapes), the legend and the footer's notes. One drawing for the screen,
// the printer, PDF, SVG and PNG: the page is laid out in points on its paper and scaled into the
// rectangle given. QtGui only.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <cstddef>
#include <vector>

#include "pages/CalendarPageSheet.h"

class QPainter;

namespace vardex {

enum class PaperSize { A4, Letter };

// The paper in points (1/72 inch): upright for a month, lying for a year.
QSizeF PaperPoints(PaperSize paper, PageScope scope);

// Where a day of the sheet is drawn.
struct PageCell {
    size_t month = 0;  // in sheet.months
    size_t day = 0;    // in that month's page.days
    QRectF rect;
};

class CalendarPagePainter {
public:
    // The sheet must outlive the painter.
    CalendarPagePainter(const PageSheet &sheet, PaperSize paper);

    QSizeF PaperSizePoints() const { return paper_; }

    // The largest rectangle of the paper's proportions centred in area.
    QRectF FittedPage(const QRectF &area) const;

    // Draws the page over the whole of page (best of the paper's proportions), a white sheet first.
    void Paint(QPainter &painter, const QRectF &page) const;

    // Where each day is drawn when the page is drawn over page, in the sheet's order.
    std::vector<PageCell> Cells(const QRectF &page) const;

private:
    // Lays the page out in tenths of a point, drawing it when painter is given and listing the days'
    // cells when cells is.
    void Run(QPainter *painter, std::vector<PageCell> *cells) const;

    const PageSheet &sheet_;
    QSizeF paper_;
};

}  // namespace vardex
