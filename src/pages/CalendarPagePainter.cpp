// SPDX-License-Identifier: MIT
#include "CalendarPagePainter.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/Calendars.h"
#include "history/YearStart.h"

namespace vardex {

namespace {

// The page is laid out in tenths of a point: a font's pixel size is a whole number of these, so
// that type sizes keep a tenth of a point and scale with the page on every device.
constexpr double kUnitsPerPoint = 10;
constexpr double Pt(double points) { return points * kUnitsPerPoint; }

constexpr double kMillimetre = 72 / 25.4;

// Dark inks, so that the page reads in greyscale too; the marks differ by shape as well.
const QColor kInk(0x1A, 0x1A, 0x1A);
const QColor kGrey(0x5C, 0x5C, 0x5C);
const QColor kRule(0x9A, 0x9A, 0x9A);
const QColor kHairline(0xD0, 0xD0, 0xD0);
const QColor kSunday(0xB0, 0x1E, 0x1E);
const QColor kSundayTint(0xFB, 0xF0, 0xEE);

QColor KindColour(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Season: return {0x9A, 0x4D, 0x00};
    case MarkKind::Moon: return {0x1D, 0x3F, 0x8A};
    case MarkKind::Jewish: return {0x0B, 0x5F, 0x6B};
    case MarkKind::Islamic: return {0x2A, 0x6B, 0x2D};
    case MarkKind::Feast: break;
    }
    return {0x9B, 0x1B, 0x30};
}

QString Q(const std::string &text) { return QString::fromStdString(text); }

QFont Font(bool serif, double points, bool bold = false, bool italic = false)
{
    QFont font;
    font.setFamilies(serif ? QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}
                           : QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(Pt(points)))));
    font.setBold(bold);
    font.setItalic(italic);
    // Hinting would fit the letters to pixels of a size the page never has on its device.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Capitals spaced out, as a label's type. The spacing is a share of the letters' own: a spacing in
// pixels would be taken as the device's, not the page's.
QFont Spaced(QFont font, double percent)
{
    font.setCapitalization(QFont::AllUppercase);
    font.setLetterSpacing(QFont::PercentageSpacing, percent);
    return font;
}

double Advance(const QFont &font, const QString &text) { return QFontMetricsF(font).horizontalAdvance(text); }
double Ascent(const QFont &font) { return QFontMetricsF(font).ascent(); }
double Descent(const QFont &font) { return QFontMetricsF(font).descent(); }
double CapHeight(const QFont &font) { return QFontMetricsF(font).capHeight(); }
double LineHeight(const QFont &font) { return QFontMetricsF(font).lineSpacing(); }

// text broken into lines of at most width, at spaces where it can be.
std::vector<QString> Wrap(const QString &text, const QFont &font, double width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    std::vector<QString> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1.0));
        lines.push_back(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

// The drawing surface, or none when the page is only being laid out.
class Canvas {
public:
    explicit Canvas(QPainter *painter) : painter_(painter) {}

    void Text(const QFont &font, const QColor &colour, QPointF baseline, const QString &text) const
    {
        if (!painter_)
            return;
        painter_->setFont(font);
        painter_->setPen(colour);
        painter_->drawText(baseline, text);
    }
    void Line(QPointF from, QPointF to, const QColor &colour, double widthPoints) const
    {
        if (!painter_)
            return;
        painter_->setPen(QPen(colour, Pt(widthPoints), Qt::SolidLine, Qt::FlatCap));
        painter_->drawLine(from, to);
    }
    void Fill(const QRectF &rect, const QColor &colour) const
    {
        if (painter_)
            painter_->fillRect(rect, colour);
    }
    // A mark's sign: a cross for a feast, a diamond for a season, the Moon's phase as almanacs
    // draw it (new filled, full open, a quarter half filled on its dark side), a triangle for a
    // Jewish holiday, a square for an Islamic month.
    void Sign(const DayMark &mark, QPointF centre, double size) const;

private:
    QPainter *painter_;
};

void Canvas::Sign(const DayMark &mark, QPointF centre, double size) const
{
    if (!painter_)
        return;
    const QColor colour = KindColour(mark.kind);
    const double r = size / 2;
    painter_->save();
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(colour);
    switch (mark.kind) {
    case MarkKind::Feast: {
        const double bar = size * 0.32;
        painter_->drawRect(QRectF(centre.x() - bar / 2, centre.y() - r, bar, size));
        painter_->drawRect(QRectF(centre.x() - r * 0.8, centre.y() - r * 0.45, size * 0.8, bar));
        break;
    }
    case MarkKind::Season:
        painter_->drawPolygon(QPolygonF({{centre.x(), centre.y() - r},
                                         {centre.x() + r, centre.y()},
                                         {centre.x(), centre.y() + r},
                                         {centre.x() - r, centre.y()}}));
        break;
    case MarkKind::Moon: {
        const double line = size * 0.14;
        const QRectF disc(centre.x() - r + line / 2, centre.y() - r + line / 2, size - line, size - line);
        if (mark.id == "new_moon") {
            painter_->drawEllipse(disc);
        } else {
            if (mark.id == "first_quarter")
                painter_->drawPie(disc, 90 * 16, 180 * 16);  // the left half dark
            else if (mark.id == "last_quarter")
                painter_->drawPie(disc, -90 * 16, 180 * 16);
            painter_->setPen(QPen(colour, line));
            painter_->setBrush(Qt::NoBrush);
            painter_->drawEllipse(disc);
        }
        break;
    }
    case MarkKind::Jewish:
        painter_->drawPolygon(QPolygonF({{centre.x(), centre.y() - r},
                                         {centre.x() + r, centre.y() + r * 0.75},
                                         {centre.x() - r, centre.y() + r * 0.75}}));
        break;
    case MarkKind::Islamic: {
        const double side = size * 0.8;
        painter_->drawRect(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side));
        break;
    }
    }
    painter_->restore();
}

