// vardex-cli: the calendar calculations of Vardex for scripts and checks.
#include <cstdio>
#include <string>
#include <vector>

#include "Arguments.h"
#include "CalcCommand.h"
#include "CalendarsCommand.h"
#include "ConvertCommand.h"
#include "DiffCommand.h"
#include "WindowCommands.h"
#include "support/SystemClock.h"

namespace {

int Emit(const vardex::cli::Outcome &outcome)
{
    std::fputs(outcome.out.c_str(), stdout);
    std::fputs(outcome.err.c_str(), stderr);
    return outcome.status;
}

}  // namespace

int main(int argc, char **argv)
{
    using namespace vardex::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseArguments(args);
    if (!parsed.Ok())
        return Emit({"", "vardex-cli: " + parsed.error + "\n" + UsageText(), kExitUsage});
    const vardex::SystemClock clock;
    switch (parsed.arguments.command) {
    case Command::Help: return Emit({UsageText(), "", kExitOk});
    case Command::Convert: return Emit(RunConvert(parsed.arguments));
    case Command::Calc: return Emit(RunCalc(parsed.arguments, clock));
    case Command::Sequence: return Emit(RunSequence(parsed.arguments, clock));
    case Command::Equinox: return Emit(RunEquinox(parsed.arguments, clock));
    case Command::Diff: return Emit(RunDiff(parsed.arguments, clock));
    case Command::Calendars: return Emit(RunCalendars(parsed.arguments, clock));
    }
    return kExitUsage;
}
