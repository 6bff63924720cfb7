// SPDX-License-Identifier: MIT
#include "InputArguments.h"

#include "engine/Today.h"
#include "input/InputReading.h"
#include "input/InputSync.h"
#include "input/TextUtils.h"

namespace vardex::cli {

namespace {

// The window's input after its start-up: today's date, read in calendar, in both forms.
InputEntry TodayEntry(int calendarEntry, DeeVariant variant, const std::string &todayText)
{
    InputEntry entry;
    entry.monthDayYearChosen = true;
    const TodayCalendar today = ChooseTodayCalendar(true, calendarEntry, calendarEntry);
    entry.calendarEntry = today.entry;
    entry.ymdCalendarEntry = today.entry;
    const CalendarDate date = JDNToDate(today.calendar, TodayJDN(todayText), variant);
    const NumberFormat format = NumberFormat::Commas();
    const MonthDayYearFields fields = MonthDayYearFieldsOf(date, QStringLiteral("CE"), format);
    entry.month = fields.month;
    entry.day = fields.day;
    entry.year = fields.year;
    entry.era = fields.era;
    entry.yearMonthDay = YearMonthDayText(date, today.entry, {variant, {}, format});
    return entry;
}

}  // namespace

std::optional<Outcome> Refusal(const EnteredInput &input)
{
    if (input.amountFault) {
        QString text = input.amountFault->text;
        return Outcome{"", text.replace(kCrLf, QStringLiteral("\n")).toStdString() + "\n", kExitRefused};
    }
    if (input.incomplete)
        return Outcome{"", "vardex-cli: " + *input.incomplete + "\n", kExitUsage};
    return std::nullopt;
}

int ListEntry(Calendar calendar)
{
    switch (calendar) {
    case Calendar::Gregorian: return 1;
    case Calendar::Julian: return 2;
    case Calendar::Dee: break;
    }
    return 3;
}

EnteredInput EnterInput(const DateInput &date, const std::optional<ArithInput> &arithmetic,
                        DeeVariant variant, const std::string &todayText)
{
    const bool todayInCalendar = date.form == DateInput::Form::Today && date.calendar;
    InputEntry entry = TodayEntry(todayInCalendar ? ListEntry(*date.calendar) : 1, variant, todayText);
    switch (date.form) {
    case DateInput::Form::Today: break;
    case DateInput::Form::MonthDayYear:
        entry.month = date.month;
        entry.day = date.day;
        entry.year = QString::fromStdString(date.yearText);
        entry.era = QString::fromStdString(date.era);
        entry.calendarEntry = date.calendarEntry;
        break;
    case DateInput::Form::YearMonthDay: {
        entry.monthDayYearChosen = false;
        entry.yearMonthDayChosen = true;
        // Without a calendar the empty entry lets the typed designator choose, as in the window.
        const DesignatorSync sync = SettledDesignator(QString::fromStdString(date.ymdText),
                                                      date.calendar ? ListEntry(*date.calendar) : 0, variant);
        entry.yearMonthDay = sync.text;
        entry.ymdCalendarEntry = sync.ymdCalendarEntry;
        break;
    }
    }
    std::optional<Message> amountFault;
    if (arithmetic) {
        entry.sign = arithmetic->plus ? ArithmeticSign::Plus : ArithmeticSign::Minus;
        for (size_t i = 0; i < arithmetic->amounts.size() && !amountFault; ++i) {
            entry.amounts[i] = QString::fromStdString(arithmetic->amounts[i]);
            // The check the window runs as the user leaves each box in turn.
            amountFault = CheckAmountBox(entry.amounts[i]).message;
        }
    }

    entry = DeriveInputType(std::move(entry));
    // The arithmetic is not offered for a weekday search.
    entry.arithmeticOffered =
        !(entry.type == InputType::MonthDayYear && entry.calendarEntry >= kFirstWeekdayEntry);
    std::optional<std::string> incomplete;
    if (entry.type == InputType::Incomplete && date.form == DateInput::Form::YearMonthDay)
        incomplete = "the input date is incomplete: it needs a designator (CE, JC, D or DC) or --calendar";
    else if (entry.type == InputType::Incomplete)
        incomplete = "the input date is incomplete";
    return {std::move(entry), std::move(incomplete), std::move(amountFault)};
}

}  // namespace vardex::cli
