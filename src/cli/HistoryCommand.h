// SPDX-License-Identifier: MIT
// vardex-cli history and easter: dates as they were written at a place, and Easter Sunday.
#pragma once

#include <string>

#include "Arguments.h"
#include "Outcome.h"
#include "history/PlaceHistory.h"
#include "seams/Clock.h"

namespace vardex::cli {

// A place of the table by its id, or nothing; and the message for an id it does not hold, which cal
// shares.
const Place *FindPlace(const PlaceTable &table, const std::string &id);
std::string UnknownPlaceMessage(const std::string &id);

// dataFolder holds calendar-history.tsv (next to the program).
Outcome RunHistory(const Arguments &arguments, const Clock &clock, const std::string &dataFolder);
Outcome RunEaster(const Arguments &arguments);

}  // namespace vardex::cli
