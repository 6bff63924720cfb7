// SPDX-License-Identifier: MIT
// vardex-cli history and easter: dates as they were written at a place, and Easter Sunday.
#pragma once

#include <string>

#include "Arguments.h"
#include "Outcome.h"
#include "seams/Clock.h"

namespace vardex::cli {

// dataFolder holds calendar-history.tsv (next to the program).
Outcome RunHistory(const Arguments &arguments, const Clock &clock, const std::string &dataFolder);
Outcome RunEaster(const Arguments &arguments);

}  // namespace vardex::cli
