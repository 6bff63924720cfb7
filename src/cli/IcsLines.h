// SPDX-License-Identifier: MIT
// The content lines of an iCalendar file (RFC 5545): TEXT values escaped, lines folded at 75 octets
// and ended in CR LF, and the DATE and UTC DATE-TIME forms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vardex::cli {

// Backslash, semicolon, comma and line feed escaped as a TEXT value wants them.
std::string IcsEscaped(std::string_view text);

// "NAME:value" folded into lines of at most 75 octets (the later ones starting with a blank),
// never within a UTF-8 character, each ended in CR LF.
std::string IcsLine(std::string_view line);

// "20240320" of a JDN's proleptic Gregorian date; nothing outside the years 1 to 9999, which the
// format cannot hold.
std::optional<std::string> IcsDate(int32_t jdn);

// "20240320T030600Z": a UT instant (a Julian date) to the nearest minute; nothing outside the
// years 1 to 9999.
std::optional<std::string> IcsUtcMinute(double jdUT);

// "20240305T121500Z" of seconds since 1970-01-01 00:00:00 UTC, held within the years 1970 to 9999.
std::string IcsStamp(int64_t utcSeconds);

}  // namespace vardex::cli
