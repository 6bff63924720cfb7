// SPDX-License-Identifier: MIT
#include "InputCheck.h"

#include <cmath>

#include "TextUtils.h"

namespace vardex {

namespace {

// Whether text occurs in s after its first character (the designator never starts the text).
bool FoundAfterStart(const QString &s, const QString &text) { return s.indexOf(text) >= 1; }

std::optional<Message> CheckMonthDayYearYear(QString &year, const QString &title)
{
    const auto fault = [&](const QString &text, MessageIcon icon) { return Message{text, title, icon}; };
    year = TrimBlanks(year);
    if (year.startsWith(u'+') || !IsNumberWithChars(year, true, QStringLiteral(",.") + kGroupBlanks) ||
        year.count(u'-') > 1)
        return fault(QStringLiteral("Invalid year value"), MessageIcon::Exclamation);
    while (year.size() > 1 && year.startsWith(u'0'))
        year.remove(0, 1);
    if (year.startsWith(u'-') || year == QStringLiteral("0"))
        return fault(QStringLiteral("Zero and negative years not accepted.") + kCrLf +
                         QStringLiteral("Input the date as year-month-day."),
                     MessageIcon::Information);
    QString digits = year;
    StripChars(digits, QStringLiteral("-,.'") + kGroupBlanks);
    if (LeadingNumber(digits) <= 99999)
        return std::nullopt;
    return fault(QStringLiteral("Year is out of permitted range"), MessageIcon::Exclamation);
}

std::optional<Message> CheckYearMonthDay(InputEntry &entry, const InputContext &context)
{
    const auto fault = [&](const QString &text, MessageIcon icon) {
        return Message{text, context.title, icon};
    };
    QString &date = entry.yearMonthDay;
    date = TrimBlanks(date).toUpper();
    const int list = entry.ymdCalendarEntry;
    const bool ce = FoundAfterStart(date, QStringLiteral("CE"));
    const bool jc = FoundAfterStart(date, QStringLiteral("JC"));
    const bool dee = FoundAfterStart(date, QStringLiteral("D"));
    if ((list == 1 && (jc || dee)) || (list == 2 && (ce || dee)) || (list == 3 && (ce || jc)))
        return fault(QStringLiteral("Inconsistent calendar designations in year-month-day date."),
                     MessageIcon::Exclamation);

    if (YmdDesignator(date).isEmpty()) {
        if (list == 1)
            date += QStringLiteral(" CE");
        else if (list == 2)
            date += QStringLiteral(" JC");
        else
            return fault(QStringLiteral("Please specify calendar for year-month-day date."),
                         MessageIcon::None);
    }

    const QString designator = YmdDesignator(date);
    if (designator != QStringLiteral("CE") && designator != QStringLiteral("JC") &&
        designator != QLatin1String(DeeCalendarDesignation(context.variant))) {
        if (designator == QStringLiteral("AD") || designator == QStringLiteral("BC"))
            return fault(QStringLiteral("The calendar designators 'AD' and 'BC'") + kCrLf +
                             QStringLiteral("can only be used with month,day,year dates."),
                         MessageIcon::Information);
        return fault(QStringLiteral("Invalid input date"), MessageIcon::Exclamation);
    }

    QString numbers = date;
    const bool negative = numbers.startsWith(u'-');
    if (negative)
        numbers.remove(0, 1);
    StripChars(numbers, QStringLiteral("CDEJ,.'") + kGroupBlanks);
    // One more leading or trailing dash is no empty part.
    if (numbers.startsWith(u'-'))
        numbers.remove(0, 1);
    if (numbers.endsWith(u'-'))
        numbers.chop(1);
    entry.ymdParts = numbers.split(u'-');
    if (entry.ymdParts.size() != 3)
        return fault(QStringLiteral("Invalid input date"), MessageIcon::Exclamation);
    if (negative)
        entry.ymdParts[0].prepend(u'-');
    if (std::abs(LeadingNumber(entry.ymdParts[0])) > 99999)
        return fault(QStringLiteral("Input date is out of permitted range."), MessageIcon::Exclamation);
    const double month = LeadingNumber(entry.ymdParts[1]);
    const double day = LeadingNumber(entry.ymdParts[2]);
    if (month >= 1 && month <= 12 && day >= 1 && day <= 31)
        return std::nullopt;
    return fault(QStringLiteral("Invalid input date"), MessageIcon::Exclamation);
}

}  // namespace

QString YmdDesignator(QString text)
{
    StripChars(text, QStringLiteral("0123456789-,.'") + kGroupBlanks);
    return text;
}

InputCheck CheckInputDate(InputEntry entry, const InputContext &context)
{
    std::optional<Message> fault;
    if (!entry.monthDayYearChosen && !entry.yearMonthDayChosen)
        fault = Message{QStringLiteral("Please select type of input date"), context.title, MessageIcon::None};
    else if (entry.type == InputType::MonthDayYear)
        fault = CheckMonthDayYearYear(entry.year, context.title);
    else if (entry.type == InputType::YearMonthDay)
        fault = CheckYearMonthDay(entry, context);
    return {std::move(entry), std::move(fault)};
}

}  // namespace vardex
