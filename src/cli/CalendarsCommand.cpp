// SPDX-License-Identifier: MIT
#include "CalendarsCommand.h"

#include "ConsoleDialogs.h"
#include "InputArguments.h"
#include "engine/Json.h"
#include "engine/TextForms.h"
#include "input/Calculation.h"
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
        const EnteredInput input =
            EnterInput(*arguments.input, arguments.arithmetic, variant, clock.ShortDateText());
        if (const std::optional<Outcome> refused = Refusal(input))
            return *refused;
        const Calculation calculation =
            Calculate(input.entry, {variant, QStringLiteral("Calculate"), NumberFormat::Commas()});
        ConsoleDialogs dialogs;
        dialogs.ShowAll(calculation.messages);
        outcome.err = dialogs.Text();
        if (!calculation.showResult) {
            outcome.status = kExitRefused;
            return outcome;
        }
        jdn = *calculation.jdn;
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
