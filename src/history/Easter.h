// SPDX-License-Identifier: MIT
// Easter Sunday by the computus: the Julian reckoning (the Orthodox churches, and the West before
// its reform) and the Gregorian.
#pragma once

#include <cstdint>

#include "engine/CalendarDate.h"

namespace vardex {

// Easter Sunday of a year (AD, astronomical numbering) as a date of the Julian calendar, by the
// Julian computus (19-year lunar cycle, full moon tables of Dionysius).
CalendarDate JulianEaster(int32_t year);

// Easter Sunday of a year as a date of the Gregorian calendar, by the Gregorian computus (the
// solar and lunar corrections of 1582).
CalendarDate GregorianEaster(int32_t year);

}  // namespace vardex
