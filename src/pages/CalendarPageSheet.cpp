// SPDX-License-Identifier: MIT
#include "CalendarPageSheet.h"

#include <algorithm>
#include <iterator>

#include "astronomy/DeltaTModels.h"
#include "engine/Calendars.h"
#include "history/PlaceHistory.h"
#include "history/YearStart.h"
#include "pages/ChurchFeasts.h"

namespace vardex {

namespace {

constexpr int32_t kTishrei = 7;  // the Hebrew year's first month, counted from Nisan

std::string Abbreviated(SecondCalendar calendar, const SecondDate &date)
{
    // The Hebrew months have no usual short forms; the others are cut to three letters.
    return calendar == SecondCalendar::Hebrew ? date.monthName : date.monthName.substr(0, 3);
}

std::string SecondCalendarTitle(SecondCalendar calendar, DeeVariant variant)
{
    switch (calendar) {
    case SecondCalendar::Gregorian: return "Gregorian";
    case SecondCalendar::Julian: return "Julian";
    case SecondCalendar::Dee: return DeeCalendarName(variant);
    case SecondCalendar::Hebrew: return "Hebrew";
    case SecondCalendar::None: break;
    }
    return {};
}

std::string KeptCalendarTitle(KeptCalendar calendar)
{
    switch (calendar) {
    case KeptCalendar::Gregorian: return "Gregorian calendar";
    case KeptCalendar::Swedish: return "Swedish calendar";
    case KeptCalendar::Julian: break;
    }
    return "Julian calendar";
}

// "1 March", the day's date as the page wrote it, without its year, which the title gives.
std::string DayAndMonth(const CalendarDate &date)
{
    return std::to_string(date.day) + " " + MonthName(date.month);
}

// A run of days that share something the footer names, from its first day.
template <typename Key> struct Run {
    Key key;
    CalendarDate first;
    CalendarDate last;
};

template <typename Key> void Extend(std::vector<Run<Key>> &runs, const Key &key, const CalendarDate &date)
{
    if (runs.empty() || !(runs.back().key == key))
        runs.push_back({key, date, date});
    else
        runs.back().last = date;
}

struct KeptKey {
    KeptCalendar calendar;
    int32_t dayOffset;
    friend bool operator==(const KeptKey &, const KeptKey &) = default;
};

std::string KeptTitle(const KeptKey &key)
{
    std::string text = KeptCalendarTitle(key.calendar);
    if (key.dayOffset > 0)
        text += ", dated a day ahead (the date of Asia)";
    else if (key.dayOffset < 0)
        text += ", dated a day behind (the date of America)";
    return text;
}

// "Dates as written in England and Wales: Julian calendar until 2 September 1752, Gregorian
// calendar from 14 September 1752".
std::string PlaceNote(const Place &place, const std::vector<SheetMonth> &months)
{
    std::vector<Run<KeptKey>> runs;
    for (const SheetMonth &month : months)
        for (const PageDay &day : month.page.days) {
            const WrittenDay written = WriteDay(place, day.jdn);
            Extend(runs, KeptKey{written.calendar, written.dayOffset}, day.date);
        }
    std::string text = "Dates as written in " + place.name;
    if (runs.size() == 1)
        return text + " (" + KeptTitle(runs.front().key) + ")";
    for (size_t i = 0; i < runs.size(); ++i) {
        text += i == 0 ? ": " : ", ";
        text += KeptTitle(runs[i].key);
        if (i == 0)
            text += " until " + HistoricalDateText(runs[i].last);
        else
            text += " from " + HistoricalDateText(runs[i].first);
    }
    return text;
}

std::string CalendarNote(const PageRequest &request, const std::vector<SheetMonth> &months)
{
    const PageCalendar &calendar = request.calendar;
    switch (calendar.kind) {
    case PageCalendarKind::Place:
        if (calendar.place)
            return PlaceNote(*calendar.place, months);
        break;
    case PageCalendarKind::Julian: return "Julian calendar";
    case PageCalendarKind::Dee: return std::string(DeeCalendarName(calendar.variant)) + " calendar";
    case PageCalendarKind::Gregorian: break;
    }
    return "Gregorian calendar";
}

SecondCalendar SecondOf(const PageRequest &request, const PageDay &day)
{
    return request.second ? *request.second : DefaultSecondCalendar(request.calendar, day);
}

// The small dates of a month page, and the footer's line on them: "Small figures: Julian
// calendar", or where they change within the page, "Small figures: Gregorian dates, Julian from
// 14 September".
std::string AddSecondDates(const PageRequest &request, SheetMonth &month)
{
    std::vector<Run<SecondCalendar>> runs;
    for (size_t i = 0; i < month.page.days.size(); ++i) {
        const PageDay &day = month.page.days[i];
        const SecondCalendar second = SecondOf(request, day);
        const bool newRun = runs.empty() || runs.back().key != second;
        month.seconds.push_back(SecondDateText(second, day.jdn, request.calendar.variant, newRun));
        Extend(runs, second, day.date);
    }
    if (runs.empty() || (runs.size() == 1 && runs.front().key == SecondCalendar::None))
        return {};
    std::string text = "Small figures: ";
    for (size_t i = 0; i < runs.size(); ++i) {
        const std::string title = runs[i].key == SecondCalendar::None
                                      ? std::string("none")
                                      : SecondCalendarTitle(runs[i].key, request.calendar.variant);
        if (runs.size() == 1)
            return text + title + " calendar";
        text += i == 0 ? title + " dates" : ", " + title + " from " + DayAndMonth(runs[i].first);
    }
    return text;
}

std::vector<bool> GapsOf(const MonthPage &page)
{
    std::vector<bool> gaps(page.days.size(), false);
    for (size_t i = 1; i < page.days.size(); ++i)
        gaps[i] = page.days[i].date.day != page.days[i - 1].date.day + 1;
    return gaps;
}

std::string SkyNote(const PageRequest &request)
{
    const MarkChoice &marks = request.marks;
    if (!marks.seasons && !marks.moon)
        return {};
    const char *what = marks.seasons && marks.moon ? "Seasons and Moon" : marks.seasons ? "Seasons" : "Moon";
    if (request.year < kFirstSkyYear || request.year > kLastSkyYear)
        return std::string(what) + " are shown for the years " + YearText(kFirstSkyYear) + " to " +
               YearText(kLastSkyYear) + " only";
    const PageMeridian meridian = MeridianOfPage(request.calendar);
    return std::string(what) + " in local mean time at " + meridian.city + " (" +
           MeridianText(meridian.meridian) + "), \u0394T by " +
           DeltaTModelTitle(DeltaTModel::EspenakMeeus2006);
}

std::vector<std::string> Notes(const PageRequest &request, const PageSheet &sheet, const std::string &seconds)
{
    std::vector<std::string> notes{CalendarNote(request, sheet.months)};
    if (!seconds.empty())
        notes.push_back(seconds);
    if (request.marks.feasts) {
        if (std::string feasts = FeastRulesText(request.calendar, request.year); !feasts.empty())
            notes.push_back(std::move(feasts));
    }
    if (std::string sky = SkyNote(request); !sky.empty())
        notes.push_back(std::move(sky));
    if (request.marks.jewish)
        notes.emplace_back("Jewish holidays: first days, diaspora");
    if (request.marks.islamic)
        notes.push_back(std::string("Islamic months by the ") +
                        (request.marks.islamicReckoning == IslamicReckoning::UmmAlQura
                             ? "Umm al-Qura calendar"
                             : "tabular reckoning") +
                        "; in practice the sighting of the new crescent decides");
    return notes;
}

std::vector<MarkKind> LegendOf(const std::vector<SheetMonth> &months)
{
    std::vector<MarkKind> kinds;
    for (const MarkKind kind :
         {MarkKind::Feast, MarkKind::Season, MarkKind::Moon, MarkKind::Jewish, MarkKind::Islamic}) {
        const bool shown = std::any_of(months.begin(), months.end(), [kind](const SheetMonth &month) {
            return std::any_of(
                month.marks.begin(), month.marks.end(), [kind](const std::vector<DayMark> &day) {
                    return std::any_of(day.begin(), day.end(),
                                       [kind](const DayMark &mark) { return mark.kind == kind; });
                });
        });
        if (shown)
            kinds.push_back(kind);
    }
    return kinds;
}

SheetMonth SheetMonthOf(MonthPage page, const PageRequest &request)
{
    SheetMonth month;
    month.marks = MarksOfMonth(page, request.calendar, request.marks);
    month.afterGap = GapsOf(page);
    month.page = std::move(page);
    return month;
}

}  // namespace

std::optional<PageSheet> BuildPageSheet(const PageRequest &request)
{
    PageSheet sheet;
    sheet.request = request;
    std::string seconds;
    if (request.scope == PageScope::Month) {
        std::optional<MonthPage> page = BuildMonthPage(request.calendar, request.year, request.month);
        if (!page)
            return std::nullopt;
        sheet.title = page->title;
        sheet.calendarName = page->calendarName;
        sheet.yearStartNote = page->yearStartNote;
        sheet.months.push_back(SheetMonthOf(std::move(*page), request));
        seconds = AddSecondDates(request, sheet.months.front());
    } else {
        std::optional<YearPage> year = BuildYearPage(request.calendar, request.year);
        if (!year)
            return std::nullopt;
        sheet.title = year->title;
        for (MonthPage &page : year->months) {
            if (sheet.calendarName.empty())
                sheet.calendarName = page.calendarName;
            if (sheet.yearStartNote.empty())
                sheet.yearStartNote = page.yearStartNote;
            sheet.months.push_back(SheetMonthOf(std::move(page), request));
        }
    }
    sheet.legend = LegendOf(sheet.months);
    sheet.notes = Notes(request, sheet, seconds);
    return sheet;
}

std::string SecondDateText(SecondCalendar calendar, int32_t jdn, DeeVariant variant, bool pageFirstDay)
{
    const std::optional<SecondDate> date = SecondDateOf(calendar, jdn, variant);
    if (!date)
        return {};
    std::string text = std::to_string(date->day);
    if (date->day == 1 || pageFirstDay)
        text += " " + Abbreviated(calendar, *date);
    const bool newYear = date->day == 1 && date->month == (calendar == SecondCalendar::Hebrew ? kTishrei : 1);
    if (newYear || pageFirstDay)
        text += " " + (calendar == SecondCalendar::Hebrew ? std::to_string(date->year)
                                                          : YearText(static_cast<int32_t>(date->year)));
    return text;
}

const char *MarkKindTitle(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Season: return "Seasons";
    case MarkKind::Moon: return "Moon";
    case MarkKind::Jewish: return "Jewish holidays";
    case MarkKind::Islamic: return "Islamic months";
    case MarkKind::Feast: break;
    }
    return "Feasts";
}

}  // namespace vardex