// Lines of wrapped text from top down; returns the bottom of the last.
double Paragraph(const Canvas &canvas, const QFont &font, const QColor &colour, QPointF topLeft, double width,
                 const QString &text)
{
    double y = topLeft.y();
    for (const QString &line : Wrap(text, font, width)) {
        canvas.Text(font, colour, {topLeft.x(), y + Ascent(font)}, line);
        y += LineHeight(font);
    }
    return y;
}

// The title, the calendar or place at its right (below it where there is no room), a rule and the
// year-start note; returns where the page's body begins.
double Heading(const Canvas &canvas, const PageSheet &sheet, const QRectF &area, bool year)
{
    const QFont title = Font(true, year ? 26 : 30);
    const QFont name = Spaced(Font(false, 8.5), 115);
    const QString titleText = Q(sheet.title), nameText = Q(sheet.calendarName);
    const double baseline = area.top() + CapHeight(title);
    canvas.Text(title, kInk, {area.left(), baseline}, titleText);
    double y = baseline + Descent(title) * 0.6;
    const double nameWidth = Advance(name, nameText);
    if (Advance(title, titleText) + Pt(18) + nameWidth <= area.width()) {
        canvas.Text(name, kGrey, {area.right() - nameWidth, baseline}, nameText);
    } else {
        y += LineHeight(name);
        canvas.Text(name, kGrey, {area.left(), y - Descent(name)}, nameText);
    }
    y += Pt(5);
    canvas.Line({area.left(), y}, {area.right(), y}, kInk, 1.2);
    y += Pt(5);
    if (!sheet.yearStartNote.empty())
        y = Paragraph(canvas, Font(true, 9, false, true), kGrey, {area.left(), y}, area.width(),
                      Q(sheet.yearStartNote));
    return y + Pt(year ? 8 : 12);
}

// The legend's items side by side (on more lines where needed), then a rule and the notes;
// returns the bottom.
double Footer(const Canvas &canvas, const PageSheet &sheet, QPointF topLeft, double width)
{
    const QFont legend = Font(false, 7.5);
    const double sign = Pt(6), gap = Pt(14);
    double x = topLeft.x(), y = topLeft.y();
    const double baseline = Ascent(legend);
    bool any = false;
    const auto item = [&](double leading, const QString &text, const QColor &colour) {
        const double itemWidth = leading + Advance(legend, text);
        if (x > topLeft.x() && x + itemWidth > topLeft.x() + width) {
            x = topLeft.x();
            y += LineHeight(legend) + Pt(2);
        }
        canvas.Text(legend, colour, {x + leading, y + baseline}, text);
        const double start = x;
        x += itemWidth + gap;
        any = true;
        return start;
    };
    const double middle = baseline - CapHeight(legend) / 2;
    if (sheet.request.sundays) {
        const double start = item(Pt(10), QStringLiteral("Sundays"), kSunday);
        const QRectF square(start, y + middle - sign / 2, sign, sign);
        canvas.Fill(square, kSundayTint);
        for (const auto &[from, to] : {std::pair(square.topLeft(), square.topRight()),
                                       std::pair(square.topRight(), square.bottomRight()),
                                       std::pair(square.bottomRight(), square.bottomLeft()),
                                       std::pair(square.bottomLeft(), square.topLeft())})
            canvas.Line(from, to, kSunday, 0.6);
    }
    for (const MarkKind kind : sheet.legend) {
        if (kind == MarkKind::Moon) {
            static const char *const kPhases[] = {"new_moon", "first_quarter", "full_moon", "last_quarter"};
            const double start =
                item(4 * Pt(8) + Pt(2), QStringLiteral("Moon: new, first quarter, full, last quarter"),
                     KindColour(kind));
            for (int i = 0; i < 4; ++i)
                canvas.Sign({kind, kPhases[i], {}, {}}, {start + Pt(3) + i * Pt(8), y + middle}, sign);
        } else {
            const double start = item(Pt(10), QString::fromLatin1(MarkKindTitle(kind)), KindColour(kind));
            canvas.Sign({kind, {}, {}, {}}, {start + Pt(3), y + middle}, sign);
        }
    }
    if (any)
        y += LineHeight(legend) + Pt(5);
    canvas.Line({topLeft.x(), y}, {topLeft.x() + width, y}, kRule, 0.5);
    y += Pt(4);
    const QFont notes = Font(false, 7);
    for (const std::string &note : sheet.notes)
        y = Paragraph(canvas, notes, kGrey, {topLeft.x(), y}, width, Q(note));
    return y;
}

