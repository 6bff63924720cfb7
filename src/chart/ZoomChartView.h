// SPDX-License-Identifier: MIT
// A chart view that zooms with the rubber band (drag a rectangle; the right button zooms out)
// and with the mouse wheel about the point under the cursor.
#pragma once

#include <QtCharts/QChartView>

namespace vardex {

class ZoomChartView : public QChartView {
    Q_OBJECT

public:
    explicit ZoomChartView(QChart *chart, QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};

}  // namespace vardex
