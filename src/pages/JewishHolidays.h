// SPDX-License-Identifier: MIT
// The Jewish holidays' first days as kept in the diaspora, from the Hebrew calendar.
#pragma once

#include <vector>

#include "PageMarks.h"

namespace vardex {

std::vector<std::vector<DayMark>> JewishHolidaysOfMonth(const MonthPage &page);

}  // namespace vardex
