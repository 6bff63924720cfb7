// SPDX-License-Identifier: MIT
#include "CalCommand.h"

#include "CalIcs.h"
#include "CalJson.h"
#include "CalText.h"
#include "HistoryCommand.h"
#include "astronomy/SkyEvents.h"
#include "engine/Calendars.h"
#include "engine/Today.h"
#include "history/WrittenDayReading.h"

namespace vardex::cli {

namespace {

Outcome Refused(const std::string &message) { return {"", "vardex-cli: " + message + "\n", kExitRefused}; }

PageCalendarKind KindOf(const Arguments &a)
{
    if (a.place)
        return PageCalendarKind::Place;
    switch (a.calendar.value_or(Calendar::Gregorian)) {
    case Calendar::Julian: return PageCalendarKind::Julian;
    case Calendar::Dee: return PageCalendarKind::Dee;
    case Calendar::Gregorian: break;
    }
    return PageCalendarKind::Gregorian;
}

// Today's date as the page's calendar or place writes it, the year from 1 January.
CalendarDate TodayOnPage(const PageCalendar &calendar, int32_t todayJdn)
{
    switch (calendar.kind) {
    case PageCalendarKind::Julian: return JDNToDate(Calendar::Julian, todayJdn, calendar.variant);
    case PageCalendarKind::Dee: return JDNToDate(Calendar::Dee, todayJdn, calendar.variant);
    case PageCalendarKind::Place: return WriteDay(*calendar.place, todayJdn).date;
    case PageCalendarKind::Gregorian: break;
    }
    return JDNToDate(Calendar::Gregorian, todayJdn, calendar.variant);
}

// The month or the year's pages, or nothing where their days lie beyond the JDN range.
bool BuildPages(CalSheet &sheet)
{
    if (sheet.month) {
        std::optional<MonthPage> page = BuildMonthPage(sheet.calendar, sheet.year, *sheet.month);
        if (page)
            sheet.months.push_back(std::move(*page));
        return page.has_value();
    }
    std::optional<YearPage> page = BuildYearPage(sheet.calendar, sheet.year);
    if (page) {
        sheet.yearTitle = page->title;
        sheet.months = std::move(page->months);
    }
    return page.has_value();
}

std::string PageName(const CalSheet &sheet, const std::string &yearText)
{
    return (sheet.month ? std::string(MonthName(*sheet.month)) + " of the year " : "the year ") + yearText;
}

// The marks of the pages, and whether they are shown: a year's text lists them only when asked
// for; JSON and iCalendar carry them unless refused.
bool AddMarks(CalSheet &sheet, const Arguments &a)
{
    const bool shown = a.marks || sheet.month || a.json || a.ics;
    const MarkChoice choice = a.marks.value_or(MarkChoice{});
    for (const MonthPage &page : sheet.months)
        sheet.marks.push_back(shown ? MarksOfMonth(page, sheet.calendar, choice)
                                    : std::vector<std::vector<DayMark>>(page.days.size()));
    return shown;
}

// Seasons or phases asked for in a year the sky is not calculated for: a note, not a refusal.
std::string SkyNote(const Arguments &a, int64_t year)
{
    if (!a.marks || !(a.marks->seasons || a.marks->moon) || (year >= kFirstSkyYear && year <= kLastSkyYear))
        return "";
    return "vardex-cli: the seasons and the Moon's phases are marked only in the years -4000 through 8000.\n";
}

}  // namespace

Outcome RunCal(const Arguments &a, const Clock &clock, const std::string &dataFolder,
               const std::string &version)
{
    PlaceTable table;
    CalSheet sheet;
    sheet.calendar = {KindOf(a), nullptr, a.variant};
    sheet.first = a.sundayFirst ? FirstWeekday::Sunday : FirstWeekday::Monday;
    if (a.place) {
        table = LoadPlaceTable(dataFolder);
        if (!table.error.empty())
            return {"", table.error + "\n", kExitRefused};
        sheet.calendar.place = FindPlace(table, *a.place);
        if (!sheet.calendar.place)
            return {"", UnknownPlaceMessage(*a.place) + "\n", kExitRefused};
    }

    // This month by default; --year alone is the whole year, --month alone that month this year.
    const CalendarDate today = TodayOnPage(sheet.calendar, TodayJDN(clock.ShortDateText()));
    const int64_t year = a.pageYear ? a.pageYear->value : today.year;
    const std::string yearText = a.pageYear ? a.pageYear->text : std::to_string(year);
    if (a.month || !a.pageYear)
        sheet.month = a.month.value_or(today.month);
    const std::string beyond = " lies beyond the Julian day numbers -2,147,483,648 to 2,147,483,647.";
    if (year < INT32_MIN || year > INT32_MAX)
        return Refused(PageName(sheet, yearText) + beyond);
    sheet.year = static_cast<int32_t>(year);
    if (!BuildPages(sheet))
        return Refused(PageName(sheet, yearText) + beyond);

    const bool listMarks = AddMarks(sheet, a);
    const std::string note = SkyNote(a, year);
    if (a.json)
        return {CalJson(sheet), note, kExitOk};
    if (a.ics) {
        const std::optional<std::string> file = CalIcs(sheet, version, clock.UtcSeconds());
        if (!file)
            return Refused("an iCalendar file holds only days of the Gregorian years 1 to 9999, and " +
                           PageName(sheet, yearText) + " has days beyond them.");
        return {*file, note, kExitOk};
    }
    return {CalText(sheet, listMarks), note, kExitOk};
}

}  // namespace vardex::cli