// Two thin lines at x, where the dates jump: the days a change of calendar left out.
void GapRule(const Canvas &canvas, double x, double top, double bottom)
{
    for (const double dx : {-Pt(1.1), Pt(1.1)})
        canvas.Line({x + dx, top}, {x + dx, bottom}, kInk, 0.6);
}

int16_t FirstColumnWeekday(FirstWeekday first) { return first == FirstWeekday::Monday ? 1 : 0; }

// A day of a month page: the number, the second date beneath, and the marks, as many as there is
// room for, then how many more.
void MonthDay(const Canvas &canvas, const PageSheet &sheet, const SheetMonth &month, size_t index,
              const QRectF &cell)
{
    const PageDay &day = month.page.days[index];
    const double pad = Pt(5);
    const QFont number = Font(false, 20);
    const bool sunday = sheet.request.sundays && day.weekday == 0;
    double y = cell.top() + pad + CapHeight(number);
    canvas.Text(number, sunday ? kSunday : kInk, {cell.left() + pad, y}, QString::number(day.date.day));
    y += Pt(3);
    if (index < month.seconds.size() && !month.seconds[index].empty()) {
        const QFont second = Font(false, 7.5);
        y += Ascent(second);
        canvas.Text(second, kGrey, {cell.left() + pad, y}, Q(month.seconds[index]));
        y += Descent(second);
    }
    y += Pt(3);
    const QFont label = Font(false, 6.8);
    const double line = LineHeight(label), indent = Pt(7.5), width = cell.width() - 2 * pad - indent;
    const std::vector<DayMark> &marks = month.marks[index];
    for (size_t m = 0; m < marks.size(); ++m) {
        const DayMark &mark = marks[m];
        const QString text =
            Q(mark.name) + (mark.time.empty() ? QString() : QStringLiteral(" ") + Q(mark.time));
        const std::vector<QString> lines = Wrap(text, label, width);
        const bool last = m + 1 == marks.size();
        // Room for this mark whole, and, unless it is the last, for the line that counts the rest.
        if (y + line * (lines.size() + (last ? 0 : 1)) > cell.bottom() - Pt(2)) {
            if (y + line <= cell.bottom() - Pt(2))
                canvas.Text(label, kGrey, {cell.left() + pad, y + Ascent(label)},
                            QStringLiteral("+%1 more").arg(marks.size() - m));
            return;
        }
        canvas.Sign(mark, {cell.left() + pad + Pt(2.8), y + Ascent(label) - CapHeight(label) / 2}, Pt(5.2));
        for (const QString &text : lines) {
            canvas.Text(label, KindColour(mark.kind), {cell.left() + pad + indent, y + Ascent(label)}, text);
            y += line;
        }
        y += Pt(1);
    }
}

