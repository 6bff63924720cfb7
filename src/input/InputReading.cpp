// SPDX-License-Identifier: MIT
#include "InputReading.h"

#include <limits>

#include "InputCheck.h"
#include "TextUtils.h"
#include "engine/MonthArithmetic.h"
#include "engine/TextForms.h"

namespace vardex {

namespace {

const QString kNegativeAmount = QStringLiteral("Negative values not permitted in the arithmetical function.");

bool IsBeforeCommonEra(const QString &era)
{
    return era == QStringLiteral("BC") || era == QStringLiteral("BCE");
}

// 1 - year, the astronomical number of a year counted backwards from 1 BC, within 32 bits.
int32_t YearBeforeCommonEra(int32_t year)
{
    const int64_t astronomical = 1 - int64_t{year};
    return static_cast<int32_t>(std::max<int64_t>(astronomical, std::numeric_limits<int32_t>::min()));
}

bool FitsInt32(int64_t value)
{
    return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

enum class ArithCheck { Ok, Negative, TooLarge };

// One reading of the input, step by step as the window's procedures take it; the date being read
// is the entry's last date, which the steps move on.
class Reading {
public:
    Reading(InputEntry &entry, const InputContext &context, std::vector<Message> &messages)
        : e_(entry),
          context_(context),
          messages_(messages)
    {
    }

    bool Read(std::optional<Calendar> calendar, bool reportInvalidDate)
    {
        const bool arithmeticChosen = e_.sign != ArithmeticSign::None;
        CalendarDate &date = e_.lastDate;
        if (e_.type == InputType::MonthDayYear) {
            date.month = e_.month;
            date.day = e_.day;
            date.year = WholeNumber(LeadingNumber(KeepChars(e_.year, kDigits)));
            e_.year = date.year >= 9999 ? context_.format.Grouped(date.year) : QString::number(date.year);
            if (IsBeforeCommonEra(e_.era))
                date.year = YearBeforeCommonEra(date.year);
            e_.lastCalendar = calendar;
            if (!InputDateValid(reportInvalidDate))
                return false;
            if (arithmeticChosen && CheckArithmetic() != ArithCheck::Ok)
                return false;
        } else if (e_.type == InputType::YearMonthDay) {
            const auto part = [this](qsizetype i) {
                return i < e_.ymdParts.size() ? WholeNumber(LeadingNumber(e_.ymdParts[i])) : 0;
            };
            date = {part(0), part(1), part(2)};
            e_.lastCalendar = calendar;
            if (!InputDateValid(reportInvalidDate))
                return false;
            e_.yearMonthDay = YearMonthDayText(date, e_.ymdCalendarEntry, context_);
            if (arithmeticChosen && CheckArithmetic() != ArithCheck::Ok)
                return false;
        }

        bool arithmeticEmpty = true;
        for (QString &amount : e_.amounts) {
            amount = TrimBlanks(amount);
            arithmeticEmpty = arithmeticEmpty && amount.isEmpty();
        }
        if (e_.arithmeticOffered && arithmeticChosen && !arithmeticEmpty)
            return ApplyArithmetic();
        Convert();
        return true;
    }

private:
    // The date's JDN into lastJdn when it exists; whether it does.
    bool Convert()
    {
        const std::optional<int32_t> jdn =
            e_.lastCalendar ? DateToJDN(*e_.lastCalendar, e_.lastDate, context_.variant) : std::nullopt;
        if (jdn)
            e_.lastJdn = *jdn;
        return jdn.has_value();
    }

    bool InputDateValid(bool report)
    {
        const bool valid = Convert();
        const CalendarDate &date = e_.lastDate;
        if (!valid && report) {
            QString text = QStringLiteral("The input date is invalid.");
            if (date.month == 2 && date.day == 29 && date.year >= 1) {
                QString name = QStringLiteral("Gregorian");
                if (e_.lastCalendar == Calendar::Julian)
                    name = QStringLiteral("Julian");
                else if (e_.lastCalendar == Calendar::Dee)
                    name = QString::fromLatin1(DeeCalendarName(context_.variant));
                text += kCrLf + kCrLf + QStringLiteral("In the ") + name + QStringLiteral(" Calendar") +
                        kCrLf + QString::number(date.year) + QStringLiteral(" is not a leap year.");
            }
            messages_.push_back({text, QStringLiteral("Invalid input"), MessageIcon::Information});
        }
        return valid;
    }

    void ReportRange()
    {
        messages_.push_back({ArithmeticRangeMessage(), context_.title, MessageIcon::Information});
    }

    ArithCheck CheckArithmetic()
    {
        for (size_t i = 0; i < e_.amounts.size(); ++i) {
            const QString &text = e_.amounts[i];
            if (text.startsWith(u'-')) {
                messages_.push_back({kNegativeAmount, context_.title, MessageIcon::Information});
                return ArithCheck::Negative;
            }
            const std::optional<int32_t> amount = ToInt32(LeadingNumber(KeepChars(text, kDigits)));
            if (!amount) {
                ReportRange();
                return ArithCheck::TooLarge;
            }
            e_.lastAmounts[i] = *amount;
        }
        return ArithCheck::Ok;
    }

    bool ApplyArithmetic()
    {
        // The amounts are read again. A sign that shows only now, after trimming, is reported but
        // does not stop the calculation; an amount beyond 32 bits cannot be used at all.
        if (CheckArithmetic() == ArithCheck::TooLarge)
            return false;
        const int64_t sign = e_.sign == ArithmeticSign::Plus ? 1 : -1;
        const int64_t months = 12 * int64_t{e_.lastAmounts[0]} + e_.lastAmounts[1];
        const MovedDate moved = AddMonths(*e_.lastCalendar, e_.lastDate, sign * months, context_.variant);
        e_.lastDate = moved.date;
        if (!moved.jdn) {
            ReportRange();
            return false;
        }
        e_.lastJdn = *moved.jdn;
        const int64_t days = 7 * int64_t{e_.lastAmounts[2]} + e_.lastAmounts[3];
        const int64_t jdn = e_.sign == ArithmeticSign::Plus ? e_.lastJdn + days : e_.lastJdn - days;
        if (!FitsInt32(jdn)) {
            ReportRange();
            return false;
        }
        e_.lastJdn = static_cast<int32_t>(jdn);
        return true;
    }

    InputEntry &e_;
    const InputContext &context_;
    std::vector<Message> &messages_;
};

}  // namespace

DayReading ReadInputDay(InputEntry entry, std::optional<Calendar> calendar, bool reportInvalidDate,
                        const InputContext &context)
{
    DayReading reading;
    const bool read = Reading(entry, context, reading.messages).Read(calendar, reportInvalidDate);
    if (read)
        reading.jdn = entry.lastJdn;
    reading.entry = std::move(entry);
    return reading;
}

DayReading ReadCheckedInput(InputEntry entry, const InputContext &context)
{
    InputCheck check = CheckInputDate(std::move(entry), context);
    if (!check.Ok())
        return {std::move(check.entry), {*check.fault}, std::nullopt};
    const std::optional<Calendar> calendar = InputCalendar(check.entry);
    return ReadInputDay(std::move(check.entry), calendar, true, context);
}

int32_t InputYear(const InputEntry &entry)
{
    if (entry.type != InputType::MonthDayYear)
        return WholeNumber(LeadingNumber(TrimBlanks(entry.yearMonthDay)));
    const int32_t year = WholeNumber(LeadingNumber(TrimBlanks(entry.year)));
    return IsBeforeCommonEra(entry.era) ? YearBeforeCommonEra(year) : year;
}

QString YearMonthDayText(const CalendarDate &date, int ymdCalendarEntry, const InputContext &context)
{
    QString text = context.format.Grouped(date.year);
    if (date.year >= -9999 && date.year <= 9999)
        text = KeepChars(text, QStringLiteral("0123456789-"));
    text += u'-' + QString::fromStdString(TwoDigits(date.month)) + u'-' +
            QString::fromStdString(TwoDigits(date.day));
    const Calendar calendar = ymdCalendarEntry == 1   ? Calendar::Gregorian
                              : ymdCalendarEntry == 2 ? Calendar::Julian
                                                      : Calendar::Dee;
    return text + u' ' + QString::fromLatin1(CalendarDesignator(calendar, context.variant));
}

AmountCheck CheckAmountBox(const QString &text)
{
    QString rest = TrimBlanks(text);
    const QString title = QStringLiteral("Invalid input");
    if (rest.startsWith(u'-'))
        return {Message{kNegativeAmount, title, MessageIcon::Information}, false};
    StripChars(rest, QStringLiteral("0123456789,.'") + kGroupBlanks);
    if (rest.isEmpty())
        return {};
    return {Message{QStringLiteral("Invalid input in the arithmetical function."), title,
                    MessageIcon::Information},
            true};
}

QString ArithmeticRangeMessage()
{
    return QStringLiteral("The date arithmetic goes beyond the range of dates that can be calculated.");
}

std::optional<Calendar> CalendarOfEntry(int entry)
{
    switch (entry) {
    case 1: return Calendar::Gregorian;
    case 2: return Calendar::Julian;
    case 3: return Calendar::Dee;
    default: return std::nullopt;
    }
}

std::optional<Calendar> InputCalendar(const InputEntry &entry)
{
    if (entry.type == InputType::MonthDayYear)
        return CalendarOfEntry(entry.calendarEntry);
    if (entry.type == InputType::YearMonthDay)
        return CalendarOfEntry(entry.ymdCalendarEntry);
    return std::nullopt;
}

}  // namespace vardex
