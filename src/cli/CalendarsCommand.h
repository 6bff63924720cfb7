// SPDX-License-Identifier: MIT
// vardex-cli calendars: one day in the world's calendars, given by its JDN or as calc reads a date.
#pragma once

#include "Arguments.h"
#include "Outcome.h"
#include "seams/Clock.h"

namespace vardex::cli {

Outcome RunCalendars(const Arguments &arguments, const Clock &clock);

}  // namespace vardex::cli
