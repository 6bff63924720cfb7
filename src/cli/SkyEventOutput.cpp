// SPDX-License-Identifier: MIT
#include "SkyEventOutput.h"

#include <algorithm>
#include <array>

#include "astronomy/SkyEventRows.h"
#include "engine/Csv.h"
#include "engine/Json.h"

namespace vardex::cli {

namespace {

constexpr size_t kColumns = 6;
using Line = std::array<std::string, kColumns>;

Line TableLine(const YearEvent &item, const Meridian &meridian, DeeVariant variant)
{
    const SkyEventRow row = RowOfEvent(item.event, meridian.EastDegrees(), variant);
    return {row.event,
            row.localDate + " " + row.localTime,
            row.utDate + " " + row.utTime,
            DayMonthYearText(row.julian),
            DayMonthYearText(row.dee),
            row.deltaT};
}

// The cells padded to their column's width, two blanks apart, without trailing blanks. Sizes in
// bytes are widths: every column but the last (Delta-T, with its plus-minus sign) is ASCII.
std::string AlignedLine(const Line &cells, const std::array<size_t, kColumns> &widths)
{
    std::string text;
    for (size_t i = 0; i < kColumns; ++i) {
        if (i > 0)
            text += "  ";
        text += cells[i] + std::string(widths[i] - cells[i].size(), ' ');
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text + "\n";
}

std::string InstantJson(const std::string &date, const std::string &time)
{
    return JsonObject().Add("date", date).Add("time", time).Text();
}

std::string DateJson(const CalendarDate &d)
{
    return JsonObject().Add("year", d.year).Add("month", d.month).Add("day", d.day).Text();
}

std::string EventJson(const YearEvent &item, const Meridian &meridian, DeeVariant variant)
{
    const SkyEvent &event = item.event;
    const SkyEventRow row = RowOfEvent(event, meridian.EastDegrees(), variant);
    JsonObject json;
    json.Add("year", item.year)
        .Add("event", SkyEventId(event.kind))
        .AddRaw("jd_tt", RoundTripNumber(event.jdTT))
        .AddRaw("jd_ut", RoundTripNumber(event.jdUT))
        .AddRaw("deltat_seconds", RoundTripNumber(event.deltaT.seconds))
        .AddRaw("deltat_sigma_seconds", RoundTripNumber(event.deltaT.sigmaSeconds))
        .AddRaw("utc", InstantJson(row.utDate, row.utTime))
        .AddRaw("local", InstantJson(row.localDate, row.localTime))
        .AddRaw("gregorian", DateJson(row.gregorian))
        .AddRaw("julian", DateJson(row.julian))
        .AddRaw("dee", DateJson(row.dee));
    if (row.lunation)
        json.Add("lunation", *row.lunation);
    return json.Text();
}

}  // namespace

std::string SkyEventTable(const std::string &title, const std::vector<YearEvent> &events,
                          const Meridian &meridian, DeeVariant variant)
{
    std::vector<Line> lines = {
        {"Event", "Local mean time", "UT", "Julian", DeeCalendarName(variant), "\u0394T"}};
    for (const YearEvent &item : events)
        lines.push_back(TableLine(item, meridian, variant));
    std::array<size_t, kColumns> widths{};
    for (const Line &line : lines) {
        for (size_t i = 0; i < kColumns; ++i)
            widths[i] = std::max(widths[i], line[i].size());
    }
    std::string text = title + "\n\n";
    for (const Line &line : lines)
        text += AlignedLine(line, widths);
    return text;
}

std::string SkyEventJsonRows(const std::vector<YearEvent> &events, const Meridian &meridian,
                             DeeVariant variant)
{
    std::string text = "[";
    for (const YearEvent &item : events)
        text += (text.size() > 1 ? ", " : "") + EventJson(item, meridian, variant);
    return text + "]";
}

}  // namespace vardex::cli
