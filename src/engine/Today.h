// Today's date, read from the clock's short date text as a Gregorian date.
#pragma once

#include <cstdint>

#include "Clock.h"
#include "EuroDate.h"

namespace vardex {

// Fills year, month, day, calendar ('G') and jdn of today's Gregorian date. The text is read at
// fixed places (month first when its third character is "-", "/" or ".", year first otherwise)
// and not checked further: a text in neither layout gives whatever numbers those places hold.
void GetTodayDate(EuroDate &date, const Clock &clock);

// The JDN of today.
int32_t TodayJDN(const Clock &clock);

}  // namespace vardex
