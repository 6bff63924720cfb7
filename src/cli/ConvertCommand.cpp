// SPDX-License-Identifier: MIT
#include "ConvertCommand.h"

#include "engine/Json.h"
#include "engine/TextForms.h"

namespace vardex::cli {

namespace {

std::string YmdJson(const CalendarDate &date)
{
    return JsonObject().Add("year", date.year).Add("month", date.month).Add("day", date.day).Text();
}

}  // namespace

Outcome RunConvert(const Arguments &arguments)
{
    const DeeVariant variant = arguments.variant;
    const std::string variantName = DeeCalendarName(variant);

    int32_t jdn = 0;
    if (arguments.jdn) {
        jdn = *arguments.jdn;
    } else {
        const Ymd &ymd = *arguments.date;
        const std::optional<int32_t> converted =
            DateToJDN(*arguments.calendar, {ymd.year, ymd.month, ymd.day}, variant);
        if (!converted)
            return {"", "The input date is invalid.\n", kExitRefused};
        jdn = *converted;
    }

    const CalendarDate gregorian = JDNToDate(Calendar::Gregorian, jdn, variant);
    const CalendarDate julian = JDNToDate(Calendar::Julian, jdn, variant);
    const CalendarDate dee = JDNToDate(Calendar::Dee, jdn, variant);
    const std::string weekday = WeekdayText(DayOfWeek(jdn));

    Outcome outcome;
    if (arguments.json) {
        outcome.out = JsonObject()
                          .Add("jdn", jdn)
                          .Add("weekday", weekday)
                          .Add("variant", VariantOption(variant))
                          .AddRaw("gregorian", YmdJson(gregorian))
                          .AddRaw("julian", YmdJson(julian))
                          .AddRaw("dee", YmdJson(dee))
                          .Text() +
                      "\n";
        return outcome;
    }
    auto line = [](std::string label, const std::string &value) {
        label.resize(11, ' ');
        return label + value + "\n";
    };
    outcome.out = line("Gregorian:", FormatDate(gregorian, "-", ",") + " CE") +
                  line("Julian:", FormatDate(julian, "-", ",") + " JC") +
                  line(variantName + ":", FormatDate(dee, "-", ",") + " " + DeeCalendarDesignation(variant)) +
                  line("JDN:", SeparateThousands(std::to_string(jdn), ",")) + line("Weekday:", weekday);
    return outcome;
}

}  // namespace vardex::cli
