// SPDX-License-Identifier: MIT
#include "CalJson.h"

#include "engine/Json.h"
#include "pages/SecondDates.h"

namespace vardex::cli {

namespace {

const char *CalendarId(PageCalendarKind kind)
{
    switch (kind) {
    case PageCalendarKind::Julian: return "julian";
    case PageCalendarKind::Dee: return "dee";
    case PageCalendarKind::Place: return "place";
    case PageCalendarKind::Gregorian: break;
    }
    return "gregorian";
}

std::string SecondJson(const PageCalendar &calendar, const PageDay &day)
{
    const SecondCalendar second = DefaultSecondCalendar(calendar, day);
    const std::optional<SecondDate> date = SecondDateOf(second, day.jdn, calendar.variant);
    if (!date)
        return "null";
    return JsonObject()
        .Add("calendar", SecondCalendarId(second))
        .Add("year", date->year)
        .Add("month", date->month)
        .Add("day", date->day)
        .Text();
}

std::string MarksJson(const std::vector<DayMark> &marks)
{
    std::string array;
    for (const DayMark &mark : marks) {
        JsonObject json;
        json.Add("kind", MarkKindId(mark.kind)).Add("id", mark.id).Add("name", mark.name);
        if (!mark.time.empty())
            json.Add("time", mark.time);
        array += (array.empty() ? "" : ", ") + json.Text();
    }
    return "[" + array + "]";
}

std::string DayJson(const PageCalendar &calendar, const PageDay &day, const std::vector<DayMark> &marks)
{
    return JsonObject()
        .Add("jdn", day.jdn)
        .Add("year", day.date.year)
        .Add("month", day.date.month)
        .Add("day", day.date.day)
        .Add("weekday", WeekdayName(day.weekday))
        .AddRaw("second", SecondJson(calendar, day))
        .AddRaw("marks", MarksJson(marks))
        .Text();
}

}  // namespace

std::string CalJson(const CalSheet &sheet)
{
    std::string days;
    for (size_t m = 0; m < sheet.months.size(); ++m) {
        const MonthPage &page = sheet.months[m];
        for (size_t i = 0; i < page.days.size(); ++i) {
            const std::vector<DayMark> none;
            const std::vector<DayMark> &marks =
                m < sheet.marks.size() && i < sheet.marks[m].size() ? sheet.marks[m][i] : none;
            days += (days.empty() ? "" : ", ") + DayJson(sheet.calendar, page.days[i], marks);
        }
    }
    JsonObject json;
    json.Add("calendar", CalendarId(sheet.calendar.kind));
    if (sheet.calendar.place)
        json.Add("place", sheet.calendar.place->id);
    else
        json.AddNull("place");
    json.Add("year", sheet.year);
    if (sheet.month)
        json.Add("month", *sheet.month);
    else
        json.AddNull("month");
    return json.Add("first_weekday", sheet.first == FirstWeekday::Monday ? "monday" : "sunday")
               .AddRaw("days", "[" + days + "]")
               .Text() +
           "\n";
}

}  // namespace vardex::cli
