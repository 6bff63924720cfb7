// SPDX-License-Identifier: MIT
#include "CalendarPageDay.h"

#include <QStringList>

#include "engine/Calendars.h"
#include "engine/TextForms.h"
#include "history/PlaceHistory.h"
#include "input/NumberFormat.h"
#include "pages/SecondDates.h"

namespace vardex {

namespace {

QString Q(const std::string &text) { return QString::fromStdString(text); }

QString DateText(Calendar calendar, int32_t jdn, DeeVariant variant)
{
    return Q(HistoricalDateText(JDNToDate(calendar, jdn, variant)));
}

}  // namespace

std::vector<DayDate> DatesOfDay(int32_t jdn, DeeVariant variant, const Place *place)
{
    const int16_t weekday = DayOfWeek(jdn);
    std::vector<DayDate> dates{
        {QStringLiteral("JDN"), NumberFormat::Regional().Grouped(jdn)},
        {QStringLiteral("Weekday"), Q(WeekdayText(weekday))},
        {QStringLiteral("Gregorian"), DateText(Calendar::Gregorian, jdn, variant)},
        {QStringLiteral("Julian"), DateText(Calendar::Julian, jdn, variant)},
        {QString::fromLatin1(DeeCalendarName(variant)), DateText(Calendar::Dee, jdn, variant)},
    };
    if (const std::optional<SecondDate> hebrew = SecondDateOf(SecondCalendar::Hebrew, jdn, variant))
        dates.push_back(
            {QStringLiteral("Hebrew"), QStringLiteral("%1 %2 %3")
                                           .arg(hebrew->day)
                                           .arg(Q(hebrew->monthName), QString::number(hebrew->year))});
    if (place) {
        const WrittenDay written = WriteDay(*place, jdn);
        QString text = Q(written.text);
        if (written.weekday != weekday)
            text += QStringLiteral(", named %1 there").arg(Q(WeekdayText(written.weekday)));
        dates.push_back({Q(place->name), text});
    }
    return dates;
}

QString DayDatesLine(const std::vector<DayDate> &dates)
{
    if (dates.size() < 2)
        return {};
    QStringList parts;
    for (size_t i = 2; i < dates.size(); ++i)
        parts << dates[i].calendar + QStringLiteral(": ") + dates[i].text;
    return QStringLiteral("JDN %1, %2. ").arg(dates[0].text, dates[1].text) +
           parts.join(QStringLiteral("; "));
}

QString DayDatesLines(const std::vector<DayDate> &dates)
{
    QStringList lines;
    for (const DayDate &date : dates)
        lines << date.calendar + QStringLiteral(": ") + date.text;
    return lines.join(u'\n');
}

}  // namespace vardex
