// SPDX-License-Identifier: MIT
// The points of the Equinox chart: for each year, the day of March on which the March equinox
// falls at a meridian west of Greenwich, in the Gregorian, Julian and Dee calendars. The instant is
// the vernal-equinox table's own (VernalEquinoxUT and MeridianInstant), so that a point and the
// table's row for the same year and choices name the same day and minute. Each point carries the
// standard error of the Delta-T in its instant, for the band of that uncertainty. QtCore only.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/CalendarDate.h"
#include "equinox/EquinoxComputation.h"
#include "equinox/EquinoxTable.h"
#include "seams/Dialogs.h"

namespace vardex {

struct EquinoxChartInputs {
    int32_t firstYear = kFirstEquinoxYear;  // kFirstEquinoxYear..lastYear
    int32_t lastYear = kLastEquinoxYear;    // firstYear..kLastEquinoxYear
    int degrees = 77;                       // kMinWestDegrees..kMaxWestDegrees
    int minutes = 0;                        // 0..59
    SolarTime solarTime = SolarTime::Apparent;
    DeeVariant variant = DeeVariant::DeeCecil;  // of the Dee series and the target day
};

// The series, in the order of their index in EquinoxChartData::series.
inline constexpr std::array<Calendar, 3> kChartCalendars{Calendar::Gregorian, Calendar::Julian,
                                                         Calendar::Dee};

// One year's equinox in one calendar.
struct ChartPoint {
    int32_t year = 0;        // x
    double dayOfMarch = 0;   // y: 20.25 is 20 March 06:00; 0 is the last day of February, -1 the one before
    CalendarDate date;       // the civil date at the meridian
    std::string time;        // "HH:MM", as the table shows it
    double deltaTSigma = 0;  // seconds: one standard error of the Espenak-Meeus Delta-T at the instant
};

struct EquinoxChartData {
    EquinoxChartInputs inputs;
    std::array<std::vector<ChartPoint>, kChartCalendars.size()> series;  // one point per year each
    int targetDay = 20;                                                  // DeeTargetDay(inputs.variant)
};

// The day of March a Dee year means its equinox to fall on: 21 for Dee, 20 for Dee-Cecil, as the
// equinox window marks the years that miss it.
int DeeTargetDay(DeeVariant variant);

// Why the inputs cannot be drawn (titled "Equinox chart" unless it is the equinox range message),
// or nothing when they can.
std::optional<Message> ChartInputsFault(const EquinoxChartInputs &inputs);

// The chart's points; every series empty when ChartInputsFault finds a fault.
EquinoxChartData ComputeEquinoxChart(const EquinoxChartInputs &inputs);

// A meridian west of Greenwich as a reader of a chart expects it: "77°00′ W".
QString MeridianText(int degrees, int minutes);

// The date a value of the day axis stands for: "20 Mar", "20 Mar 06:00"; days of February as in a
// common and a leap year, since a chart's years may be either: 0 is "28/29 Feb".
QString DayAxisLabel(double dayOfMarch);

// "1582: Julian 11 March 00:13".
QString ChartPointText(const ChartPoint &point, Calendar calendar, DeeVariant variant);

// What the chart's axes show: years left to right, days of March bottom to top.
struct ChartRanges {
    double firstYear = 0;
    double lastYear = 0;
    double lowDay = 0;
    double highDay = 0;
    friend bool operator==(const ChartRanges &, const ChartRanges &) = default;
};

// The uncertainty of Delta-T around a series: each point's instant less and plus one standard
// error, as chart values (year, day of March), the two edges point for point.
struct DeltaTBand {
    QList<QPointF> low;
    QList<QPointF> high;
};
DeltaTBand DeltaTBandOf(const std::vector<ChartPoint> &points);

// The band as a chart draws it within ranges: each edge cut where it leaves the years and held
// between the days, with a point added where it crosses either day, so that the area between the
// edges is unchanged within ranges. However far the chart zooms in, the band then keeps
// coordinates near the plot, which the painter fills quickly. Empty when ranges hold no area.
DeltaTBand DeltaTBandWithin(const DeltaTBand &band, const ChartRanges &ranges);

// The band's edges as one closed outline: the high edge left to right, the low edge back.
QList<QPointF> BandOutline(const DeltaTBand &band);

// "ΔT ± 139 s"; below 10 s with a tenth where it has one: "ΔT ± 0.1 s".
QString DeltaTSigmaText(double seconds);

}  // namespace vardex
