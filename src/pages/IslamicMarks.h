// SPDX-License-Identifier: MIT
// The first day of each Islamic month and the two Eids, as reckoned (tabular or Umm al-Qura):
// in practice they depend on the sighting of the new crescent.
#pragma once

#include <vector>

#include "PageMarks.h"

namespace vardex {

std::vector<std::vector<DayMark>> IslamicMarksOfMonth(const MonthPage &page, IslamicReckoning reckoning);

}  // namespace vardex
