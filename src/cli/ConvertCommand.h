// SPDX-License-Identifier: MIT
// vardex-cli convert: one day in the Gregorian, Julian and Dee calendars, its JDN and weekday.
#pragma once

#include "Arguments.h"
#include "Outcome.h"

namespace vardex::cli {

Outcome RunConvert(const Arguments &arguments);

}  // namespace vardex::cli
