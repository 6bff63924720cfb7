// SPDX-License-Identifier: MIT
#include "CalendarsCommand.h"

#include "InputArguments.h"
#include "engine/Json.h"
#include "engine/TextForms.h"
#include "world/WorldCalendars.h"

namespace vardex::cli {

Outcome RunCalendars(const Arguments &arguments, const Clock &clock)
{
    const DeeVariant variant = arguments.variant;
    Outcome outcome;
    int32_t jdn = 0;
    if (arguments.jdn) {
        jdn = *arguments.jdn;
    } else {
        // The day calc would show: the main window's result.
        const CalculatedDay day = CalculateDay(arguments, clock);
        outcome = day.outcome;
        if (!day.calculation)
            return outcome;
        jdn = *day.calculation->jdn;
    }
    const std::vector<WorldDay> days = DayInWorldCalendars(jdn, variant);
    if (arguments.json) {
        JsonObject calendars;
        for (const WorldDay &day : days)
            calendars.AddRaw(day.id, day.json);
        outcome.out = JsonObject()
                          .Add("jdn", jdn)
                          .Add("weekday", WeekdayText(DayOfWeek(jdn)))
                          .Add("variant", VariantOption(variant))
                          .AddRaw("calendars", calendars.Text())
                          .Text() +
                      "\n";
    } else {
        for (const WorldDay &day : days)
            outcome.out += day.name + ": " + day.text + "\n";
    }
    return outcome;
}

}  // namespace vardex::cli
