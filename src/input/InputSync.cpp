// SPDX-License-Identifier: MIT
#include "InputSync.h"

#include "TextUtils.h"

namespace vardex {

namespace {

const QString kCe = QStringLiteral("CE");
const QString kJc = QStringLiteral("JC");

// The year digits with any grouping removed again, for years of four digits or fewer.
QString YearDigits(int64_t year, bool grouped, const NumberFormat &format)
{
    const QString text = format.Grouped(year);
    return grouped ? text : KeepChars(text, QStringLiteral("0123456789-"));
}

}  // namespace

InputEntry DeriveInputType(InputEntry entry)
{
    entry.type = InputType::Incomplete;
    if (entry.monthDayYearChosen) {
        entry.year = TrimBlanks(entry.year);
        if (entry.month > 0 && entry.day > 0 && !entry.year.isEmpty() && !entry.era.isEmpty() &&
            entry.calendarEntry > 0)
            entry.type = InputType::MonthDayYear;
    } else if (entry.yearMonthDayChosen) {
        if (!entry.yearMonthDay.isEmpty() && entry.ymdCalendarEntry > 0)
            entry.type = InputType::YearMonthDay;
    }
    return entry;
}

std::array<QString, 3> DesignatorLegends(DeeVariant variant)
{
    return {QStringLiteral("'CE' = 'Common Era Calendar' = the proleptic Gregorian Calendar with ") +
                QStringLiteral("astronomical year numbering"),
            QStringLiteral("'JC' = the proleptic Julian Calendar with astronomical year numbering"),
            DeeLegend(DeeLegendTemplate(), variant)};
}

QString DeeLegendTemplate()
{
    return QStringLiteral("'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering");
}

QString DeeLegend(const QString &deeLegendTemplate, DeeVariant variant)
{
    QString legend = deeLegendTemplate;
    legend.replace(QStringLiteral("DC"), QLatin1String(DeeCalendarDesignation(variant)));
    legend.replace(QStringLiteral("Dee-Cecil"), QLatin1String(DeeCalendarName(variant)));
    return legend;
}

QString Redesignated(const QString &text, int ymdCalendarEntry, DeeVariant variant)
{
    QString date = text.toUpper();
    const QString dee = QLatin1String(DeeCalendarDesignation(variant));
    auto replace = [&date](const QString &from, const QString &to) {
        date.replace(from, to, Qt::CaseSensitive);
    };
    switch (ymdCalendarEntry) {
    case 1:
        replace(kJc, kCe);
        replace(dee, kCe);
        break;
    case 2:
        replace(kCe, kJc);
        replace(dee, kJc);
        break;
    case 3:
        replace(kCe, dee);
        replace(kJc, dee);
        break;
    default: break;
    }
    return date;
}

int EntryWhenYmdFormChosen(const QString &text, int ymdCalendarEntry)
{
    if (ymdCalendarEntry != 0)
        return ymdCalendarEntry;
    if (text.indexOf(kCe) >= 1)
        return 1;
    if (text.indexOf(kJc) >= 1)
        return 2;
    return 0;
}

DesignatorSync SyncDesignator(const QString &text, int ymdCalendarEntry, bool ymdFormShown,
                              DeeVariant variant)
{
    DesignatorSync sync{text.toUpper(), ymdCalendarEntry, -1};
    if (ymdFormShown) {
        if (text.contains(QLatin1String(DeeCalendarDesignation(variant))))
            sync.legendIndex = 2;
        else if (text.contains(kJc))
            sync.legendIndex = 1;
        else if (text.contains(kCe))
            sync.legendIndex = 0;
    }
    if (sync.ymdCalendarEntry == 0 && sync.legendIndex >= 0) {
        sync.ymdCalendarEntry = sync.legendIndex + 1;
        sync.text = Redesignated(sync.text, sync.ymdCalendarEntry, variant);
    }
    return sync;
}

DesignatorSync SettledDesignator(const QString &text, int ymdCalendarEntry, DeeVariant variant)
{
    const DesignatorSync first = SyncDesignator(text, ymdCalendarEntry, true, variant);
    return SyncDesignator(first.text, first.ymdCalendarEntry, true, variant);
}

TodayCalendar ChooseTodayCalendar(bool monthDayYearChosen, int calendarEntry, int ymdCalendarEntry)
{
    int deciding = monthDayYearChosen ? calendarEntry : ymdCalendarEntry;
    if (deciding <= 0 || deciding >= kFirstWeekdayEntry)
        deciding = 1;
    return {deciding, CalendarOfEntry(deciding).value_or(Calendar::Gregorian)};
}

MonthDayYearFields MonthDayYearFieldsOf(const CalendarDate &date, const QString &era,
                                        const NumberFormat &format)
{
    MonthDayYearFields fields{date.month, date.day, {}, era};
    if (date.year < 1) {
        fields.year = YearDigits(1 - int64_t{date.year}, date.year < -9999, format);
        if (era.isEmpty() || era == QStringLiteral("CE"))
            fields.era = QStringLiteral("BCE");
        else if (era == QStringLiteral("AD"))
            fields.era = QStringLiteral("BC");
    } else {
        fields.year = YearDigits(date.year, date.year > 9999, format);
        if (era.isEmpty() || era == QStringLiteral("BCE"))
            fields.era = QStringLiteral("CE");
        else if (era == QStringLiteral("BC"))
            fields.era = QStringLiteral("AD");
    }
    return fields;
}

}  // namespace vardex
