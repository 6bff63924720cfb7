// SPDX-License-Identifier: MIT
// The calculation of the Calculate button: the input date checked and read in its calendar, or,
// when a weekday is chosen instead of a calendar, the search for the one of the Gregorian and
// Julian calendars in which the date falls on that weekday.
#pragma once

#include <optional>
#include <vector>

#include "InputEntry.h"
#include "seams/Dialogs.h"

namespace vardex {

struct Calculation {
    InputEntry entry;                 // tidied as the check and the readings left it
    std::vector<Message> messages;    // in the order they are shown
    std::optional<int32_t> jdn;       // the JDN of the last reading that succeeded, if any
    bool showResult = false;          // jdn is the result to show; otherwise the outputs stay hidden
    std::optional<Calendar> settled;  // the calendar a weekday search settled on
};

Calculation Calculate(InputEntry entry, const InputContext &context);

}  // namespace vardex
