// SPDX-License-Identifier: MIT
#include "IslamicMarks.h"

namespace vardex {

std::vector<std::vector<DayMark>> IslamicMarksOfMonth(const MonthPage &page, IslamicReckoning /*reckoning*/)
{
    return std::vector<std::vector<DayMark>>(page.days.size());
}

}  // namespace vardex
