// The input date and arithmetic of calc, sequence and equinox, as the main window would hold them
// once a user had entered them: the window starts with today's date in both forms, era "CE" and
// the Gregorian calendar, and the arguments change what a user would change.
#pragma once

#include <optional>
#include <string>

#include "Arguments.h"
#include "input/InputEntry.h"

namespace vardex::cli {

struct EnteredInput {
    InputEntry entry;
    std::optional<std::string> incomplete;  // why Calculate would stay disabled, in one line
};

EnteredInput EnterInput(const DateInput &date, const std::optional<ArithInput> &arithmetic,
                        DeeVariant variant, const std::string &todayText);

// The entry of a calendar in the calendar lists (1..3).
int ListEntry(Calendar calendar);

}  // namespace vardex::cli
