// SPDX-License-Identifier: MIT
#include "DateTexts.h"

#include "engine/TextForms.h"

namespace vardex {

namespace {

QString TwoDigitText(int32_t value) { return QString::fromStdString(TwoDigits(value)); }

}  // namespace

EraStyle EraStyleOf(const QString &era)
{
    return era == QStringLiteral("AD") || era == QStringLiteral("BC") ? EraStyle::ADBC : EraStyle::CEBCE;
}

QString MonthDayYearText(const CalendarDate &date, EraStyle style, const NumberFormat &format)
{
    const bool commonEra = date.year >= 1;
    const int64_t shownYear = commonEra ? int64_t{date.year} : 1 - int64_t{date.year};
    QString text = QString::fromLatin1(MonthName(date.month));
    text += u' ' + QString::number(date.day) + u',';
    text += u' ' + (shownYear > 9999 ? format.Grouped(shownYear) : QString::number(shownYear));
    if (style == EraStyle::ADBC)
        text += commonEra ? QStringLiteral(" AD") : QStringLiteral(" BC");
    else
        text += commonEra ? QStringLiteral(" CE") : QStringLiteral(" BCE");
    return text;
}

QString AstronomicalDateText(const CalendarDate &date, const QString &designator, const NumberFormat &format)
{
    const bool grouped = date.year > 9999 || date.year < -9999;
    QString text = grouped ? format.Grouped(date.year) : QString::number(date.year);
    text += u'-' + TwoDigitText(date.month) + u'-' + TwoDigitText(date.day) + u' ' + designator;
    return text;
}

QString AstronomicalDateText(Calendar calendar, int32_t jdn, DeeVariant variant, const NumberFormat &format)
{
    return AstronomicalDateText(JDNToDate(calendar, jdn, variant),
                                QString::fromLatin1(CalendarDesignator(calendar, variant)), format);
}

DayTexts TextsOfDay(int32_t jdn, DeeVariant variant, EraStyle style, const NumberFormat &format)
{
    const auto monthDayYear = [&](Calendar calendar) {
        return MonthDayYearText(JDNToDate(calendar, jdn, variant), style, format);
    };
    const auto astronomical = [&](Calendar calendar) {
        return AstronomicalDateText(calendar, jdn, variant, format);
    };
    return {monthDayYear(Calendar::Gregorian),
            monthDayYear(Calendar::Julian),
            monthDayYear(Calendar::Dee),
            astronomical(Calendar::Gregorian),
            astronomical(Calendar::Julian),
            astronomical(Calendar::Dee),
            format.Grouped(jdn),
            QString::fromStdString(WeekdayText(DayOfWeek(jdn)))};
}

}  // namespace vardex
