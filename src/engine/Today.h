// SPDX-License-Identifier: MIT
// Today's date, read from the system's short date text as a Gregorian date.
#pragma once

#include <cstdint>
#include <string_view>

#include "Calendars.h"

namespace vardex {

struct TodayDate {
    CalendarDate date;  // Gregorian
    int32_t jdn = 0;    // 0 when the text gives no real date
};

// The text is read at fixed places, month first when its third character is "-", "/" or "."
// ("12/31/2021"), year first otherwise ("2021-12-31"), and not checked further: a text in neither
// layout gives whatever numbers those places hold.
TodayDate GetTodayDate(std::string_view shortDateText);

// The JDN of GetTodayDate.
int32_t TodayJDN(std::string_view shortDateText);

}  // namespace vardex
