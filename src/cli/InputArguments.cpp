// SPDX-License-Identifier: MIT
#include "InputArguments.h"

#include "ConsoleDialogs.h"
#include "engine/Today.h"
#include "input/InputCheck.h"
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

// "the designator D belongs to the Dee variant: give --variant dee, or write DC for Dee-Cecil"
std::string OtherVariantDesignator(DeeVariant other, DeeVariant used)
{
    return std::string("the designator ") + DeeCalendarDesignation(other) + " belongs to the " +
           DeeCalendarName(other) + " variant: give --variant " + VariantOption(other) + ", or write " +
           DeeCalendarDesignation(used) + " for " + DeeCalendarName(used);
}

Outcome UsageFault(const std::string &reason) { return {"", "vardex-cli: " + reason + "\n", kExitUsage}; }

}  // namespace

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
        QString text = QString::fromStdString(date.ymdText);
        const QString designator = YmdDesignator(TrimBlanks(text).toUpper());
        const DeeVariant other = variant == DeeVariant::Dee ? DeeVariant::DeeCecil : DeeVariant::Dee;
        // The window knows only its own variant's Dee designator and would call the other one
        // missing or invalid; a script more likely forgot --variant.
        if (designator == QLatin1String(DeeCalendarDesignation(other)) &&
            (!date.calendar || date.calendar == Calendar::Dee))
            return {std::move(entry), UsageFault(OtherVariantDesignator(other, variant))};
        // The window checks a date without designator against the calendar chosen in its list, but
        // a user who chooses Dee there must still type its designator; --calendar dee types it.
        if (date.calendar == Calendar::Dee && designator.isEmpty() && !TrimBlanks(text).isEmpty())
            text += u' ' + QLatin1String(DeeCalendarDesignation(variant));
        // Without a calendar the empty entry lets the typed designator choose, as in the window.
        const DesignatorSync sync =
            SettledDesignator(text, date.calendar ? ListEntry(*date.calendar) : 0, variant);
        entry.yearMonthDay = sync.text;
        entry.ymdCalendarEntry = sync.ymdCalendarEntry;
        break;
    }
    }
    std::optional<Outcome> amountFault;
    if (arithmetic) {
        entry.sign = arithmetic->plus ? ArithmeticSign::Plus : ArithmeticSign::Minus;
        for (size_t i = 0; i < arithmetic->amounts.size() && !amountFault; ++i) {
            entry.amounts[i] = QString::fromStdString(arithmetic->amounts[i]);
            // The check the window runs as the user leaves each box in turn.
            if (const std::optional<Message> fault = CheckAmountBox(entry.amounts[i]).message) {
                QString text = fault->text;
                amountFault =
                    Outcome{"", text.replace(kCrLf, QStringLiteral("\n")).toStdString() + "\n", kExitRefused};
            }
        }
    }

    entry = DeriveInputType(std::move(entry));
    // The arithmetic is not offered for a weekday search.
    entry.arithmeticOffered =
        !(entry.type == InputType::MonthDayYear && entry.calendarEntry >= kFirstWeekdayEntry);
    // An amount's fault first: the window says it as the user leaves the box.
    if (amountFault)
        return {std::move(entry), std::move(amountFault)};
    if (entry.type == InputType::Incomplete && date.form == DateInput::Form::YearMonthDay)
        return {std::move(entry),
                UsageFault(
                    "the input date is incomplete: it needs a designator (CE, JC, D or DC) or --calendar")};
    if (entry.type == InputType::Incomplete)
        return {std::move(entry), UsageFault("the input date is incomplete")};
    return {std::move(entry), std::nullopt};
}

CalculatedDay CalculateDay(const Arguments &arguments, const Clock &clock)
{
    const DeeVariant variant = arguments.variant;
    EnteredInput input = EnterInput(*arguments.input, arguments.arithmetic, variant, clock.ShortDateText());
    if (input.refused)
        return {std::nullopt, std::move(*input.refused)};
    Calculation calculation =
        Calculate(input.entry, {variant, QStringLiteral("Calculate"), NumberFormat::Commas()});
    ConsoleDialogs dialogs;
    dialogs.ShowAll(calculation.messages);
    if (!calculation.showResult)
        return {std::nullopt, {"", dialogs.Text(), kExitRefused}};
    return {std::move(calculation), {"", dialogs.Text(), kExitOk}};
}

}  // namespace vardex::cli
