// SPDX-License-Identifier: MIT
// vardex-cli sequence and equinox: the output of the date-sequence and vernal-equinox windows
// after one run into an empty box, started as the main window's buttons start them.
#pragma once

#include "Arguments.h"
#include "Outcome.h"

namespace vardex {
class Clock;
}

namespace vardex::cli {

Outcome RunSequence(const Arguments &arguments, const Clock &clock);
Outcome RunEquinox(const Arguments &arguments, const Clock &clock);

}  // namespace vardex::cli
