// SPDX-License-Identifier: MIT
#include "Calculation.h"

#include "InputCheck.h"
#include "InputReading.h"
#include "engine/TextForms.h"

namespace vardex {

namespace {

QString Weekday(int weekday) { return QString::fromStdString(WeekdayText(static_cast<int16_t>(weekday))); }

// Collects the readings of one calculation: their messages in order, and the JDN of the last one
// that succeeded.
struct Readings {
    Calculation result;

    bool Read(std::optional<Calendar> calendar, bool reportInvalidDate, const InputContext &context)
    {
        DayReading reading = ReadInputDay(std::move(result.entry), calendar, reportInvalidDate, context);
        result.entry = std::move(reading.entry);
        result.messages.insert(result.messages.end(), reading.messages.begin(), reading.messages.end());
        if (reading.jdn)
            result.jdn = reading.jdn;
        return reading.jdn.has_value();
    }

    // Whether the reading succeeded and its day is a weekday (0 = Sunday).
    bool ReadWeekday(Calendar calendar, int weekday, const InputContext &context)
    {
        return Read(calendar, false, context) && DayOfWeek(*result.jdn) == weekday;
    }
};

}  // namespace

Calculation Calculate(InputEntry entry, const InputContext &context)
{
    InputCheck check = CheckInputDate(std::move(entry), context);
    Readings readings;
    readings.result.entry = std::move(check.entry);
    Calculation &result = readings.result;
    if (!check.Ok()) {
        result.messages.push_back(*check.fault);
        return result;
    }
    if (result.entry.type == InputType::Incomplete)
        return result;

    const int k = result.entry.calendarEntry;
    if (result.entry.type == InputType::YearMonthDay || k < kFirstWeekdayEntry) {
        result.showResult = readings.Read(InputCalendar(result.entry), true, context);
        return result;
    }

    const int weekday = k - kFirstWeekdayEntry;  // 0 = Sunday
    const bool gregorian = readings.ReadWeekday(Calendar::Gregorian, weekday, context);
    const bool julian = readings.ReadWeekday(Calendar::Julian, weekday, context);
    if (!gregorian && !julian) {
        result.messages.push_back({QStringLiteral("The input date is not a ") + Weekday(weekday) +
                                       QStringLiteral(" in either ") +
                                       QStringLiteral("the Gregorian Calendar or the Julian."),
                                   context.title, MessageIcon::Information});
        return result;
    }
    if (gregorian && julian) {
        result.messages.push_back({QStringLiteral("The input date is a ") + Weekday(weekday) +
                                       QStringLiteral(" in both the Gregorian and ") +
                                       QStringLiteral("the Julian calendars."),
                                   context.title, MessageIcon::Information});
    }
    result.settled = julian ? Calendar::Julian : Calendar::Gregorian;  // when both match, the Julian reading
    readings.Read(result.settled, false, context);
    result.showResult = true;
    return result;
}

}  // namespace vardex
