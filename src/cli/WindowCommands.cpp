#include "WindowCommands.h"

#include <cstdio>

#include "FormSession.h"
#include "Json.h"
#include "engine/TextForms.h"
#include "equinox/EquinoxTable.h"
#include "sequence/DateSequence.h"

namespace vardex::cli {

namespace {

constexpr int kCapacityKB = 63;  // the output box's capacity, as the main window sets it

std::string Std(const QString &text) { return text.toStdString(); }

// The box's text with its CRLF line ends written as newlines.
std::string BoxText(const QString &output)
{
    QString text = output;
    return Std(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

DeeVariant VariantOf(const Arguments &arguments)
{
    return arguments.deeVariant ? DeeVariant::Dee : DeeVariant::DeeCecil;
}

// Ends a command that wrote no rows: the messages shown, or a reason when there was none.
Outcome Refused(const FormSession &session, const std::string &silentReason)
{
    std::string err = const_cast<FormSession &>(session).Dialogs().Text();
    if (err.empty())
        err = "vardex-cli: " + silentReason + "\n";
    return {"", err, kExitRefused};
}

std::string JsonArray(const std::vector<std::string> &items)
{
    std::string text = "[";
    for (size_t i = 0; i < items.size(); ++i)
        text += (i ? ", " : "") + items[i];
    return text + "]";
}

// The Julian Date with ten decimals: the full precision of a double near 2.4 million.
std::string JulianDateJson(double jd)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.10f", jd);
    return buffer;
}

std::string SequenceJson(const Arguments &arguments, int days, const SequenceResult &result)
{
    std::vector<std::string> rows;
    for (const SequenceRow &row : result.rows) {
        rows.push_back(JsonObject()
                           .Add("jdn", row.jdn)
                           .Add("gregorian", Std(row.gregorian))
                           .Add("dee", Std(row.dee))
                           .AddBool("same", row.sameDate)
                           .AddBool("mark", row.changeMark)
                           .Add("weekday", Std(row.weekday))
                           .Text());
    }
    JsonObject json;
    json.Add("days", days).Add("variant", Std(DeeCalendarName(VariantOf(arguments)))).Add("same", result.sameDateCount);
    if (result.summary.isEmpty())
        json.AddNull("summary");
    else
        json.Add("summary", Std(result.summary));
    return json.AddRaw("rows", JsonArray(rows)).Text() + "\n";
}

std::string EquinoxJson(const EquinoxRunInputs &inputs, const EquinoxRunResult &result)
{
    std::vector<std::string> rows;
    for (const EquinoxRow &row : result.rows) {
        const auto instant = [](const EuroDate &date, const QString &time) {
            return JsonObject().Add("date", FormatDate(date, "-", ",")).Add("time", Std(time)).Text();
        };
        rows.push_back(JsonObject()
                           .Add("year", row.year)
                           .AddRaw("jd", JulianDateJson(row.jd))
                           .AddRaw("greenwich", instant(row.greenwichDate, row.greenwichTime))
                           .AddRaw("meridian", instant(row.meridianDate, row.meridianTime))
                           .Add("cycle", Std(row.cycle))
                           .AddBool("off_target", row.offTarget)
                           .Text());
    }
    return JsonObject()
               .Add("years", inputs.numberOfYears)
               .Add("longitude", Std(LongitudeText(inputs.degrees, inputs.minutes)))
               .Add("time", inputs.solarTime == SolarTime::Mean ? "mean" : "apparent")
               .Add("variant", Std(DeeCalendarName(inputs.variant)))
               .Add("off_target", result.offTargetCount)
               .AddRaw("rows", JsonArray(rows))
               .Text() +
           "\n";
}

}  // namespace

Outcome RunSequence(const Arguments &arguments)
{
    FormSession session(arguments.deeVariant);
    if (const auto incomplete = session.Enter(*arguments.input, arguments.arithmetic))
        return {"", "vardex-cli: " + *incomplete + "\n", kExitUsage};
    MainController &main = session.Controller();
    if (!main.cmdDateSequence_Click())
        return Refused(session, "the input date cannot be converted");

    QString count = QString::fromStdString(*arguments.count);
    const std::optional<int> days = CheckNumberOfDays(count, session.Dialogs());
    if (!days)
        return Refused(session, "no days asked for");
    QString output;
    const auto startJdn = [&main] {
        main.GetJDN(main.InputCalendarText(), false);
        return main.Form().lngJDN;
    };
    const SequenceResult result =
        RunDateSequence(startJdn, *days, VariantOf(arguments), output, kCapacityKB, session.Dialogs());

    Outcome outcome;
    outcome.err = session.Dialogs().Text();
    if (result.rows.empty()) {
        outcome.status = kExitRefused;
        return outcome;
    }
    outcome.out = arguments.json ? SequenceJson(arguments, *days, result) : BoxText(output);
    return outcome;
}

Outcome RunEquinox(const Arguments &arguments)
{
    FormSession session(arguments.deeVariant);
    if (const auto incomplete = session.Enter(*arguments.input, arguments.arithmetic))
        return {"", "vardex-cli: " + *incomplete + "\n", kExitUsage};
    MainController &main = session.Controller();
    if (!main.cmdVernalEquinoxes_Click())
        return Refused(session, "the input date cannot be converted");

    QString count = QString::fromStdString(*arguments.count);
    const std::optional<int> years = ReadNumberOfYears(count, session.Dialogs());
    if (!years)
        return Refused(session, "no years asked for");
    EquinoxRunInputs inputs;
    inputs.firstYear = main.GetYear();
    inputs.numberOfYears = *years;
    inputs.degrees = arguments.longitudeDegrees;
    inputs.minutes = arguments.longitudeMinutes;
    inputs.solarTime = arguments.meanTime ? SolarTime::Mean : SolarTime::Apparent;
    inputs.variant = VariantOf(arguments);
    inputs.capacityKB = kCapacityKB;
    QString output;
    WriteTableHeader(output, DeeCalendarName(inputs.variant));
    const EquinoxRunResult result = RunVernalEquinoxes(inputs, output, session.Dialogs());

    Outcome outcome;
    outcome.err = session.Dialogs().Text();
    if (result.rows.empty()) {
        outcome.status = kExitRefused;
        return outcome;
    }
    outcome.out = arguments.json ? EquinoxJson(inputs, result) : BoxText(output);
    return outcome;
}

}  // namespace vardex::cli
