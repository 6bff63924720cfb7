// SPDX-License-Identifier: MIT
#include "PageMarks.h"

#include <algorithm>
#include <cstdio>

#include "ChurchFeasts.h"
#include "IslamicMarks.h"
#include "JewishHolidays.h"
#include "PlaceMeridians.h"
#include "engine/Calendars.h"

namespace vardex {

namespace {

constexpr double kHalfMinute = 30.0 / 86400;

// The seasons and phases whose day at the meridian is one of the page's: the events of the
// Gregorian years the page's days lie in, read at the meridian to the minute.
void AddSkyMarks(const MonthPage &page, const Meridian &meridian, const MarkChoice &choice,
                 std::vector<std::vector<DayMark>> &marks)
{
    if (page.days.empty() || (!choice.seasons && !choice.moon))
        return;
    const int32_t firstYear = JDNToDate(Calendar::Gregorian, page.days.front().jdn, DeeVariant::Dee).year;
    const int32_t lastYear = JDNToDate(Calendar::Gregorian, page.days.back().jdn, DeeVariant::Dee).year;
    const double east = meridian.EastDegrees();
    std::vector<SkyEvent> events;
    for (int32_t year = firstYear; year <= lastYear; ++year) {
        if (choice.seasons) {
            const auto seasons = SeasonsOfYear(year, DeltaTModel::EspenakMeeus2006);
            events.insert(events.end(), seasons.begin(), seasons.end());
        }
        if (choice.moon) {
            const auto phases = MoonPhasesOfYear(year, std::nullopt, DeltaTModel::EspenakMeeus2006, east);
            events.insert(events.end(), phases.begin(), phases.end());
        }
    }
    std::sort(events.begin(), events.end(),
              [](const SkyEvent &a, const SkyEvent &b) { return a.jdUT < b.jdUT; });
    for (const SkyEvent &event : events) {
        const ClockReading reading = ReadClock(event.jdUT + kHalfMinute, east);  // to the nearest minute
        const auto day = std::find_if(page.days.begin(), page.days.end(),
                                      [&](const PageDay &d) { return d.jdn == reading.jdn; });
        if (day == page.days.end())
            continue;
        const bool season = event.kind <= SkyEventKind::DecemberSolstice;
        marks[static_cast<size_t>(day - page.days.begin())].push_back(
            {season ? MarkKind::Season : MarkKind::Moon, SkyEventId(event.kind), SkyEventName(event.kind),
             ClockText(reading).substr(0, 5), event.jdUT});
    }
}

void Append(std::vector<std::vector<DayMark>> &marks, const std::vector<std::vector<DayMark>> &more)
{
    for (size_t i = 0; i < marks.size() && i < more.size(); ++i)
        marks[i].insert(marks[i].end(), more[i].begin(), more[i].end());
}

}  // namespace

const char *MarkKindId(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Season: return "season";
    case MarkKind::Moon: return "moon";
    case MarkKind::Jewish: return "jewish";
    case MarkKind::Islamic: return "islamic";
    case MarkKind::Feast: break;
    }
    return "feast";
}

PageMeridian MeridianOfPage(const PageCalendar &calendar)
{
    if (calendar.kind == PageCalendarKind::Place && calendar.place) {
        if (const auto place = PlaceMeridianOf(calendar.place->id))
            return {place->city, place->meridian};
    }
    return {"Greenwich", {0, 0, true}};
}

std::vector<std::vector<DayMark>> MarksOfMonth(const MonthPage &page, const PageCalendar &calendar,
                                               const MarkChoice &choice)
{
    std::vector<std::vector<DayMark>> marks(page.days.size());
    if (choice.feasts)
        Append(marks, FeastsOfMonth(page, calendar));
    AddSkyMarks(page, MeridianOfPage(calendar).meridian, choice, marks);
    if (choice.jewish)
        Append(marks, JewishHolidaysOfMonth(page));
    if (choice.islamic)
        Append(marks, IslamicMarksOfMonth(page, choice.islamicReckoning));
    return marks;
}

std::optional<MarkChoice> MarkChoiceNamed(const std::string &text)
{
    MarkChoice none{false, false, false, false, false, IslamicReckoning::Tabular};
    if (text == "none")
        return none;
    if (text == "all")
        return MarkChoice{true, true, true, true, true, IslamicReckoning::Tabular};
    MarkChoice choice = none;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        const std::string name =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (name == "feasts")
            choice.feasts = true;
        else if (name == "seasons")
            choice.seasons = true;
        else if (name == "moon")
            choice.moon = true;
        else if (name == "jewish")
            choice.jewish = true;
        else if (name == "islamic")
            choice.islamic = true;
        else if (name == "islamic-umm-al-qura") {
            choice.islamic = true;
            choice.islamicReckoning = IslamicReckoning::UmmAlQura;
        } else
            return std::nullopt;  // an unknown or an empty name
        if (comma == std::string::npos)
            return choice;
        start = comma + 1;
    }
}

}  // namespace vardex