void MonthGrid(const Canvas &canvas, const PageSheet &sheet, const QRectF &body, std::vector<PageCell> *cells)
{
    const SheetMonth &month = sheet.months.front();
    const std::vector<std::array<int, 7>> rows = WeekRows(month.page, sheet.request.firstWeekday);
    const int16_t firstWeekday = FirstColumnWeekday(sheet.request.firstWeekday);
    const double columnWidth = body.width() / 7;
    const QFont head = Spaced(Font(false, 7.5), 112);
    for (int column = 0; column < 7; ++column) {
        const auto weekday = static_cast<int16_t>((firstWeekday + column) % 7);
        QString text = QString::fromLatin1(WeekdayName(weekday));
        if (Advance(head, text) > columnWidth - Pt(4))
            text = QString::fromLatin1(WeekdayHead(weekday));
        const bool sunday = sheet.request.sundays && weekday == 0;
        canvas.Text(head, sunday ? kSunday : kGrey,
                    {body.left() + column * columnWidth + (columnWidth - Advance(head, text)) / 2,
                     body.top() + CapHeight(head)},
                    text);
    }
    const double top = body.top() + CapHeight(head) + Pt(7);
    const auto rowCount = static_cast<double>(std::max<size_t>(rows.size(), 1));
    const double rowHeight = (body.bottom() - top) / rowCount;
    const double bottom = top + rowHeight * rowCount;
    const auto cellOf = [&](size_t row, int column) {
        return QRectF(body.left() + column * columnWidth, top + static_cast<double>(row) * rowHeight,
                      columnWidth, rowHeight);
    };
    for (size_t row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 7; ++column) {
            const int index = rows[row][static_cast<size_t>(column)];
            if (index >= 0 && sheet.request.sundays &&
                month.page.days[static_cast<size_t>(index)].weekday == 0)
                canvas.Fill(cellOf(row, column), kSundayTint);
        }
    for (int column = 1; column < 7; ++column)
        canvas.Line({body.left() + column * columnWidth, top}, {body.left() + column * columnWidth, bottom},
                    kHairline, 0.5);
    canvas.Line({body.left(), top}, {body.right(), top}, kInk, 0.8);
    for (size_t row = 1; row <= rows.size(); ++row)
        canvas.Line({body.left(), top + static_cast<double>(row) * rowHeight},
                    {body.right(), top + static_cast<double>(row) * rowHeight}, kRule, 0.6);
    for (size_t row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 7; ++column) {
            const int index = rows[row][static_cast<size_t>(column)];
            if (index < 0)
                continue;
            const QRectF cell = cellOf(row, column);
            const auto day = static_cast<size_t>(index);
            MonthDay(canvas, sheet, month, day, cell);
            if (month.afterGap[day])
                GapRule(canvas, cell.left(), cell.top() + Pt(3), cell.bottom() - Pt(3));
            if (cells)
                cells->push_back({0, day, cell});
        }
}

// "January", or the month's own title where the place wrote another year ("February 1751/2").
QString SmallMonthTitle(const MonthPage &page)
{
    const std::string plain = std::string(MonthName(page.month)) + " " + YearText(page.year);
    return page.title == plain ? QString::fromLatin1(MonthName(page.month)) : Q(page.title);
}

void SmallMonth(const Canvas &canvas, const PageSheet &sheet, size_t monthIndex, const QRectF &box,
                size_t weeks, std::vector<PageCell> *cells)
{
    const SheetMonth &month = sheet.months[monthIndex];
    const QFont heading = Font(true, 11, true);
    const QFont head = Font(false, 5.8);
    const QFont number = Font(false, 8);
    const double columnWidth = box.width() / 7;
    double y = box.top() + CapHeight(heading);
    canvas.Text(heading, kInk, {box.left(), y}, SmallMonthTitle(month.page));
    y += Pt(6) + CapHeight(head);
    const int16_t firstWeekday = FirstColumnWeekday(sheet.request.firstWeekday);
    for (int column = 0; column < 7; ++column) {
        const auto weekday = static_cast<int16_t>((firstWeekday + column) % 7);
        const QString text = QString::fromLatin1(WeekdayHead(weekday));
        canvas.Text(head, sheet.request.sundays && weekday == 0 ? kSunday : kGrey,
                    {box.left() + column * columnWidth + (columnWidth - Advance(head, text)) / 2, y}, text);
    }
    y += Pt(2.5);
    canvas.Line({box.left(), y}, {box.right(), y}, kHairline, 0.5);
    const double top = y + Pt(1);
    const double rowHeight = (box.bottom() - top) / static_cast<double>(weeks);
    const std::vector<std::array<int, 7>> rows = WeekRows(month.page, sheet.request.firstWeekday);
    const double sign = std::min(Pt(4.2), rowHeight * 0.24);
    for (size_t row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 7; ++column) {
            const int index = rows[row][static_cast<size_t>(column)];
            if (index < 0)
                continue;
            const auto dayIndex = static_cast<size_t>(index);
            const PageDay &day = month.page.days[dayIndex];
            const QRectF cell(box.left() + column * columnWidth, top + static_cast<double>(row) * rowHeight,
                              columnWidth, rowHeight);
            const QString text = QString::number(day.date.day);
            const double baseline = cell.top() + Pt(1.5) + CapHeight(number);
            canvas.Text(number, sheet.request.sundays && day.weekday == 0 ? kSunday : kInk,
                        {cell.center().x() - Advance(number, text) / 2, baseline}, text);
            const std::vector<DayMark> &marks = month.marks[dayIndex];
            const size_t shown = std::min<size_t>(marks.size(), 4);
            const double step = sign + Pt(0.9);
            double x = cell.center().x() - (static_cast<double>(shown) * step - Pt(0.9)) / 2 + sign / 2;
            for (size_t m = 0; m < shown; ++m, x += step)
                canvas.Sign(marks[m], {x, baseline + Pt(1.8) + sign / 2}, sign);
            if (month.afterGap[dayIndex])
                GapRule(canvas, cell.left(), cell.top() + Pt(0.5), cell.bottom() - Pt(0.5));
            if (cells)
                cells->push_back({monthIndex, dayIndex, cell});
        }
}

