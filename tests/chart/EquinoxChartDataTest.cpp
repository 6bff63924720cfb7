// SPDX-License-Identifier: MIT
// The points of the Equinox chart against the vernal-equinox table's rows, the three calendars
// against each other, the days of February late in the Julian series; the cutting of its lines.
#include <gtest/gtest.h>

#include <tuple>

#include "RecordingSeams.h"
#include "chart/EquinoxChartData.h"
#include "chart/PolylineClip.h"
#include "engine/Calendars.h"

namespace vardex {
namespace {

constexpr size_t kGregorian = 0, kJulian = 1, kDee = 2;

// The fraction of the day of an "HH:MM" time.
double DayFraction(const std::string &time)
{
    return (std::stoi(time) * 60 + std::stoi(time.substr(3))) / 1440.0;
}

TEST(EquinoxChartData, DeePointsAreTheTablesRowsAndItsTargetDay)
{
    for (const DeeVariant variant : {DeeVariant::Dee, DeeVariant::DeeCecil}) {
        for (const SolarTime time : {SolarTime::Mean, SolarTime::Apparent}) {
            const EquinoxChartData data = ComputeEquinoxChart({1, 4000, 75, 30, time, variant});
            ASSERT_EQ(data.series[kDee].size(), 4000u);
            for (const int32_t year : {1, 2, 1582, 2024, 2044, 3999, 4000}) {
                const EquinoxRow row = ComputeEquinoxRow(year, 0, {year, 1, 75, 30, time, variant});
                const ChartPoint &point = data.series[kDee][size_t(year) - 1];
                EXPECT_EQ(std::tie(point.year, point.date), std::tie(year, row.meridianDate));
                EXPECT_EQ(QString::fromStdString(point.time), row.meridianTime) << year;
                EXPECT_DOUBLE_EQ(point.dayOfMarch, point.date.day + DayFraction(point.time)) << year;
                EXPECT_EQ(row.offTarget, (point.date != CalendarDate{year, 3, data.targetDay})) << year;
            }
        }
    }
}

TEST(EquinoxChartData, TheCalendarsShowOneInstant)
{
    const EquinoxChartData data = ComputeEquinoxChart({});
    for (size_t i = 0; i < 4000; ++i) {
        const ChartPoint &gregorian = data.series[kGregorian][i];
        for (const size_t other : {kJulian, kDee}) {
            const ChartPoint &point = data.series[other][i];
            ASSERT_EQ(DateToJDN(kChartCalendars[other], point.date, DeeVariant::DeeCecil),
                      DateToJDN(Calendar::Gregorian, gregorian.date, DeeVariant::DeeCecil))
                << gregorian.year;
            ASSERT_EQ(std::tie(point.year, point.time), std::tie(gregorian.year, gregorian.time));
        }
    }
}

TEST(EquinoxChartData, KnownDaysOfMarchAndFebruary)
{
    const EquinoxChartData data = ComputeEquinoxChart({});       // 77d0m W, apparent time, as published
    const ChartPoint &year2024 = data.series[kGregorian][2023];  // 03:06 UT on 20 March
    EXPECT_DOUBLE_EQ(year2024.dayOfMarch, 19 + (21 * 60 + 50) / 1440.0);
    EXPECT_EQ(ChartPointText(year2024, Calendar::Gregorian, DeeVariant::DeeCecil),
              "2024: Gregorian 19 March 21:50");
    // The Julian calendar's equinox has left March by then; day 0 is the last of February.
    for (const auto &[year, daysOfFebruary] : {std::pair{3999, 28}, {4000, 29}}) {
        const ChartPoint &point = data.series[kJulian][size_t(year) - 1];
        EXPECT_EQ(point.date.month, 2);
        EXPECT_DOUBLE_EQ(point.dayOfMarch, point.date.day - daysOfFebruary + DayFraction(point.time)) << year;
        EXPECT_LE(point.dayOfMarch, 0);
    }
}

TEST(EquinoxChartData, FaultsGiveAMessageAndNoPoints)
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
         "To year."},
    };
    for (const auto &[inputs, text] : cases) {
        EXPECT_EQ(ChartInputsFault(inputs).value_or(Message{}).text, text);
        EXPECT_TRUE(ComputeEquinoxChart(inputs).series[kDee].empty());
    }
    EXPECT_FALSE(ChartInputsFault({4000, 4000, 79, 59}));
}

// The day axis names dates; a day of February stands for a common and a leap year alike.
TEST(EquinoxChartData, DayAxisLabels)
{
    const std::pair<double, const char *> cases[] = {
        {20, "20 Mar"},         {20.25, "20 Mar 06:00"},    {1, "1 Mar"},       {31.5, "31 Mar 12:00"},
        {0, "28/29 Feb"},       {0.75, "28/29 Feb 18:00"},  {-10, "18/19 Feb"}, {-27, "1/2 Feb"},
        {20.9999999, "21 Mar"}, {-0.25, "27/28 Feb 18:00"},
    };
    for (const auto &[day, label] : cases)
        EXPECT_EQ(DayAxisLabel(day), QString::fromUtf8(label)) << day;
    EXPECT_EQ(MeridianText(77, 0), "77\u00B000\u2032 W");
    EXPECT_EQ(MeridianText(79, 59), "79\u00B059\u2032 W");
}

TEST(ClipPolyline, KeepsTheRunsInsideWithTheirCrossings)
{
    using Runs = std::vector<QList<QPointF>>;
    const QRectF box(0, 0, 10, 10);
    EXPECT_EQ(ClipPolyline({{1, 1}, {5, 5}, {9, 1}}, box), (Runs{{{1, 1}, {5, 5}, {9, 1}}}));
    EXPECT_EQ(ClipPolyline({{1, 5}, {5, 15}, {9, 5}, {9, 9}}, box),
              (Runs{{{1, 5}, {3, 10}}, {{7, 10}, {9, 5}, {9, 9}}}));
    EXPECT_EQ(ClipPolyline({{-10, 5}, {20, 5}}, box), (Runs{{{0, 5}, {10, 5}}}));
    EXPECT_EQ(ClipPolyline({{-5, -5}, {-1, 20}, {20, 20}, {5, 5}}, box), (Runs{{{10, 10}, {5, 5}}}));
    EXPECT_EQ(ClipPolyline({{5, 5}}, box), Runs{});
}

}  // namespace
}  // namespace vardex
