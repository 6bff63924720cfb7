// SPDX-License-Identifier: MIT
// The checks the Vernal equinoxes button runs before its window opens: the input accepted, its
// year within 1..4000, and its day converted.
#pragma once

#include "input/InputReading.h"

namespace vardex {

// CheckInputDate; then, for an input year outside 1..4000, EquinoxRangeMessage and no reading;
// otherwise ReadInputDay in the input's own calendar with invalid dates reported.
DayReading ReadInputForEquinoxes(InputEntry entry, const InputContext &context);

}  // namespace vardex
