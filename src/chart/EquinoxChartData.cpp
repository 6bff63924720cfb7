// SPDX-License-Identifier: MIT
#include "EquinoxChartData.h"

#include <algorithm>
#include <cmath>

#include "engine/Calendars.h"
#include "engine/TextForms.h"

namespace vardex {

namespace {

const QString kTitle = QStringLiteral("Equinox chart");
constexpr int kMinutesPerDay = 1440;

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
        const CivilInstant instant =
            MeridianInstant(VernalEquinoxUT(year), inputs.degrees, inputs.minutes, inputs.solarTime);
        const double dayFraction = MinuteOfDay(instant) / double{kMinutesPerDay};
        for (size_t i = 0; i < kChartCalendars.size(); ++i) {
            const Calendar calendar = kChartCalendars[i];
            const CalendarDate date = JDNToDate(calendar, instant.jdn, inputs.variant);
            // Every year of 1..4000 has a 1 March in every calendar.
            const std::optional<int32_t> march1 = DateToJDN(calendar, {date.year, 3, 1}, inputs.variant);
            if (!march1)
                continue;
            data.series[i].push_back({year, (instant.jdn - *march1) + 1 + dayFraction, date, instant.time});
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

}  // namespace vardex
