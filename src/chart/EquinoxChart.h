// SPDX-License-Identifier: MIT
// The chart of the Equinox chart window and of the images it saves: a line per calendar, each in a
// colour told apart by colour-blind readers (Okabe and Ito's palette) and with a pen style of its
// own, the Dee target day as a pale band beneath them, on demand the uncertainty of Delta-T as a
// translucent band about each line, a legend, and axes whose ticks stay round numbers (years, and
// dates of March) at every zoom.
#pragma once

#include <QtCharts/QChart>
#include <array>

#include "chart/EquinoxChartData.h"

QT_BEGIN_NAMESPACE
class QAreaSeries;
class QCategoryAxis;
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace vardex {

// The points of a series in chart values: (year, day of March).
QList<QPointF> LinePoints(const std::vector<ChartPoint> &points);

class EquinoxChart : public QChart {
    Q_OBJECT

public:
    EquinoxChart();

    // Shows the points and the band of data, at their full range.
    void Show(const EquinoxChartData &data);
    // The full range of what Show was given last.
    void ResetZoom();

    ChartRanges Ranges() const;
    void SetRanges(const ChartRanges &ranges);

    // The line of kChartCalendars[index].
    QLineSeries *Line(size_t index) const { return lines_[index]; }

    // Shows or hides the Delta-T band about every line (hidden at first), and its legend entry.
    void ShowDeltaTBand(bool shown);
    bool DeltaTBandShown() const { return deltaTShown_; }
    // The Delta-T band about the line of kChartCalendars[index]; its edges are empty while hidden.
    QAreaSeries *DeltaTArea(size_t index) const { return deltaT_[index]; }

private:
    void FitDeltaTBand();
    void FitBand();
    void SpaceTicks();
    void LabelDays(double interval);

    std::array<QLineSeries *, kChartCalendars.size()> lines_{};
    std::array<QAreaSeries *, kChartCalendars.size()> deltaT_{};
    std::array<DeltaTBand, kChartCalendars.size()> deltaTBands_;
    bool deltaTShown_ = false;
    QLineSeries *bandLow_;
    QLineSeries *bandHigh_;
    QAreaSeries *band_;
    QValueAxis *years_;
    QCategoryAxis *days_;
    ChartRanges full_;
    int targetDay_ = 0;
};

}  // namespace vardex
