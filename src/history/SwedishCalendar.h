// SPDX-License-Identifier: MIT
// The Swedish calendar of 1700 to 1712: the Julian calendar with the leap day of 1700 left out, so
// one day ahead of it, until a 30 February in 1712 brought it back. Sweden and Finland kept it
// from 1 March 1700 to 30 February 1712.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/CalendarDate.h"

namespace vardex {

// The first and last days (JDN) the Swedish calendar differs from the Julian: Julian 29 February
// 1700, written 1 March 1700 in Sweden, to Julian 29 February 1712, written 30 February 1712.
inline constexpr int32_t kFirstSwedishJdn = 2342042;
inline constexpr int32_t kLastSwedishJdn = 2346425;

// The Swedish date of a day in [kFirstSwedishJdn, kLastSwedishJdn]; nothing outside.
std::optional<CalendarDate> SwedishDate(int32_t jdn);

// The day of a Swedish date of 1 March 1700 to 30 February 1712; nothing for any other date.
std::optional<int32_t> SwedishJdn(const CalendarDate &date);

}  // namespace vardex
