// SPDX-License-Identifier: MIT
#include "SkyCommands.h"

#include <optional>

#include "SkyEventOutput.h"
#include "astronomy/SkyEventRows.h"
#include "engine/Json.h"

namespace vardex::cli {

namespace {

// The refusal of a year the solar and lunar theories are not offered for.
std::optional<Outcome> YearOutsideTheSky(const SkyYear &year)
{
    if (year.value >= kFirstSkyYear && year.value <= kLastSkyYear)
        return std::nullopt;
    return Outcome{"",
                   "vardex-cli: the seasons and the Moon's phases are calculated only for the years -4000 "
                   "through 8000, not " +
                       Quoted(year.text) + "\n",
                   kExitRefused};
}

std::string MeridianAndModel(const Arguments &a)
{
    return " at " + MeridianText(a.meridian) + "; \u0394T by " + DeltaTModelTitle(a.deltaTModel);
}

// The JSON document: what was asked, then the rows.
std::string Json(JsonObject asked, const Arguments &a, const std::vector<YearEvent> &events)
{
    return asked.Add("longitude", MeridianText(a.meridian))
               .Add("deltat", DeltaTModelId(a.deltaTModel))
               .Add("variant", VariantOption(a.variant))
               .AddRaw("rows", SkyEventJsonRows(events, a.meridian, a.variant))
               .Text() +
           "\n";
}

std::string Csv(const Arguments &a, const std::vector<YearEvent> &events)
{
    std::vector<SkyEvent> plain;
    plain.reserve(events.size());
    for (const YearEvent &item : events)
        plain.push_back(item.event);
    return SkyEventsCsv(plain, a.meridian.EastDegrees(), a.variant);
}

}  // namespace

Outcome RunSeasons(const Arguments &a)
{
    const SkyYear &first = *a.skyYear;
    const SkyYear &last = a.lastSkyYear.value_or(first);
    if (auto refused = YearOutsideTheSky(first))
        return *refused;
    if (auto refused = YearOutsideTheSky(last))
        return *refused;
    // Both years lie in -4000..8000 now, so they fit in 32 bits.
    const auto firstYear = static_cast<int32_t>(first.value);
    const auto lastYear = static_cast<int32_t>(last.value);
    std::vector<YearEvent> events;
    for (int32_t year = firstYear; year <= lastYear; ++year) {
        for (const SkyEvent &event : SeasonsOfYear(year, a.deltaTModel))
            events.push_back({year, event});
    }
    if (a.csv)
        return {Csv(a, events), "", kExitOk};
    if (a.json)
        return {Json(JsonObject().Add("from", firstYear).Add("to", lastYear), a, events), "", kExitOk};
    const std::string years =
        std::to_string(firstYear) + (lastYear > firstYear ? " to " + std::to_string(lastYear) : "");
    return {SkyEventTable("Seasons of " + years + MeridianAndModel(a), events, a.meridian, a.variant), "",
            kExitOk};
}

Outcome RunMoon(const Arguments &a)
{
    if (auto refused = YearOutsideTheSky(*a.skyYear))
        return *refused;
    const auto year = static_cast<int32_t>(a.skyYear->value);
    std::vector<YearEvent> events;
    for (const SkyEvent &event : MoonPhasesOfYear(year, a.month, a.deltaTModel, a.meridian.EastDegrees()))
        events.push_back({year, event});
    if (a.csv)
        return {Csv(a, events), "", kExitOk};
    if (a.json) {
        JsonObject asked;
        asked.Add("year", year);
        if (a.month)
            asked.Add("month", *a.month);
        else
            asked.AddNull("month");
        return {Json(asked, a, events), "", kExitOk};
    }
    const std::string when = (a.month ? std::string(MonthName(*a.month)) + " " : "") + std::to_string(year);
    return {SkyEventTable("Moon phases of " + when + MeridianAndModel(a), events, a.meridian, a.variant), "",
            kExitOk};
}

}  // namespace vardex::cli
