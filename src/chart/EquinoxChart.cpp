// SPDX-License-Identifier: MIT
#include "EquinoxChart.h"

#include <QFontMetricsF>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace vardex {

namespace {

// Okabe and Ito's palette: blue, vermillion and bluish green for the lines, a pale yellow for the
// band.
struct LineLook {
    QRgb colour;
    Qt::PenStyle style;
};
constexpr std::array<LineLook, kChartCalendars.size()> kLooks{
    {{0x0072B2, Qt::SolidLine}, {0xD55E00, Qt::DashLine}, {0x009E73, Qt::DashDotLine}}};
constexpr QRgb kBandColour = 0xF8F0A8;      // Okabe and Ito's yellow (0xF0E442), paled
constexpr QRgb kBandEdgeColour = 0xC8B900;  // the yellow darkened, for the legend's marker on white
// The Delta-T band: a neutral grey that lets a line's own colour through, its edges darker where
// the band is wide enough for them to stand apart from the line; narrower, they would only thicken
// the line and fill a dashed line's gaps.
const QColor kDeltaTFill(0, 0, 0, 48);
const QColor kDeltaTEdge(0, 0, 0, 140);
constexpr double kDeltaTEdgesFrom = 5;  // pixels from edge to edge
constexpr double kLineWidth = 1.5;
constexpr int kFewestTicks = 2;
constexpr int kMostYearTicks = 10;
constexpr int kMostDayTicks = 12;
constexpr double kQuarterDay = 0.25;

// A round tick interval (1, 2 or 5 times a power of ten, at least `least`) that cuts span into at
// most `most` parts.
double RoundInterval(double span, int most, double least)
{
    const double raw = span / most;
    if (!(raw > least))  // also NaN
        return least;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double step : {1.0, 2.0, 5.0}) {
        if (step * power >= raw)
            return step * power;
    }
    return 10 * power;
}

// A round time (1, 2, 5, 10, 15 or 30 minutes, 1, 2, 3 or 6 hours) in days that cuts span into at
// most `most` parts; a minute at the least, since the labels name minutes.
double MinuteInterval(double span, int most)
{
    for (const int minutes : {1, 2, 5, 10, 15, 30, 60, 120, 180, 360}) {
        if (minutes / 1440.0 >= span / most)
            return minutes / 1440.0;
    }
    return kQuarterDay;
}

template <typename Axis> Axis *MakeAxis(const QString &title)
{
    auto *axis = new Axis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    return axis;
}

}  // namespace

QList<QPointF> LinePoints(const std::vector<ChartPoint> &points)
{
    QList<QPointF> line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint &point : points)
        line.append({double(point.year), point.dayOfMarch});
    return line;
}

