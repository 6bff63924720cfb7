// SPDX-License-Identifier: MIT
// vardex-cli diff: the difference between two dates, as the Date difference window shows it.
#pragma once

#include "Arguments.h"
#include "Outcome.h"
#include "seams/Clock.h"

namespace vardex::cli {

Outcome RunDiff(const Arguments &arguments, const Clock &clock);

}  // namespace vardex::cli
