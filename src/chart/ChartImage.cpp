// SPDX-License-Identifier: MIT
#include "ChartImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QtCharts/QLineSeries>
#include <algorithm>
#include <array>

#include "chart/PolylineClip.h"

namespace vardex {

namespace {

// Below this many pixels the chart is laid out at the image's size; above, at this size and drawn
// larger, so that its texts and lines grow with the image instead of shrinking into its corner.
constexpr double kLayoutWidth = 960;
constexpr double kLayoutHeight = 540;

// Draws a chart of data at ranges onto painter, filling size pixels.
void Paint(const EquinoxChartData &data, const ChartRanges &ranges, QSize size, QPainter &painter)
{
    const double scale = std::max(1.0, std::min(size.width() / kLayoutWidth, size.height() / kLayoutHeight));
    const QRectF area(0, 0, size.width() / scale, size.height() / scale);
    QGraphicsScene scene;
    auto *chart = new EquinoxChart;  // the scene's from here on
    scene.addItem(chart);
    chart->Show(data);
    chart->SetRanges(ranges);
    chart->setGeometry(area);
    // Lay the chart out now: the painter below comes before any event loop would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    // The SVG painter ignores clipping, so the chart draws no lines: they are drawn below, cut at
    // the edges of the plot, and in the PNG as well so that both images show the same.
    std::array<QPainterPath, kChartCalendars.size()> lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        QList<QPointF> line = LinePoints(data.series[i]);
        for (QPointF &point : line)
            point = chart->mapToScene(chart->mapToPosition(point, chart->Line(i)));
        for (const QList<QPointF> &run : ClipPolyline(line, chart->mapRectToScene(chart->plotArea()))) {
            lines[i].moveTo(run.front());
            for (qsizetype k = 1; k < run.size(); ++k)
                lines[i].lineTo(run[k]);
        }
        chart->Line(i)->clear();
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    scene.render(&painter, area, area);
    for (size_t i = 0; i < lines.size(); ++i)
        painter.strokePath(lines[i], chart->Line(i)->pen());
}

QByteArray Png(const EquinoxChartData &data, const ChartRanges &ranges, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Paint(data, ranges, size, painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray Svg(const EquinoxChartData &data, const ChartRanges &ranges, QSize size)
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
    Paint(data, ranges, size, painter);
    painter.end();
    return bytes;
}

}  // namespace

QByteArray EquinoxChartImage(const EquinoxChartData &data, const ChartRanges &ranges, QSize size,
                             ImageFormat format)
{
    return format == ImageFormat::Png ? Png(data, ranges, size) : Svg(data, ranges, size);
}

}  // namespace vardex
