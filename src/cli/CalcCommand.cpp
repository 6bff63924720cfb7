// SPDX-License-Identifier: MIT
#include "CalcCommand.h"

#include "InputArguments.h"
#include "engine/Json.h"
#include "input/Calculation.h"
#include "input/DateTexts.h"
#include "seams/Clock.h"

namespace vardex::cli {

namespace {

std::string Std(const QString &text) { return text.toStdString(); }

std::string ResultText(const DayTexts &texts, const QString &deeName)
{
    auto line = [](const QString &label, const QString &mdy, const QString &ymd) {
        return Std(label.leftJustified(11) + mdy.leftJustified(28) + ymd).append("\n");
    };
    return line(QStringLiteral("Gregorian:"), texts.gregorian, texts.gregorianYmd) +
           line(QStringLiteral("Julian:"), texts.julian, texts.julianYmd) +
           line(deeName + u':', texts.dee, texts.deeYmd) +
           Std(QStringLiteral("JDN:").leftJustified(11) + texts.jdn) + "\n" +
           Std(QStringLiteral("Weekday:").leftJustified(11) + texts.weekday) + "\n";
}

std::string ResultJson(const DayTexts &texts, int32_t jdn, std::optional<Calendar> settled)
{
    JsonObject json;
    json.Add("gregorian", Std(texts.gregorian))
        .Add("gregorian_ymd", Std(texts.gregorianYmd))
        .Add("julian", Std(texts.julian))
        .Add("julian_ymd", Std(texts.julianYmd))
        .Add("dee", Std(texts.dee))
        .Add("dee_ymd", Std(texts.deeYmd))
        .Add("jdn", jdn)
        .Add("jdn_text", Std(texts.jdn))
        .Add("weekday", Std(texts.weekday));
    if (settled == Calendar::Gregorian)
        json.Add("settled", "gregorian");
    else if (settled == Calendar::Julian)
        json.Add("settled", "julian");
    else
        json.AddNull("settled");
    return json.Text() + "\n";
}

}  // namespace

Outcome RunCalc(const Arguments &arguments, const Clock &clock)
{
    const DeeVariant variant = arguments.variant;
    CalculatedDay day = CalculateDay(arguments, clock);
    if (!day.calculation)
        return day.outcome;
    const Calculation &calculation = *day.calculation;
    Outcome &outcome = day.outcome;
    const NumberFormat format = NumberFormat::Commas();
    const DayTexts texts = TextsOfDay(*calculation.jdn, variant, EraStyleOf(calculation.entry.era), format);
    outcome.out = arguments.json ? ResultJson(texts, *calculation.jdn, calculation.settled)
                                 : ResultText(texts, QString::fromLatin1(DeeCalendarName(variant)));
    return outcome;
}

}  // namespace vardex::cli
