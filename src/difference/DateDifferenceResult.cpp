// SPDX-License-Identifier: MIT
#include "DateDifferenceResult.h"

#include "engine/TextForms.h"

namespace vardex {

namespace {

QString Counted(int64_t count, const char *unit, const NumberFormat &format)
{
    const bool one = count == 1 || count == -1;
    return format.Grouped(count) + u' ' + QString::fromLatin1(unit) + (one ? QString() : QStringLiteral("s"));
}

}  // namespace

DateDifferenceResult DifferenceOf(int32_t fromJdn, int32_t toJdn, DeeVariant variant)
{
    DateDifferenceResult result{fromJdn, toJdn, int64_t{toJdn} - fromJdn, {}, {}};
    result.weeks = InWeeks(result.days);
    for (size_t i = 0; i < kDifferenceCalendars.size(); ++i)
        result.inCalendars[i] = CalendarDifference(kDifferenceCalendars[i], fromJdn, toJdn, variant);
    return result;
}

QString DayText(int32_t jdn, const NumberFormat &format)
{
    return QStringLiteral("JDN ") + format.Grouped(jdn) + QStringLiteral(", ") +
           QString::fromStdString(WeekdayText(DayOfWeek(jdn)));
}

QString YearsMonthsDaysText(const YearsMonthsDays &difference, const NumberFormat &format)
{
    return Counted(difference.years, "year", format) + QStringLiteral(", ") +
           Counted(difference.months, "month", format) + QStringLiteral(", ") +
           Counted(difference.days, "day", format);
}

QString WeeksDaysText(const WeeksDays &weeks, const NumberFormat &format)
{
    return Counted(weeks.weeks, "week", format) + QStringLiteral(", ") + Counted(weeks.days, "day", format);
}

std::vector<std::pair<QString, QString>> DifferenceLines(const DateDifferenceResult &result,
                                                         DeeVariant variant, const NumberFormat &format)
{
    return {
        {QStringLiteral("From"), DayText(result.fromJdn, format)},
        {QStringLiteral("To"), DayText(result.toJdn, format)},
        {QStringLiteral("Days"), format.Grouped(result.days)},
        {QStringLiteral("Weeks"), WeeksDaysText(result.weeks, format)},
        {QStringLiteral("Gregorian"), YearsMonthsDaysText(result.inCalendars[0], format)},
        {QStringLiteral("Julian"), YearsMonthsDaysText(result.inCalendars[1], format)},
        {QString::fromLatin1(DeeCalendarName(variant)), YearsMonthsDaysText(result.inCalendars[2], format)}};
}

QString DifferenceText(const DateDifferenceResult &result, DeeVariant variant, const NumberFormat &format,
                       const QString &lineEnd)
{
    QString text;
    for (const auto &[label, value] : DifferenceLines(result, variant, format))
        text += (label + u':').leftJustified(11) + value + lineEnd;
    return text;
}

}  // namespace vardex
