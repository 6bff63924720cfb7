// SPDX-License-Identifier: MIT
#include "CalendarPageFiles.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

namespace vardex {

namespace {

QString PageTitle(const PageSheet &sheet)
{
    return QString::fromStdString(sheet.title + " \u2014 " + sheet.calendarName);
}

QByteArray Pdf(const PageSheet &sheet, PaperSize paper)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(PageTitle(sheet));
    writer.setCreator(QStringLiteral("Vardex"));
    // The page draws its own margins, wider than any printer's.
    writer.setPageLayout(
        QPageLayout(QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4),
                    sheet.request.scope == PageScope::Year ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF()));
    QPainter painter(&writer);
    const CalendarPagePainter page(sheet, paper);
    page.Paint(painter, QRectF(0, 0, writer.width(), writer.height()));
    painter.end();
    return bytes;
}

QByteArray Svg(const PageSheet &sheet, PaperSize paper)
{
    const CalendarPagePainter page(sheet, paper);
    // CSS pixels, 96 to the inch, so that a browser shows the page at its size.
    const QSizeF points = page.PaperSizePoints();
    const QSize size(static_cast<int>(std::lround(points.width() * 96 / 72)),
                     static_cast<int>(std::lround(points.height() * 96 / 72)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(PageTitle(sheet));
    svg.setDescription(QStringLiteral("A calendar page made with Vardex"));
    QPainter painter(&svg);
    page.Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return bytes;
}

QByteArray Png(const PageSheet &sheet, PaperSize paper)
{
    const CalendarPagePainter page(sheet, paper);
    const QSizeF points = page.PaperSizePoints();
    QImage image(static_cast<int>(std::lround(points.width() * kPagePngDotsPerInch / 72)),
                 static_cast<int>(std::lround(points.height() * kPagePngDotsPerInch / 72)),
                 QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int dotsPerMetre = static_cast<int>(std::lround(kPagePngDotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        page.Paint(painter, QRectF(image.rect()));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QString PageFileSuffix(PageFileFormat format)
{
    switch (format) {
    case PageFileFormat::Svg: return QStringLiteral("svg");
    case PageFileFormat::Png: return QStringLiteral("png");
    case PageFileFormat::Pdf: break;
    }
    return QStringLiteral("pdf");
}

QByteArray CalendarPageFile(const PageSheet &sheet, PaperSize paper, PageFileFormat format)
{
    switch (format) {
    case PageFileFormat::Svg: return Svg(sheet, paper);
    case PageFileFormat::Png: return Png(sheet, paper);
    case PageFileFormat::Pdf: break;
    }
    return Pdf(sheet, paper);
}

}  // namespace vardex