void YearGrid(const Canvas &canvas, const PageSheet &sheet, const QRectF &body, std::vector<PageCell> *cells)
{
    constexpr int kColumns = 4, kRows = 3;
    const double gutterX = Pt(22), gutterY = Pt(12);
    const double width = (body.width() - (kColumns - 1) * gutterX) / kColumns;
    const double height = (body.height() - (kRows - 1) * gutterY) / kRows;
    size_t weeks = 6;  // the months line up, whatever their number of weeks
    for (const SheetMonth &month : sheet.months)
        weeks = std::max(weeks, WeekRows(month.page, sheet.request.firstWeekday).size());
    for (size_t i = 0; i < sheet.months.size(); ++i) {
        const auto column = static_cast<double>(i % kColumns), row = static_cast<double>(i / kColumns);
        SmallMonth(canvas, sheet, i,
                   QRectF(body.left() + column * (width + gutterX), body.top() + row * (height + gutterY),
                          width, height),
                   weeks, cells);
    }
}

}  // namespace

QSizeF PaperPoints(PaperSize paper, PageScope scope)
{
    const QSizeF upright = paper == PaperSize::Letter ? QSizeF(612, 792) : QSizeF(210, 297) * kMillimetre;
    return scope == PageScope::Year ? upright.transposed() : upright;
}

CalendarPagePainter::CalendarPagePainter(const PageSheet &sheet, PaperSize paper)
    : sheet_(sheet),
      paper_(PaperPoints(paper, sheet.request.scope))
{
}

QRectF CalendarPagePainter::FittedPage(const QRectF &area) const
{
    const QSizeF size = paper_.scaled(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2, size.width(),
                  size.height());
}

void CalendarPagePainter::Paint(QPainter &painter, const QRectF &page) const
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(page, Qt::white);
    painter.translate(page.topLeft());
    painter.scale(page.width() / Pt(paper_.width()), page.height() / Pt(paper_.height()));
    Run(&painter, nullptr);
    painter.restore();
}

std::vector<PageCell> CalendarPagePainter::Cells(const QRectF &page) const
{
    std::vector<PageCell> cells;
    Run(nullptr, &cells);
    const double sx = page.width() / Pt(paper_.width()), sy = page.height() / Pt(paper_.height());
    for (PageCell &cell : cells)
        cell.rect = QRectF(page.left() + cell.rect.left() * sx, page.top() + cell.rect.top() * sy,
                           cell.rect.width() * sx, cell.rect.height() * sy);
    return cells;
}

void CalendarPagePainter::Run(QPainter *painter, std::vector<PageCell> *cells) const
{
    if (sheet_.months.empty())
        return;
    const Canvas canvas(painter);
    const bool year = sheet_.request.scope == PageScope::Year;
    const double width = Pt(paper_.width()), height = Pt(paper_.height());
    const double side = Pt(year ? 34 : 40), top = Pt(year ? 30 : 40), bottom = Pt(year ? 26 : 32);
    const QRectF content(side, top, width - 2 * side, height - top - bottom);
    const double bodyTop = Heading(canvas, sheet_, content, year);
    const double footerHeight = Footer(Canvas(nullptr), sheet_, {content.left(), 0}, content.width());
    const double footerTop = content.bottom() - footerHeight;
    Footer(canvas, sheet_, {content.left(), footerTop}, content.width());
    const QRectF body(content.left(), bodyTop, content.width(),
                      std::max(footerTop - Pt(10) - bodyTop, Pt(10)));
    if (year)
        YearGrid(canvas, sheet_, body, cells);
    else
        MonthGrid(canvas, sheet_, body, cells);
}

}  // namespace vardex
