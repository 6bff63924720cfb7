// SPDX-License-Identifier: MIT
// The check and tidying of the typed input date before anything converts it (InputDateOK).
#pragma once

#include <optional>

#include "InputEntry.h"
#include "seams/Dialogs.h"

namespace vardex {

struct InputCheck {
    InputEntry entry;              // tidied: trimmed, upper-cased, leading zeros gone, a designator supplied
    std::optional<Message> fault;  // the first fault found; nothing when the input may be converted
    bool Ok() const { return !fault; }
};

// What is left of a year-month-day text without its digits, dashes, grouping characters and
// blanks: its designator when the text is well formed ("JC" of "2024-3-5 JC"), empty when it has none.
QString YmdDesignator(QString text);

// Checks the year of a month,day,year input or the whole year-month-day text, and for an accepted
// year-month-day date leaves its year, month and day texts in entry.ymdParts. An incomplete input
// passes unchecked. Messages are titled context.title.
InputCheck CheckInputDate(InputEntry entry, const InputContext &context);

}  // namespace vardex