EquinoxChart::EquinoxChart()
    : bandLow_(new QLineSeries(this)),
      bandHigh_(new QLineSeries(this)),
      band_(new QAreaSeries(bandHigh_, bandLow_)),
      years_(MakeAxis<QValueAxis>(QStringLiteral("Year"))),
      days_(MakeAxis<QCategoryAxis>(QStringLiteral("Date at the meridian")))
{
    legend()->setAlignment(Qt::AlignBottom);
    legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    setMargins(QMargins(4, 4, 4, 4));
    addAxis(years_, Qt::AlignBottom);
    addAxis(days_, Qt::AlignLeft);
    // The day axis names dates, at round values: its labels sit on the values, not between them.
    days_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);

    // Beneath the lines and opaque, so that a line keeps its own colour where it crosses the band.
    band_->setBrush(QColor::fromRgb(kBandColour));
    band_->setPen(Qt::NoPen);
    addSeries(band_);
    // Added before the lines, so drawn beneath them: a line is never hidden by its band.
    for (QAreaSeries *&area : deltaT_) {
        area = new QAreaSeries(new QLineSeries(this), new QLineSeries(this));
        area->setName(QStringLiteral("\u0394T \u00B1 1\u03C3"));
        area->setBrush(kDeltaTFill);
        area->setVisible(false);
        addSeries(area);
    }
    for (size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] = new QLineSeries;
        lines_[i]->setPen(QPen(QColor::fromRgb(kLooks[i].colour), kLineWidth, kLooks[i].style));
        addSeries(lines_[i]);
    }
    QLegendMarker *bandMarker = legend()->markers(band_).constFirst();
    bandMarker->setShape(QLegend::MarkerShapeRectangle);
    bandMarker->setBrush(QColor::fromRgb(kBandColour));
    bandMarker->setPen(QPen(QColor::fromRgb(kBandEdgeColour), 1));
    QLegendMarker *deltaTMarker = legend()->markers(deltaT_.front()).constFirst();
    deltaTMarker->setShape(QLegend::MarkerShapeRectangle);
    deltaTMarker->setPen(QPen(kDeltaTEdge, 1));
    ShowDeltaTBand(false);
    for (QAbstractSeries *series : QChart::series()) {
        series->attachAxis(years_);
        series->attachAxis(days_);
    }
    // The band covers no more than the axes show, so that it needs no clipping (SVG has none).
    connect(years_, &QValueAxis::rangeChanged, this, &EquinoxChart::FitBand);
    connect(days_, &QValueAxis::rangeChanged, this, &EquinoxChart::FitBand);
    connect(years_, &QValueAxis::rangeChanged, this, &EquinoxChart::FitDeltaTBand);
    connect(days_, &QValueAxis::rangeChanged, this, &EquinoxChart::FitDeltaTBand);
    connect(years_, &QValueAxis::rangeChanged, this, &EquinoxChart::SpaceTicks);
    connect(days_, &QValueAxis::rangeChanged, this, &EquinoxChart::SpaceTicks);
    connect(this, &QChart::plotAreaChanged, this, &EquinoxChart::SpaceTicks);
    connect(this, &QChart::plotAreaChanged, this, &EquinoxChart::FitDeltaTBand);
}

void EquinoxChart::Show(const EquinoxChartData &data)
{
    double low = data.targetDay;
    double high = data.targetDay + 1;
    for (const std::vector<ChartPoint> &points : data.series) {
        for (const ChartPoint &point : points) {
            low = std::min(low, point.dayOfMarch);
            high = std::max(high, point.dayOfMarch);
        }
    }
    // A single year gets a year's width on either side, so that its points stand inside the axes.
    const bool oneYear = data.inputs.firstYear == data.inputs.lastYear;
    full_ = {data.inputs.firstYear - (oneYear ? 1.0 : 0.0), data.inputs.lastYear + (oneYear ? 1.0 : 0.0),
             std::floor(low) - 1, std::ceil(high) + 1};
    targetDay_ = data.targetDay;
    for (size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->replace(LinePoints(data.series[i]));
        lines_[i]->setName(QString::fromLatin1(CalendarName(kChartCalendars[i], data.inputs.variant)));
        deltaTBands_[i] = DeltaTBandOf(data.series[i]);
    }
    band_->setName(QStringLiteral("Dee target day (%1 March)").arg(data.targetDay));
    setTitle(QStringLiteral("March equinox at ") + MeridianText(data.inputs.degrees, data.inputs.minutes) +
             (data.inputs.solarTime == SolarTime::Mean ? QStringLiteral(", mean solar time")
                                                       : QStringLiteral(", apparent solar time")));
    ResetZoom();
    FitBand();        // also when the range stays as it was: the target day may have moved
    FitDeltaTBand();  // ... and the points
}

void EquinoxChart::ResetZoom() { SetRanges(full_); }

void EquinoxChart::ShowDeltaTBand(bool shown)
{
    deltaTShown_ = shown;
    FitDeltaTBand();
    for (QAreaSeries *area : deltaT_)
        area->setVisible(shown);
    // One legend entry stands for the three bands; a series shown again shows its marker again.
    for (size_t i = 1; i < deltaT_.size(); ++i)
        legend()->markers(deltaT_[i]).constFirst()->setVisible(false);
}

