// SPDX-License-Identifier: MIT
#include "WindowCommands.h"

#include <cstdio>
#include <functional>

#include "ConsoleDialogs.h"
#include "InputArguments.h"
#include "engine/Csv.h"
#include "engine/Json.h"
#include "engine/TextForms.h"
#include "equinox/EquinoxCsv.h"
#include "equinox/EquinoxInput.h"
#include "equinox/EquinoxTable.h"
#include "input/InputReading.h"
#include "seams/Clock.h"
#include "sequence/DateSequence.h"
#include "sequence/SequenceCsv.h"

namespace vardex::cli {

namespace {

constexpr int kCapacityKB = 63;  // the output box's capacity, as the main window sets it

std::string Std(const QString &text) { return text.toStdString(); }

// The box's text with its CRLF line ends written as newlines.
std::string BoxText(const QString &output)
{
    QString text = output;
    return Std(text.replace(kCrLf, QStringLiteral("\n")));
}

// Ends a command that wrote no rows: the messages shown, or a reason when there was none.
Outcome Refused(const ConsoleDialogs &dialogs, const std::string &silentReason)
{
    std::string err = dialogs.Text();
    if (err.empty())
        err = "vardex-cli: " + silentReason + "\n";
    return {"", err, kExitRefused};
}

// A table window as vardex-cli opens it: the input entered as a user enters it, the checks of the
// button that opens the window, and the number of rows read as the window's box reads it.
struct OpenedTable {
    std::optional<Outcome> refused;  // the input was incomplete, the checks failed or no rows were asked for
    InputEntry entry;                // tidied by the checks
    int32_t jdn = 0;                 // the input date's JDN
    int rows = 0;
};

using InputChecks = DayReading (*)(InputEntry, const InputContext &);
using CountReader = std::optional<int> (*)(QString &, Dialogs &);

OpenedTable OpenTable(const Arguments &arguments, const Clock &clock, const InputContext &context,
                      InputChecks check, CountReader readCount, const std::string &noRows,
                      ConsoleDialogs &dialogs)
{
    OpenedTable table;
    EnteredInput input =
        EnterInput(*arguments.input, arguments.arithmetic, context.variant, clock.ShortDateText());
    if ((table.refused = input.refused))
        return table;
    // The window's button is disabled for a weekday search: there is no one day to start from.
    if (input.entry.type == InputType::MonthDayYear && input.entry.calendarEntry >= kFirstWeekdayEntry) {
        const std::string name =
            arguments.command == Command::Sequence ? "the date sequence" : "the equinox table";
        table.refused =
            Outcome{"", "vardex-cli: " + name + " needs a calendar, not a weekday search\n", kExitUsage};
        return table;
    }
    DayReading reading = check(std::move(input.entry), context);
    dialogs.ShowAll(reading.messages);
    if (!reading.jdn) {
        table.refused = Refused(dialogs, "the input date cannot be converted");
        return table;
    }
    table.entry = std::move(reading.entry);
    table.jdn = *reading.jdn;
    QString count = QString::fromStdString(*arguments.count);
    const std::optional<int> rows = readCount(count, dialogs);
    if (rows)
        table.rows = *rows;
    else
        table.refused = Refused(dialogs, noRows);
    return table;
}

// What a run printed: its messages, and its text or JSON when it wrote a row.
Outcome TableOutcome(const ConsoleDialogs &dialogs, bool wroteRows,
                     const std::function<std::string()> &printed)
{
    Outcome outcome;
    outcome.err = dialogs.Text();
    if (wroteRows)
        outcome.out = printed();
    else
        outcome.status = kExitRefused;
    return outcome;
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
    json.Add("days", days).Add("variant", VariantOption(arguments.variant)).Add("same", result.sameDateCount);
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
        const auto instant = [](const CalendarDate &date, const QString &time) {
            return JsonObject().Add("date", FormatDate(date, "-", ",")).Add("time", Std(time)).Text();
        };
        rows.push_back(JsonObject()
                           .Add("year", row.year)
                           .AddRaw("jd", JulianDateJson(row.jd))
                           .AddRaw("greenwich", instant(row.greenwichDate, row.greenwichTime))
                           .AddRaw("meridian", instant(row.meridianDate, row.meridianTime))
                           .Add("cycle", row.cycle)
                           .AddBool("dee_leap_year", row.deeLeapYear)
                           .AddBool("off_target", row.offTarget)
                           .AddRaw("deltat_minutes", RoundTripNumber(row.deltaTMinutes))
                           .Text());
    }
    return JsonObject()
               .Add("years", static_cast<int>(result.rows.size()))  // as the summary counts them
               .Add("longitude", Std(LongitudeText(inputs.degrees, inputs.minutes)))
               .Add("time", inputs.solarTime == SolarTime::Mean ? "mean" : "apparent")
               .Add("variant", VariantOption(inputs.variant))
               .Add("off_target", result.offTargetCount)
               .AddRaw("rows", JsonArray(rows))
               .Text() +
           "\n";
}

InputContext CliContext(const Arguments &arguments)
{
    return {arguments.variant, QStringLiteral("Calculate"), NumberFormat::Commas()};
}

}  // namespace

Outcome RunSequence(const Arguments &arguments, const Clock &clock)
{
    const InputContext context = CliContext(arguments);
    ConsoleDialogs dialogs;
    const OpenedTable table = OpenTable(arguments, clock, context, ReadCheckedInput, CheckNumberOfDays,
                                        "no days asked for", dialogs);
    if (table.refused)
        return *table.refused;
    // The run converts the input again, as the window's does: without a message, and from the
    // last JDN when that fails.
    const auto startJdn = [&] {
        const DayReading reading = ReadInputDay(table.entry, InputCalendar(table.entry), false, context);
        dialogs.ShowAll(reading.messages);
        return reading.jdn.value_or(table.jdn);
    };
    QString output;
    const SequenceResult result =
        RunDateSequence(startJdn, table.rows, context.variant, context.format, output, kCapacityKB, dialogs);
    return TableOutcome(dialogs, !result.rows.empty(), [&] {
        if (arguments.csv)
            return SequenceCsv(result.rows);
        return arguments.json ? SequenceJson(arguments, table.rows, result) : BoxText(output);
    });
}

Outcome RunEquinox(const Arguments &arguments, const Clock &clock)
{
    const InputContext context = CliContext(arguments);
    ConsoleDialogs dialogs;
    const OpenedTable table = OpenTable(arguments, clock, context, ReadInputForEquinoxes, ReadNumberOfYears,
                                        "no years asked for", dialogs);
    if (table.refused)
        return *table.refused;
    EquinoxRunInputs inputs;
    inputs.firstYear = InputYear(table.entry);
    inputs.numberOfYears = table.rows;
    inputs.degrees = arguments.longitudeDegrees;
    inputs.minutes = arguments.longitudeMinutes;
    inputs.solarTime = arguments.meanTime ? SolarTime::Mean : SolarTime::Apparent;
    inputs.variant = context.variant;
    inputs.capacityKB = kCapacityKB;
    inputs.format = context.format;
    inputs.summaryBase = SummaryBase::RowsWritten;
    QString output;
    WriteTableHeader(output, DeeCalendarName(inputs.variant));
    const EquinoxRunResult result = RunVernalEquinoxes(inputs, output, dialogs);
    return TableOutcome(dialogs, !result.rows.empty(), [&] {
        if (arguments.csv)
            return EquinoxCsv(result.rows);
        return arguments.json ? EquinoxJson(inputs, result) : BoxText(output);
    });
}

}  // namespace vardex::cli
