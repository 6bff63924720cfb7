// SPDX-License-Identifier: MIT
#include "DiffCommand.h"

#include "ConsoleDialogs.h"
#include "InputArguments.h"
#include "difference/DateDifferenceResult.h"
#include "difference/DifferenceReading.h"
#include "engine/Json.h"
#include "engine/TextForms.h"

namespace vardex::cli {

namespace {

std::string DayJson(int32_t jdn)
{
    return JsonObject().Add("jdn", jdn).Add("weekday", WeekdayText(DayOfWeek(jdn))).Text();
}

std::string YearsMonthsDaysJson(const YearsMonthsDays &d)
{
    return JsonObject().Add("years", d.years).Add("months", d.months).Add("days", d.days).Text();
}

std::string ResultJson(const DateDifferenceResult &r, DeeVariant variant)
{
    return JsonObject()
               .AddRaw("from", DayJson(r.fromJdn))
               .AddRaw("to", DayJson(r.toJdn))
               .Add("days", r.days)
               .AddRaw("weeks", JsonObject().Add("weeks", r.weeks.weeks).Add("days", r.weeks.days).Text())
               .AddRaw("gregorian", YearsMonthsDaysJson(r.inCalendars[0]))
               .AddRaw("julian", YearsMonthsDaysJson(r.inCalendars[1]))
               .AddRaw("dee", YearsMonthsDaysJson(r.inCalendars[2]))
               .Add("variant", VariantOption(variant))
               .Text() +
           "\n";
}

}  // namespace

Outcome RunDiff(const Arguments &arguments, const Clock &clock)
{
    const DeeVariant variant = arguments.variant;
    const NumberFormat format = NumberFormat::Commas();
    const InputContext context{variant, QStringLiteral("Date difference"), format};
    int32_t jdns[2] = {};
    const DateInput *dates[2] = {&*arguments.input, &*arguments.to};
    for (int i = 0; i < 2; ++i) {
        const EnteredInput input = EnterInput(*dates[i], std::nullopt, variant, clock.ShortDateText());
        if (input.refused)
            return *input.refused;
        const DayReading reading = ReadDifferenceDate(input.entry, context);
        if (!reading.jdn) {
            ConsoleDialogs dialogs;
            dialogs.ShowAll(reading.messages);
            return {"", dialogs.Text(), kExitRefused};
        }
        jdns[i] = *reading.jdn;
    }
    const DateDifferenceResult result = DifferenceOf(jdns[0], jdns[1], variant);
    if (arguments.json)
        return {ResultJson(result, variant), "", kExitOk};
    return {DifferenceText(result, variant, format, QStringLiteral("\n")).toStdString(), "", kExitOk};
}

}  // namespace vardex::cli
