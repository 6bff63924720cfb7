// SPDX-License-Identifier: MIT
// cal's pages as text laid out as cal(1) lays them out: a month's title centred over two-letter
// weekday heads and its weeks, day numbers right-aligned in columns of three; a year as three
// months a row under its title. The marks follow as lines of "  DD name".
#pragma once

#include <string>

#include "CalSheet.h"

namespace vardex::cli {

// listMarks: the marks' lines under the pages (the sheet's marks are ignored otherwise).
std::string CalText(const CalSheet &sheet, bool listMarks);

}  // namespace vardex::cli
