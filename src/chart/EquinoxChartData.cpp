// SPDX-License-Identifier: MIT
#include "EquinoxChartData.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "astronomy/DeltaTModels.h"
#include "engine/Calendars.h"
#include "engine/TextForms.h"

namespace vardex {

namespace {

const QString kTitle = QStringLiteral("Equinox chart");
constexpr int kMinutesPerDay = 1440;
constexpr double kSecondsPerDay = 86400;

// The point a fraction t of the way from a to b.
QPointF Between(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

// An edge (years increasing) over ranges' years, held between its days: see DeltaTBandWithin.
QList<QPointF> EdgeWithin(const QList<QPointF> &edge, const ChartRanges &ranges)
{
    QList<QPointF> kept;
    const auto keep = [&](QPointF point) {
        point.setY(std::clamp(point.y(), ranges.lowDay, ranges.highDay));
        if (kept.isEmpty() || kept.back() != point)
            kept.append(point);
    };
    if (edge.size() == 1 && edge[0].x() >= ranges.firstYear && edge[0].x() <= ranges.lastYear)
        keep(edge[0]);
    for (qsizetype i = 1; i < edge.size(); ++i) {
        QPointF a = edge[i - 1], b = edge[i];
        if (b.x() < ranges.firstYear || a.x() > ranges.lastYear || !(b.x() > a.x()))
            continue;
        const double width = b.x() - a.x();
        const QPointF from = Between(a, b, std::max(0.0, (ranges.firstYear - a.x()) / width));
        b = Between(a, b, std::min(1.0, (ranges.lastYear - a.x()) / width));
        a = from;
        keep(a);
        // Where the segment crosses a day the edge is held at, in order along it.
        std::array<double, 2> crossings{};
        size_t count = 0;
        for (const double day : {ranges.lowDay, ranges.highDay}) {
            if ((a.y() - day) * (b.y() - day) < 0)
                crossings[count++] = (day - a.y()) / (b.y() - a.y());
        }
        if (count == 2 && crossings[1] < crossings[0])
            std::swap(crossings[0], crossings[1]);
        for (size_t k = 0; k < count; ++k)
            keep(Between(a, b, crossings[k]));
        keep(b);
    }
    return kept;
}

// The minute of the day of a civil instant, [0, 1439]; its day number is already whole minutes.
int MinuteOfDay(const CivilInstant &instant)
{
    const long minute = std::lround((instant.dayNumber - instant.jdn) * kMinutesPerDay);
    return static_cast<int>(std::clamp(minute, 0L, long{kMinutesPerDay - 1}));
}

}  // namespace

int DeeTargetDay(DeeVariant variant) { return variant == DeeVariant::Dee ? 21 : 20; }

std::optional<Message> ChartInputsFault(const EquinoxChartInputs &inputs)
{
    if (inputs.firstYear < kFirstEquinoxYear || inputs.firstYear > kLastEquinoxYear ||
        inputs.lastYear < kFirstEquinoxYear || inputs.lastYear > kLastEquinoxYear)
        return EquinoxRangeMessage();
    if (inputs.firstYear > inputs.lastYear)
        return Message{QStringLiteral("The From year (%1) is after the To year (%2). Choose a From year "
                                      "no later than the To year.")
                           .arg(inputs.firstYear)
                           .arg(inputs.lastYear),
                       kTitle, MessageIcon::Information};
    if (inputs.degrees < kMinWestDegrees || inputs.degrees > kMaxWestDegrees || inputs.minutes < 0 ||
        inputs.minutes > 59)
        return Message{QStringLiteral("The meridian must lie between ") + MeridianText(kMinWestDegrees, 0) +
                           QStringLiteral(" and ") + MeridianText(kMaxWestDegrees, 59) + QLatin1Char('.'),
                       kTitle, MessageIcon::Information};
    return std::nullopt;
}

QString MeridianText(int degrees, int minutes)
{
    return QStringLiteral("%1\u00B0%2\u2032 W").arg(degrees).arg(minutes, 2, 10, QLatin1Char('0'));
}

QString DayAxisLabel(double dayOfMarch)
{
    RoundToMinute(dayOfMarch);
    const auto wholeDays = static_cast<int64_t>(std::floor(dayOfMarch));
    QString day;
    if (wholeDays >= 1)
        day = QStringLiteral("%1 Mar").arg(wholeDays);
    else if (wholeDays <= -28)  // before February: counted back from 1 March
        day = QStringLiteral("1 Mar \u2212%1 d").arg(1 - wholeDays);
    else  // 0 is the last day of February: the 28th in a common year, the 29th in a leap year
        day = QStringLiteral("%1/%2 Feb").arg(28 + wholeDays).arg(29 + wholeDays);
    if (dayOfMarch == double(wholeDays))
        return day;
    return day + u' ' + QString::fromStdString(TimeOfDayText(dayOfMarch));
}

EquinoxChartData ComputeEquinoxChart(const EquinoxChartInputs &inputs)
{
    EquinoxChartData data;
    data.inputs = inputs;
    data.targetDay = DeeTargetDay(inputs.variant);
    if (ChartInputsFault(inputs))
        return data;
    const auto years = static_cast<size_t>(inputs.lastYear - inputs.firstYear + 1);  // [1, 4000]
    for (auto &points : data.series)
        points.reserve(years);
    for (int32_t year = inputs.firstYear; year <= inputs.lastYear; ++year) {
        const double jd = VernalEquinoxUT(year);
        const CivilInstant instant = MeridianInstant(jd, inputs.degrees, inputs.minutes, inputs.solarTime);
        const double dayFraction = MinuteOfDay(instant) / double{kMinutesPerDay};
        // The same model the instant's own Delta-T comes from.
        const double sigma = EstimateDeltaT(DeltaTModel::EspenakMeeus2006, DecimalYearOfJD(jd)).sigmaSeconds;
        for (size_t i = 0; i < kChartCalendars.size(); ++i) {
            const Calendar calendar = kChartCalendars[i];
            const CalendarDate date = JDNToDate(calendar, instant.jdn, inputs.variant);
            // Every year of 1..4000 has a 1 March in every calendar.
            const std::optional<int32_t> march1 = DateToJDN(calendar, {date.year, 3, 1}, inputs.variant);
            if (!march1)
                continue;
            data.series[i].push_back(
                {year, (instant.jdn - *march1) + 1 + dayFraction, date, instant.time, sigma});
        }
    }
    return data;
}

QString ChartPointText(const ChartPoint &point, Calendar calendar, DeeVariant variant)
{
    return QString::number(point.year) + QStringLiteral(": ") +
           QString::fromLatin1(CalendarName(calendar, variant)) + QLatin1Char(' ') +
           QString::number(point.date.day) + QLatin1Char(' ') +
           QString::fromLatin1(MonthName(point.date.month)) + QLatin1Char(' ') +
           QString::fromStdString(point.time);
}

DeltaTBand DeltaTBandOf(const std::vector<ChartPoint> &points)
{
    DeltaTBand band;
    band.low.reserve(static_cast<qsizetype>(points.size()));
    band.high.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint &point : points) {
        const double halfWidth = point.deltaTSigma / kSecondsPerDay;
        band.low.append({double(point.year), point.dayOfMarch - halfWidth});
        band.high.append({double(point.year), point.dayOfMarch + halfWidth});
    }
    return band;
}

DeltaTBand DeltaTBandWithin(const DeltaTBand &band, const ChartRanges &ranges)
{
    if (!(ranges.firstYear <= ranges.lastYear && ranges.lowDay < ranges.highDay))  // also NaN
        return {};
    return {EdgeWithin(band.low, ranges), EdgeWithin(band.high, ranges)};
}

QList<QPointF> BandOutline(const DeltaTBand &band)
{
    QList<QPointF> outline = band.high;
    outline.reserve(band.high.size() + band.low.size());
    std::copy(band.low.crbegin(), band.low.crend(), std::back_inserter(outline));
    return outline;
}

QString DeltaTSigmaText(double seconds)
{
    // Whole seconds say enough of a band minutes wide; the telescopic era's fractions need a tenth.
    const QString number = seconds >= 9.95 ? QString::number(std::lround(seconds))
                                           : QString::number(std::round(seconds * 10) / 10, 'g', 2);
    return QStringLiteral("\u0394T \u00B1 ") + number + QStringLiteral(" s");
}

}  // namespace vardex
