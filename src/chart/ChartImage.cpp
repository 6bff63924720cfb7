// SPDX-License-Identifier: MIT
#include "ChartImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <algorithm>
#include <array>

#include "chart/PolygonClip.h"
#include "chart/PolylineClip.h"

namespace vardex {

namespace {

// Below this many pixels the chart is laid out at the image's size; above, at this size and drawn
// larger, so that its texts and lines grow with the image instead of shrinking into its corner.
constexpr double kLayoutWidth = 960;
constexpr double kLayoutHeight = 540;

// A polyline as a path of its runs inside plot.
QPainterPath ClippedPath(const QList<QPointF> &line, const QRectF &plot)
{
    QPainterPath path;
    for (const QList<QPointF> &run : ClipPolyline(line, plot)) {
        path.moveTo(run.front());
        for (qsizetype k = 1; k < run.size(); ++k)
            path.lineTo(run[k]);
    }
    return path;
}

// Chart values as scene points, by the axes of series.
QList<QPointF> InScene(QList<QPointF> points, EquinoxChart &chart, QAbstractSeries *series)
{
    for (QPointF &point : points)
        point = chart.mapToScene(chart.mapToPosition(point, series));
    return points;
}

// The Delta-T band of one line, cut to plot: its area filled, its two edges stroked.
void PaintDeltaTBand(const DeltaTBand &band, EquinoxChart &chart, QAreaSeries *area, const QRectF &plot,
                     QPainter &painter)
{
    const DeltaTBand scene{InScene(band.low, chart, area), InScene(band.high, chart, area)};
    QPainterPath fill;
    fill.addPolygon(ClipPolygon(BandOutline(scene), plot));
    painter.fillPath(fill, area->brush());
    painter.strokePath(ClippedPath(scene.low, plot), area->pen());
    painter.strokePath(ClippedPath(scene.high, plot), area->pen());
}

// Draws a chart of data at ranges onto painter, filling size pixels.
void Paint(const EquinoxChartData &data, const ChartRanges &ranges, bool deltaTBand, QSize size,
           QPainter &painter)
{
    const double scale = std::max(1.0, std::min(size.width() / kLayoutWidth, size.height() / kLayoutHeight));
    const QRectF area(0, 0, size.width() / scale, size.height() / scale);
    QGraphicsScene scene;
    auto *chart = new EquinoxChart;  // the scene's from here on
    scene.addItem(chart);
    chart->Show(data);
    chart->ShowDeltaTBand(deltaTBand);
    chart->SetRanges(ranges);
    chart->setGeometry(area);
    // Lay the chart out now: the painter below comes before any event loop would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    // The SVG painter ignores clipping, so the chart draws no lines and no Delta-T band: they are
    // drawn below, cut at the edges of the plot, and in the PNG as well so that both images show
    // the same.
    const QRectF plot = chart->mapRectToScene(chart->plotArea());
    std::array<QPainterPath, kChartCalendars.size()> lines;
    std::array<DeltaTBand, kChartCalendars.size()> bands;
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i] = ClippedPath(InScene(LinePoints(data.series[i]), *chart, chart->Line(i)), plot);
        chart->Line(i)->clear();
        if (deltaTBand)
            bands[i] = DeltaTBandOf(data.series[i]);
        chart->DeltaTArea(i)->upperSeries()->clear();
        chart->DeltaTArea(i)->lowerSeries()->clear();
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    scene.render(&painter, area, area);
    for (size_t i = 0; i < bands.size() && deltaTBand; ++i)
        PaintDeltaTBand(bands[i], *chart, chart->DeltaTArea(i), plot, painter);
    for (size_t i = 0; i < lines.size(); ++i)
        painter.strokePath(lines[i], chart->Line(i)->pen());
}

QByteArray Png(const EquinoxChartData &data, const ChartRanges &ranges, bool deltaTBand, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Paint(data, ranges, deltaTBand, size, painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray Svg(const EquinoxChartData &data, const ChartRanges &ranges, bool deltaTBand, QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);  // the pixels of CSS, so that a browser shows the image at its size
    svg.setTitle(QStringLiteral("Equinox chart"));
    QPainter painter(&svg);
    Paint(data, ranges, deltaTBand, size, painter);
    painter.end();
    return bytes;
}

}  // namespace

QByteArray EquinoxChartImage(const EquinoxChartData &data, const ChartRanges &ranges, bool deltaTBand,
                             QSize size, ImageFormat format)
{
    return format == ImageFormat::Png ? Png(data, ranges, deltaTBand, size)
                                      : Svg(data, ranges, deltaTBand, size);
}

}  // namespace vardex
