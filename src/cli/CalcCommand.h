// SPDX-License-Identifier: MIT
// vardex-cli calc: the main window's calculation, its eight output texts, or its messages.
#pragma once

#include "Arguments.h"
#include "Outcome.h"

namespace vardex {
class Clock;
}

namespace vardex::cli {

Outcome RunCalc(const Arguments &arguments, const Clock &clock);

}  // namespace vardex::cli
