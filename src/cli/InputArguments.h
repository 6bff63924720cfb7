// SPDX-License-Identifier: MIT
// The input date and arithmetic of the commands that read a DATE, as the main window would hold them
// once a user had entered them: the window starts with today's date in both forms, era "CE" and
// the Gregorian calendar, and the arguments change what a user would change.
#pragma once

#include <optional>
#include <string>

#include "Arguments.h"
#include "Outcome.h"
#include "input/Calculation.h"
#include "input/InputEntry.h"
#include "seams/Clock.h"

namespace vardex::cli {

// The input as entered, or what a command prints when it refuses it before any check: an amount
// the window would not keep (its message, exit 1), or a date that cannot be calculated as given, as
// Calculate would stay disabled or the text carries the other Dee variant's designator (a reason
// in one line, exit 2).
struct EnteredInput {
    InputEntry entry;
    std::optional<Outcome> refused;
};

EnteredInput EnterInput(const DateInput &date, const std::optional<ArithInput> &arithmetic,
                        DeeVariant variant, const std::string &todayText);

// The day the main window's Calculate shows for the arguments' date and arithmetic, as calc,
// calendars and history read it: its calculation, with the messages it showed in `outcome.err`;
// or, when it shows no day, `outcome` is the refusal.
struct CalculatedDay {
    std::optional<Calculation> calculation;  // a day was shown: calculation->jdn holds it
    Outcome outcome;
};
CalculatedDay CalculateDay(const Arguments &arguments, const Clock &clock);

// The entry of a calendar in the calendar lists (1..3).
int ListEntry(Calendar calendar);

}  // namespace vardex::cli
