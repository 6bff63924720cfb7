// SPDX-License-Identifier: MIT
// The Equinox chart's points (the equinox table's rows, the US Naval Observatory), the Delta-T band (NASA's
// published standard errors), inputs, labels, clipping.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "RecordingSeams.h"
#include "chart/EquinoxChartData.h"
#include "chart/PolygonClip.h"
#include "chart/PolylineClip.h"
#include "engine/Calendars.h"

namespace vardex {
namespace {

constexpr size_t kGregorian = 0, kJulian = 1, kDee = 2;
constexpr double kMinute = 1 / 1440.0;

// Rows of the vernal-equinox table at 77°00′ W (tests/cli/tables.txt): the Dee date and time at the
// meridian (2045 misses the Dee variant's 21 March; 415 falls a minute before midnight and stays put).
// At 75°00′ W (mean time UT - 5 h) the Gregorian points within two minutes of the US Naval Observatory's
// equinoxes 1900-2100; Julian ones Y/100 - Y/400 - 2 days lower (from 1 March of Y); Dee ones the same day.
TEST(EquinoxChartData, PointsAreTheTablesRowsAndTheObservatorysEquinoxes)
{
    using enum DeeVariant;
    using enum SolarTime;
    const std::tuple<int32_t, DeeVariant, SolarTime, int32_t, int32_t, int32_t> rows[] = {
        {1, DeeCecil, Apparent, 20, 16, 28},    {415, DeeCecil, Apparent, 20, 23, 59},
        {1000, DeeCecil, Apparent, 20, 17, 56}, {2018, DeeCecil, Mean, 20, 11, 7},
        {2024, DeeCecil, Apparent, 20, 21, 50}, {2044, Dee, Apparent, 21, 18, 4},
        {2045, Dee, Apparent, 20, 23, 51}};
    for (const auto &[year, variant, solarTime, day, hour, minute] : rows) {
        const EquinoxChartData data = ComputeEquinoxChart({year, year, 77, 0, solarTime, variant});
        ASSERT_EQ(data.series[kDee].size(), 1u);
        EXPECT_EQ(data.series[kDee][0].date, (CalendarDate{year, 3, day})) << year;
        EXPECT_NEAR(data.series[kDee][0].dayOfMarch, day + (hour * 60 + minute) * kMinute, 1e-9) << year;
    }
    EXPECT_EQ(ChartPointText(ComputeEquinoxChart({415, 415}).series[kDee][0], Calendar::Dee, DeeCecil),
              "415: Dee-Cecil 20 March 23:59");
    QFile file(USNO_MARCH_EQUINOX_JSON);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const EquinoxChartData data = ComputeEquinoxChart({1900, 2100, 75, 0, SolarTime::Mean});
    for (const QJsonValue &equinox : QJsonDocument::fromJson(file.readAll()).array()) {
        const int year = equinox[QStringLiteral("year")].toInt();
        const QString utc = equinox[QStringLiteral("utc")].toString();  // "1900-03-21T01:39"
        const double day =
            utc.mid(8, 2).toInt() + (utc.mid(11, 2).toInt() * 60 + utc.mid(14, 2).toInt() - 300) * kMinute;
        EXPECT_NEAR(data.series[kGregorian][size_t(year - 1900)].dayOfMarch, day, 2 * kMinute + 1e-9) << year;
    }
    const EquinoxChartData all = ComputeEquinoxChart({});
    for (size_t i = 0; i < 4000; ++i) {
        const auto year = static_cast<int32_t>(i + 1);
        const ChartPoint &gregorian = all.series[kGregorian][i], &julian = all.series[kJulian][i];
        ASSERT_NEAR(julian.dayOfMarch, gregorian.dayOfMarch - (year / 100 - year / 400 - 2), 1e-9) << year;
        ASSERT_EQ(std::tie(julian.year, julian.time), std::tie(year, gregorian.time));
        ASSERT_EQ(DateToJDN(Calendar::Dee, all.series[kDee][i].date, DeeVariant::DeeCecil),
                  DateToJDN(Calendar::Gregorian, gregorian.date, DeeVariant::DeeCecil))
            << year;
    }
    EXPECT_EQ(all.series[kJulian][3999].date, (CalendarDate{4000, 2, 20})) << "28 days behind 19 March";
}

// Two standard errors of Delta-T wide about every line: Morrison and Stephenson's 0.8 u^2 s as NASA's Five
// Millennium Canon prints it (year 0: 265 s, 500: 139 s, 1000: 54 s; year 1 is within a second of year 0's),
// the equinox a fifth into its year moving it by a few hundredths of a second.
TEST(EquinoxChartData, DeltaTBandIsTwoPublishedStandardErrorsWide)
{
    const EquinoxChartData data = ComputeEquinoxChart({1, 1000});
    const std::pair<size_t, double> published[] = {{0, 265}, {499, 139}, {999, 54}};
    for (size_t calendar = 0; calendar < kChartCalendars.size(); ++calendar) {
        const DeltaTBand band = DeltaTBandOf(data.series[calendar]);
        ASSERT_EQ(band.high.size(), 1000);
        for (const auto &[index, sigma] : published) {
            const ChartPoint &point = data.series[calendar][index];
            EXPECT_NEAR((band.high[index].y() - band.low[index].y()) * 86400, 2 * sigma, 2 * 0.6)
                << point.year;
            EXPECT_NEAR(band.high[index].y() + band.low[index].y(), 2 * point.dayOfMarch, 1e-9) << point.year;
            EXPECT_EQ(band.low[index].x(), point.year);
        }
    }
    EXPECT_EQ(DeltaTSigmaText(data.series[kJulian][499].deltaTSigma), "\u0394T \u00B1 139 s");
    EXPECT_EQ(DeltaTSigmaText(0.1), "\u0394T \u00B1 0.1 s") << "the telescopic era's tenths";
}

// Within the ranges, the edges held there are the edges clamped to the ranges' days (read off by straight
// interpolation); they start and end at the ranges' years, and nothing lies beyond the ranges. The zigzag,
// like a line's, crosses both days rising and falling.
TEST(EquinoxChartData, DeltaTBandWithinRangesIsTheBandClampedThere)
{
    DeltaTBand band;
    for (int year = 0; year <= 8; ++year) {
        const double day = 20 + (year % 4) * 0.25;
        band.low.append({double(year), day - 0.01});
        band.high.append({double(year), day + 0.01});
    }
    const ChartRanges ranges{1.5, 6.5, 20.2, 20.45};
    const auto at = [](const QList<QPointF> &edge, double x) {
        const auto after =
            std::find_if(edge.begin() + 1, edge.end() - 1, [x](QPointF p) { return p.x() >= x; });
        const QPointF a = *(after - 1), b = *after;
        return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    };
    const DeltaTBand held = DeltaTBandWithin(band, ranges);
    for (const auto &[edge, heldEdge] : {std::pair(band.low, held.low), std::pair(band.high, held.high)}) {
        for (double x = 1.5; x <= 6.5; x += 1 / 64.0)
            ASSERT_NEAR(at(heldEdge, x), std::clamp(at(edge, x), 20.2, 20.45), 1e-9) << x;
        EXPECT_EQ(heldEdge.front().x(), 1.5);
        EXPECT_EQ(heldEdge.back().x(), 6.5);
        for (const QPointF &point : heldEdge)
            EXPECT_TRUE(point.y() >= 20.2 && point.y() <= 20.45) << point.x() << ", " << point.y();
    }
    EXPECT_TRUE(DeltaTBandWithin(band, {1, 2, 21, 20}).high.isEmpty()) << "no days between";
}

TEST(EquinoxChartData, FaultsGiveAMessageAndNoPointsAndTheDayAxisNamesDates)
{
    const QString range = "Vernal equinoxes are calculated only for years in the range 1 through 4000.";
    const QString meridian = "The meridian must lie between 70\u00B000\u2032 W and 79\u00B059\u2032 W.";
    const std::pair<EquinoxChartInputs, QString> cases[] = {
        {{0, 10}, range},
        {{1, 4001}, range},
        {{1, 2, 80, 0}, meridian},
        {{1, 2, 77, 60}, meridian},
        {{2000, 1999},
         "The From year (2000) is after the To year (1999). Choose a From year no later than the "
         "To year."}};
    for (const auto &[inputs, text] : cases) {
        EXPECT_EQ(ChartInputsFault(inputs).value_or(Message{}).text, text);
        EXPECT_TRUE(ComputeEquinoxChart(inputs).series[kDee].empty());
    }
    EXPECT_FALSE(ChartInputsFault({4000, 4000, 79, 59}));
    // The day axis names dates; a day of February stands for a common and a leap year alike.
    QStringList labels;
    for (const double day : {1.0, 31.5, 0.0, 0.75, -10.0, -27.0, 20.9999999, -0.25, 20 + 1439 / 1440.0})
        labels << DayAxisLabel(day);
    EXPECT_EQ(labels, QStringList({"1 Mar", "31 Mar 12:00", "28/29 Feb", "28/29 Feb 18:00", "18/19 Feb",
                                   "1/2 Feb", "21 Mar", "27/28 Feb 18:00", "20 Mar 23:59"}));
}

// Runs across the box, along its edges, and touching it at a point (nothing outside it is kept).
TEST(ClipPolyline, KeepsTheRunsInsideWithTheirCrossings)
{
    using Runs = std::vector<QList<QPointF>>;
    const QRectF box(0, 0, 10, 10);
    EXPECT_EQ(ClipPolyline({{1, 5}, {5, 15}, {9, 5}, {9, 9}}, box),
              (Runs{{{1, 5}, {3, 10}}, {{7, 10}, {9, 5}, {9, 9}}}));
    EXPECT_EQ(ClipPolyline({{-10, 5}, {20, 5}}, box), (Runs{{{0, 5}, {10, 5}}}));
    EXPECT_EQ(ClipPolyline({{-5, -5}, {-1, 20}, {20, 20}, {5, 5}}, box), (Runs{{{10, 10}, {5, 5}}}));
    EXPECT_EQ(ClipPolyline({{0, 2}, {0, 10}, {10, 10}}, box), (Runs{{{0, 2}, {0, 10}, {10, 10}}}));
    EXPECT_EQ(ClipPolyline({{-5, 5}, {0, 5}, {-5, 8}}, box), (Runs{{{0, 5}, {0, 5}, {0, 5}}}));
    EXPECT_EQ(ClipPolyline({{5, 5}}, box), Runs{});
}

// The area of the clipped outline (by the shoelace formula) is the area of the part inside the box, worked
// out by hand: a rectangle over an edge, a U whose arms leave the box and come back, one wholly outside,
// one around the box, one with corners on the box's edges. The outline stays in the box.
TEST(ClipPolygon, KeepsTheAreaInsideTheBox)
{
    const QRectF box(0, 0, 10, 10);
    const std::pair<QList<QPointF>, double> cases[] = {
        {{{5, 2}, {15, 2}, {15, 8}, {5, 8}}, 5 * 6},
        {{{2, -5}, {4, -5}, {4, 5}, {6, 5}, {6, -5}, {8, -5}, {8, 8}, {2, 8}}, 6 * 8 - 2 * 5},
        {{{20, 20}, {30, 20}, {30, 30}}, 0},
        {{{-5, -5}, {15, -5}, {15, 15}, {-5, 15}}, 100},
        {{{0, 0}, {10, 0}, {5, 5}}, 25}};
    for (const auto &[outline, area] : cases) {
        const QList<QPointF> clipped = ClipPolygon(outline, box);
        double twice = 0;
        for (qsizetype i = 0; i < clipped.size(); ++i) {
            const QPointF a = clipped[i], b = clipped[(i + 1) % clipped.size()];
            twice += a.x() * b.y() - b.x() * a.y();
            EXPECT_TRUE(box.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(a)) << a.x() << ", " << a.y();
        }
        EXPECT_NEAR(std::abs(twice) / 2, area, 1e-9) << outline.size() << " points";
    }
}

}  // namespace
}  // namespace vardex
