// SPDX-License-Identifier: MIT
#include "HistoryCommand.h"

#include <sstream>

#include "InputArguments.h"
#include "engine/Calendars.h"
#include "engine/Json.h"
#include "engine/TextForms.h"
#include "history/Easter.h"
#include "history/WrittenDayReading.h"

namespace vardex::cli {

namespace {

Outcome Refused(const std::string &message) { return {"", message + "\n", kExitRefused}; }

std::string DateJson(const CalendarDate &d)
{
    return JsonObject().Add("year", d.year).Add("month", d.month).Add("day", d.day).Text();
}

std::string YmdText(const CalendarDate &d) { return FormatDate(d, "-", ","); }

// A date written a day ahead of the day's (or behind) says so, with the weekday that went with it.
std::string PlaceJson(const Place &place, const WrittenDay &day)
{
    JsonObject json;
    json.Add("id", place.id).Add("name", place.name).Add("calendar", KeptCalendarName(day.calendar));
    if (day.dayOffset != 0)
        json.Add("day_offset", day.dayOffset).Add("weekday", WeekdayText(day.weekday));
    return json.Add("style", YearStartName(day.style))
        .AddRaw("written", JsonObject()
                               .Add("year", day.writtenYear)
                               .Add("month", day.date.month)
                               .Add("day", day.date.day)
                               .Add("text", day.text)
                               .Text())
        .Text();
}

std::string PlaceLine(const Place &place, const WrittenDay &day)
{
    std::string calendar = KeptCalendarName(day.calendar);
    std::string weekday;
    if (day.dayOffset != 0) {
        calendar += day.dayOffset > 0 ? ", a day ahead" : ", a day behind";
        weekday = ", " + WeekdayText(day.weekday);  // the place's own name for the day
    }
    return place.name + " (" + calendar + ", " + YearStartName(day.style) + "): " + day.text + weekday + "\n";
}

Outcome ListPlaces(const PlaceTable &table, bool json)
{
    std::string text, array;
    for (const Place &place : table.places) {
        const std::optional<GregorianChange> change = FindGregorianChange(place);
        std::string last, first;
        if (change) {
            last = YmdText(change->lastOld);
            first = YmdText(change->firstNew);
        }
        text += place.id + "\t" + place.name + (change ? "\t" + last + " -> " + first : "") + "\n";
        JsonObject row;
        row.Add("id", place.id).Add("name", place.name);
        if (change)
            row.Add("last_old_day", last).Add("first_new_day", first);
        if (change && !change->between.empty()) {
            std::string between;
            for (const CalendarPeriod &p : change->between) {
                JsonObject period;
                period.Add("calendar", KeptCalendarName(p.calendar))
                    .Add("first_day", YmdText(*DateInPeriod(p, p.firstJdn)))
                    .Add("last_day", YmdText(*DateInPeriod(p, p.lastJdn)));
                if (p.dayOffset != 0)
                    period.Add("day_offset", p.dayOffset);
                between += (between.empty() ? "" : ", ") + period.Text();
            }
            row.AddRaw("intermediate_calendars", "[" + between + "]");
        }
        array += (array.empty() ? "" : ", ") + row.Text();
    }
    return {json ? JsonObject().AddRaw("places", "[" + array + "]").Text() + "\n" : text, "", kExitOk};
}

}  // namespace

const Place *FindPlace(const PlaceTable &table, const std::string &id)
{
    for (const Place &place : table.places) {
        if (place.id == id)
            return &place;
    }
    return nullptr;
}

std::string UnknownPlaceMessage(const std::string &id)
{
    return "Unknown place " + Quoted(id) + "; vardex-cli history --places lists them.";
}

Outcome RunHistory(const Arguments &a, const Clock &clock, const std::string &dataFolder)
{
    const PlaceTable table = LoadPlaceTable(dataFolder);
    if (!table.error.empty())
        return Refused(table.error);
    if (a.listPlaces)
        return ListPlaces(table, a.json);

    const Place *place = FindPlace(table, *a.place);
    const Place *to = a.toPlace ? FindPlace(table, *a.toPlace) : nullptr;
    if (!place || (a.toPlace && !to))
        return Refused(UnknownPlaceMessage(place ? *a.toPlace : *a.place));
    std::optional<YearStart> style;
    if (a.style && !(style = YearStartNamed(*a.style)))
        return Refused("Unknown year-start style " + Quoted(*a.style) +
                       "; styles: circumcision, annunciation, pisan, nativity, venetian, byzantine, easter.");

    int32_t jdn = 0;
    if (a.written) {
        int32_t y = 0, m = 0, d = 0;
        char dash1 = 0, dash2 = 0, rest = 0;
        std::istringstream in(*a.written);
        if (!(in >> y >> dash1 >> m >> dash2 >> d) || dash1 != '-' || dash2 != '-' || (in >> rest))
            return {"", "vardex-cli: --written wants YEAR-MONTH-DAY, such as 1731-2-11\n", kExitUsage};
        if (m < 1 || m > 12 || d < 1 || d > 31)
            return {"", "vardex-cli: --written wants a month 1..12 and a day 1..31, such as 1731-2-11\n",
                    kExitUsage};
        const WrittenDayReading reading = ReadWrittenDay(*place, y, m, d, style);
        if (!reading.twice.empty()) {
            std::string both;
            for (const int32_t day : reading.twice)
                both += (both.empty() ? "" : " and ") + YmdText(JDNToDate(Calendar::Julian, day, {})) +
                        " (Julian)";
            return Refused(HistoricalDateText({y, m, d}) + " came twice in " + place->name + ": " + both +
                           ".");
        }
        if (!reading.day)
            return Refused(reading.missing);
        jdn = *reading.day;
    } else if (a.jdn) {
        jdn = *a.jdn;
    } else {
        // The day calc would show; its information messages are not repeated here.
        const CalculatedDay day = CalculateDay(a, clock);
        if (!day.calculation)
            return day.outcome;
        jdn = *day.calculation->jdn;
    }

    const WrittenDay here = WriteDay(*place, jdn, a.written ? style : std::nullopt);
    const CalendarDate julian = JDNToDate(Calendar::Julian, jdn, {});
    const CalendarDate gregorian = JDNToDate(Calendar::Gregorian, jdn, {});
    // The day's own weekday, as everywhere in the program; a place that wrote the date of Asia (a day
    // ahead) names its own weekday on its line.
    const std::string weekday = WeekdayText(DayOfWeek(jdn));
    if (a.json) {
        JsonObject json;
        json.Add("jdn", jdn)
            .Add("weekday", weekday)
            .AddRaw("julian", DateJson(julian))
            .AddRaw("gregorian", DateJson(gregorian))
            .AddRaw("place", PlaceJson(*place, here));
        if (to)
            json.AddRaw("to", PlaceJson(*to, WriteDay(*to, jdn)));
        return {json.Text() + "\n", "", kExitOk};
    }
    std::string out = "JDN:       " + std::to_string(jdn) + ", " + weekday + "\n" +
                      "Julian:    " + YmdText(julian) + "\n" + "Gregorian: " + YmdText(gregorian) + "\n" +
                      PlaceLine(*place, here);
    if (to)
        out += PlaceLine(*to, WriteDay(*to, jdn));
    return {out, "", kExitOk};
}

Outcome RunEaster(const Arguments &a)
{
    const int32_t year = *a.easterYear;
    // Each reckoning's Sunday as a day, in both calendars. Near the ends of the int32 range a
    // Sunday may have no JDN: then there is no day to show.
    const std::optional<int32_t> julianDay = DateToJDN(Calendar::Julian, JulianEaster(year), {});
    const std::optional<int32_t> gregorianDay = DateToJDN(Calendar::Gregorian, GregorianEaster(year), {});
    if (!julianDay || !gregorianDay)
        return Refused("Easter of the year " + SeparateThousands(std::to_string(year), ",") + " by the " +
                       (julianDay ? "Gregorian" : "Julian") +
                       " reckoning falls outside the Julian day numbers -2,147,483,648 to 2,147,483,647.");
    const auto both = [](int32_t day) {
        return std::pair(JDNToDate(Calendar::Julian, day, {}), JDNToDate(Calendar::Gregorian, day, {}));
    };
    const auto [jj, jg] = both(*julianDay);
    const auto [gj, gg] = both(*gregorianDay);
    if (a.json) {
        const auto reckoning = [](const CalendarDate &inJulian, const CalendarDate &inGregorian) {
            return JsonObject()
                .AddRaw("julian", DateJson(inJulian))
                .AddRaw("gregorian", DateJson(inGregorian))
                .Text();
        };
        return {JsonObject()
                        .Add("year", year)
                        .AddRaw("julian_reckoning", reckoning(jj, jg))
                        .AddRaw("gregorian_reckoning", reckoning(gj, gg))
                        .Text() +
                    "\n",
                "", kExitOk};
    }
    return {"Julian reckoning:    " + YmdText(jj) + " JC = " + YmdText(jg) + " CE\n" +
                "Gregorian reckoning: " + YmdText(gj) + " JC = " + YmdText(gg) + " CE\n",
            "", kExitOk};
}

}  // namespace vardex::cli
