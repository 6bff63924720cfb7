// SPDX-License-Identifier: MIT
// A chart view that zooms with the rubber band (drag a rectangle; the right button zooms out)
// and with the mouse wheel about the point under the cursor, and tells where the mouse moves.
#pragma once

#include <QtCharts/QChartView>
#include <functional>

namespace vardex {

class ZoomChartView : public QChartView {
    Q_OBJECT

public:
    explicit ZoomChartView(QChart *chart, QWidget *parent = nullptr);

    // The mouse over the view, in the chart's own coordinates, and on the screen.
    std::function<void(QPointF inChart, QPoint global)> mouseMoved;

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

}  // namespace vardex
