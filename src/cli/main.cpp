// SPDX-License-Identifier: MIT
// vardex-cli: the calendar calculations of Vardex for scripts and checks.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Arguments.h"
#include "CalCommand.h"
#include "CalcCommand.h"
#include "CalendarsCommand.h"
#include "ConvertCommand.h"
#include "DiffCommand.h"
#include "GedcomCommand.h"
#include "HistoryCommand.h"
#include "ReadCommand.h"
#include "SkyCommands.h"
#include "WindowCommands.h"
#include "support/AboutText.h"
#include "support/DataFolder.h"
#include "support/SystemClock.h"

namespace {

// The folder of the running program, where its data files are.
std::string ProgramFolder(const char *argv0)
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return self.parent_path().string();
}

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
    case Command::Version:
        return Emit({"vardex-cli " + vardex::ProgramVersion().toStdString() + "\n", "", kExitOk});
    case Command::Convert: return Emit(RunConvert(parsed.arguments));
    case Command::Calc: return Emit(RunCalc(parsed.arguments, clock));
    case Command::Sequence: return Emit(RunSequence(parsed.arguments, clock));
    case Command::Equinox: return Emit(RunEquinox(parsed.arguments, clock));
    case Command::Diff: return Emit(RunDiff(parsed.arguments, clock));
    case Command::Calendars: return Emit(RunCalendars(parsed.arguments, clock));
    case Command::History:
        return Emit(RunHistory(parsed.arguments, clock, vardex::DataFolder(ProgramFolder(argv[0]))));
    case Command::Easter: return Emit(RunEaster(parsed.arguments));
    case Command::Seasons: return Emit(RunSeasons(parsed.arguments));
    case Command::Moon: return Emit(RunMoon(parsed.arguments));
    case Command::Cal:
        return Emit(RunCal(parsed.arguments, clock, vardex::DataFolder(ProgramFolder(argv[0])),
                           vardex::ProgramVersion().toStdString()));
    case Command::Read: return Emit(RunRead(parsed.arguments, vardex::DataFolder(ProgramFolder(argv[0]))));
    case Command::Gedcom:
        // Written as they are found: a large tree's findings are never held whole.
        return RunGedcom(parsed.arguments, vardex::DataFolder(ProgramFolder(argv[0])), std::cout, std::cerr);
    }
    return kExitUsage;
}
