// SPDX-License-Identifier: MIT
#include "JewishHolidays.h"

namespace vardex {

std::vector<std::vector<DayMark>> JewishHolidaysOfMonth(const MonthPage &page)
{
    return std::vector<std::vector<DayMark>>(page.days.size());
}

}  // namespace vardex
