// SPDX-License-Identifier: MIT
// cal's marks as an iCalendar file (RFC 5545): the feasts and holidays as all-day events, the
// seasons and the Moon's phases at their instant in UT, each with a UID that is the same every run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "CalSheet.h"

namespace vardex::cli {

// The file, or nothing when a day of the pages or an instant lies outside the Gregorian years 1 to
// 9999, which iCalendar cannot hold. version names the program in PRODID; utcSeconds is the
// DTSTAMP of every event.
std::optional<std::string> CalIcs(const CalSheet &sheet, const std::string &version, int64_t utcSeconds);

}  // namespace vardex::cli
