// vardex-cli sequence and equinox: the output of the date-sequence and vernal-equinox windows
// after one run into an empty box, started as the main window's buttons start them.
#pragma once

#include "Arguments.h"
#include "Outcome.h"

namespace vardex::cli {

Outcome RunSequence(const Arguments &arguments);
Outcome RunEquinox(const Arguments &arguments);

}  // namespace vardex::cli
