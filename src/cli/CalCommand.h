// SPDX-License-Identifier: MIT
// vardex-cli cal: a month or a year as a calendar page, in a calendar or as a place wrote it, with
// its marks: as text laid out like cal(1), as JSON, or as an iCalendar file of the marks.
#pragma once

#include <string>

#include "Arguments.h"
#include "Outcome.h"
#include "seams/Clock.h"

namespace vardex::cli {

// dataFolder holds calendar-history.tsv, read for --place only; version names the program in an
// iCalendar file.
Outcome RunCal(const Arguments &arguments, const Clock &clock, const std::string &dataFolder,
               const std::string &version);

}  // namespace vardex::cli
