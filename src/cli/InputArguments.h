// SPDX-License-Identifier: MIT
// The input date and arithmetic of calc, sequence and equinox, as the main window would hold them
// once a user had entered them: the window starts with today's date in both forms, era "CE" and
// the Gregorian calendar, and the arguments change what a user would change.
#pragma once

#include <optional>
#include <string>

#include "Arguments.h"
#include "Outcome.h"
#include "input/InputEntry.h"
#include "seams/Dialogs.h"

namespace vardex::cli {

struct EnteredInput {
    InputEntry entry;
    // Why the date cannot be calculated as given, in one line: Calculate would stay disabled, or
    // the text carries the other Dee variant's designator.
    std::optional<std::string> usageFault;
    std::optional<Message> amountFault;  // what the window says when the user leaves an amount box
};

EnteredInput EnterInput(const DateInput &date, const std::optional<ArithInput> &arithmetic,
                        DeeVariant variant, const std::string &todayText);

// What calc, sequence and equinox print for an input they refuse before calculating: an amount
// the window would not keep (its message, exit 1), or a date that cannot be calculated as given
// (a reason, exit 2).
std::optional<Outcome> Refusal(const EnteredInput &input);

// The entry of a calendar in the calendar lists (1..3).
int ListEntry(Calendar calendar);

}  // namespace vardex::cli
