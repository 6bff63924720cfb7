#include "DateTexts.h"

#include "RegionalFormat.h"
#include "engine/Calendar.h"
#include "engine/CalendarState.h"

namespace vardex {

namespace {

QString TwoDigits(int32_t value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

}  // namespace

QString MonthDayYearText(const EuroDate &date, EraStyle style)
{
    const bool commonEra = date.year >= 1;
    const int64_t shownYear = commonEra ? int64_t{date.year} : 1 - int64_t{date.year};
    const bool monthKnown = date.month >= 1 && date.month <= 12;
    QString text = monthKnown ? QString::fromStdString(MonthNames[static_cast<size_t>(date.month)]) : QString();
    text += u' ' + QString::number(date.day) + u',';
    text += u' ' + (shownYear > 9999 ? GroupedNumber(shownYear) : QString::number(shownYear));
    if (style == EraStyle::ADBC)
        text += commonEra ? QStringLiteral(" AD") : QStringLiteral(" BC");
    else
        text += commonEra ? QStringLiteral(" CE") : QStringLiteral(" BCE");
    return text;
}

QString AstronomicalDateText(const EuroDate &date, const QString &designator)
{
    const bool grouped = date.year > 9999 || date.year < -9999;
    QString text = grouped ? GroupedNumber(date.year) : QString::number(date.year);
    text += u'-' + TwoDigits(date.month) + u'-' + TwoDigits(date.day) + u' ' + designator;
    return text;
}

EuroDate DateOfJdn(int32_t jdn, int32_t calendar)
{
    EuroDate date{};
    date.jdn = jdn;
    date.calendar = calendar;
    JDNToDate(date);
    return date;
}

}  // namespace vardex
