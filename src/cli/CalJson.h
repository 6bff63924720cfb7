// SPDX-License-Identifier: MIT
// cal's pages as one JSON object: what was shown (calendar, place, year, month, first weekday) and
// every day written in it, in order, with its second date and its marks.
#pragma once

#include <string>

#include "CalSheet.h"

namespace vardex::cli {

std::string CalJson(const CalSheet &sheet);

}  // namespace vardex::cli
