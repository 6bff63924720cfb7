// SPDX-License-Identifier: MIT
// vardex-cli seasons and moon: the equinoxes and solstices of a run of years, and the Moon's
// phases of a year or a month, as a table, JSON or CSV.
#pragma once

#include "Arguments.h"
#include "Outcome.h"

namespace vardex::cli {

Outcome RunSeasons(const Arguments &arguments);
Outcome RunMoon(const Arguments &arguments);

}  // namespace vardex::cli
