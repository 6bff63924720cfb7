#include "ConvertCommand.h"

#include "Json.h"
#include "engine/Calendar.h"
#include "engine/CalendarState.h"
#include "engine/TextForms.h"
#include "input/DateTexts.h"

namespace vardex::cli {

namespace {

int32_t CalendarCode(CalendarName name)
{
    switch (name) {
    case CalendarName::Gregorian: return kCalendarGregorian;
    case CalendarName::Julian: return kCalendarJulian;
    case CalendarName::Dee: break;
    }
    return kCalendarDee;
}

std::string YmdJson(const EuroDate &date)
{
    return JsonObject().Add("year", date.year).Add("month", date.month).Add("day", date.day).Text();
}

}  // namespace

Outcome RunConvert(const Arguments &arguments)
{
    DeeEpochJDN = arguments.deeVariant ? kDeeEpochJDN : kDeeCecilEpochJDN;
    const std::string variant = arguments.deeVariant ? "Dee" : "Dee-Cecil";
    const std::string deeDesignator = arguments.deeVariant ? "D" : "DC";

    int32_t jdn = 0;
    if (arguments.jdn) {
        jdn = *arguments.jdn;
    } else {
        EuroDate input{};
        input.year = arguments.date->year;
        input.month = arguments.date->month;
        input.day = arguments.date->day;
        input.calendar = CalendarCode(*arguments.calendar);
        DateToJDN(input);
        if (input.valid != 1)
            return {"", "The input date is invalid.\n", kExitRefused};
        jdn = input.jdn;
    }

    const EuroDate gregorian = DateOfJdn(jdn, kCalendarGregorian);
    const EuroDate julian = DateOfJdn(jdn, kCalendarJulian);
    const EuroDate dee = DateOfJdn(jdn, kCalendarDee);
    const std::string weekday = WeekdayText(DayOfWeek(jdn));

    Outcome outcome;
    if (arguments.json) {
        outcome.out = JsonObject()
                          .Add("jdn", jdn)
                          .Add("weekday", weekday)
                          .Add("variant", variant)
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
                  line(variant + ":", FormatDate(dee, "-", ",") + " " + deeDesignator) +
                  line("JDN:", SeparateThousands(std::to_string(jdn), ",")) + line("Weekday:", weekday);
    return outcome;
}

}  // namespace vardex::cli
