// SPDX-License-Identifier: MIT
#include "ZoomChartView.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace vardex {

namespace {

constexpr double kZoomPerNotch = 1.25;  // one notch of a common wheel: 120 eighths of a degree
constexpr double kEighthsPerNotch = 120;

}  // namespace

ZoomChartView::ZoomChartView(QChart *chart, QWidget *parent) : QChartView(chart, parent)
{
    setRubberBand(QChartView::RectangleRubberBand);
    setRenderHint(QPainter::Antialiasing);
    viewport()->setMouseTracking(true);  // the hover text follows the mouse with no button down
}

void ZoomChartView::mouseMoveEvent(QMouseEvent *event)
{
    QChartView::mouseMoveEvent(event);
    if (mouseMoved)
        mouseMoved(chart()->mapFromScene(mapToScene(event->position().toPoint())),
                   event->globalPosition().toPoint());
}

void ZoomChartView::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / kEighthsPerNotch;
    const QRectF plot = chart()->plotArea();
    if (notches == 0 || plot.isEmpty()) {
        QChartView::wheelEvent(event);
        return;
    }
    // The point under the cursor stays where it is; the rest moves towards it or away.
    const double scale = std::pow(kZoomPerNotch, -notches);
    QPointF at = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    at.setX(std::clamp(at.x(), plot.left(), plot.right()));
    at.setY(std::clamp(at.y(), plot.top(), plot.bottom()));
    chart()->zoomIn(QRectF(at.x() - (at.x() - plot.left()) * scale, at.y() - (at.y() - plot.top()) * scale,
                           plot.width() * scale, plot.height() * scale));
    event->accept();
}

}  // namespace vardex
