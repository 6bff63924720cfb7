// SPDX-License-Identifier: MIT
// vardex-cli read: a date as found in a record or a family-tree file, read into the days it can
// mean, with its warnings.
#pragma once

#include <string>

#include "Arguments.h"
#include "Outcome.h"

namespace vardex::cli {

// dataFolder holds calendar-history.tsv, read only for --place.
Outcome RunRead(const Arguments &arguments, const std::string &dataFolder);

}  // namespace vardex::cli
