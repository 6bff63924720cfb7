// SPDX-License-Identifier: MIT
#include "ChurchFeasts.h"

namespace vardex {

std::string FeastRulesText(const PageCalendar & /*calendar*/, int32_t /*year*/) { return {}; }

std::vector<std::vector<DayMark>> FeastsOfMonth(const MonthPage &page, const PageCalendar & /*calendar*/)
{
    return std::vector<std::vector<DayMark>>(page.days.size());
}

}  // namespace vardex