// The band's points within what the axes show and a quarter of it more on every side, beyond the
// plot's edge, where the chart's own clipping cuts it: an area reaching far beyond the plot, as
// the whole band does when zoomed in, takes the painter seconds. A hidden band holds no points
// and costs Draw nothing.
void EquinoxChart::FitDeltaTBand()
{
    const ChartRanges shown = Ranges();
    const double years = (shown.lastYear - shown.firstYear) / 4, days = (shown.highDay - shown.lowDay) / 4;
    const ChartRanges reach{shown.firstYear - years, shown.lastYear + years, shown.lowDay - days,
                            shown.highDay + days};
    double widest = 0;  // days, of the years in view
    for (size_t i = 0; i < deltaT_.size(); ++i) {
        const DeltaTBand band = deltaTShown_ ? DeltaTBandWithin(deltaTBands_[i], reach) : DeltaTBand{};
        deltaT_[i]->lowerSeries()->replace(band.low);
        deltaT_[i]->upperSeries()->replace(band.high);
        const DeltaTBand &whole = deltaTBands_[i];
        for (qsizetype k = 0; deltaTShown_ && k < whole.low.size(); ++k) {
            if (whole.low[k].x() >= reach.firstYear && whole.low[k].x() <= reach.lastYear)
                widest = std::max(widest, whole.high[k].y() - whole.low[k].y());
        }
    }
    const double pixels = widest * plotArea().height() / (shown.highDay - shown.lowDay);
    const QPen edges = pixels >= kDeltaTEdgesFrom ? QPen(kDeltaTEdge, 1) : QPen(Qt::NoPen);
    for (QAreaSeries *area : deltaT_)
        area->setPen(edges);
}

void EquinoxChart::SpaceTicks()
{
    // A year label's width twice over between two year ticks, two and a half lines between two
    // day ticks: a small window or a large font gets fewer ticks rather than clipped labels.
    const QRectF plot = plotArea();
    const QFontMetricsF years(years_->labelsFont());
    const QFontMetricsF days(days_->labelsFont());
    const int yearTicks =
        std::clamp(int(plot.width() / (2 * years.horizontalAdvance(QStringLiteral("0000")))), kFewestTicks,
                   kMostYearTicks);
    const int dayTicks = std::clamp(int(plot.height() / (2.5 * days.height())), kFewestTicks, kMostDayTicks);
    years_->setTickInterval(RoundInterval(years_->max() - years_->min(), yearTicks, 1));
    // Zoomed in below two quarter days, as the Delta-T band needs: round times, so that the axis
    // still names at least two.
    const double daySpan = days_->max() - days_->min();
    LabelDays(daySpan < kFewestTicks * kQuarterDay ? MinuteInterval(daySpan, dayTicks)
                                                   : RoundInterval(daySpan, dayTicks, kQuarterDay));
}

// A label for each round value of the day axis in view, naming its date.
void EquinoxChart::LabelDays(double interval)
{
    const double low = days_->min(), high = days_->max();
    QStringList labels;
    QList<double> values;
    if (interval > 0 && std::isfinite(low) && std::isfinite(high)) {
        for (double value = std::ceil(low / interval) * interval; value <= high; value += interval) {
            labels << DayAxisLabel(value);
            values << value;
        }
    }
    if (labels == days_->categoriesLabels())
        return;
    for (const QString &label : days_->categoriesLabels())
        days_->remove(label);
    days_->setStartValue(low);
    for (qsizetype i = 0; i < labels.size(); ++i)
        days_->append(labels[i], values[i]);
}

void EquinoxChart::FitBand()
{
    const ChartRanges shown = Ranges();
    const auto within = [&](double day) { return std::min(std::max(day, shown.lowDay), shown.highDay); };
    const double low = within(targetDay_);
    const double high = within(targetDay_ + 1.0);
    bandLow_->replace({{shown.firstYear, low}, {shown.lastYear, low}});
    bandHigh_->replace({{shown.firstYear, high}, {shown.lastYear, high}});
}

ChartRanges EquinoxChart::Ranges() const
{
    return {years_->min(), years_->max(), days_->min(), days_->max()};
}

void EquinoxChart::SetRanges(const ChartRanges &ranges)
{
    years_->setRange(ranges.firstYear, ranges.lastYear);
    days_->setRange(ranges.lowDay, ranges.highDay);
}

}  // namespace vardex
