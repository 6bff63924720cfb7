// The command line of vardex-cli, parsed into plain values. Parsing never touches the
// calendar logic; each command's runner does that.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vardex::cli {

enum class Command { Help, Convert };

enum class CalendarName { Gregorian, Julian, Dee };

struct Ymd {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
};

struct Arguments {
    Command command = Command::Help;
    bool deeVariant = false;  // --variant dee; Dee-Cecil otherwise
    bool json = false;
    // convert
    std::optional<int32_t> jdn;
    std::optional<Ymd> date;
    std::optional<CalendarName> calendar;
};

struct ParseResult {
    Arguments arguments;
    std::string error;  // one line; empty when the arguments are good
    bool Ok() const { return error.empty(); }
};

// args without the program name.
ParseResult ParseArguments(const std::vector<std::string> &args);

std::string UsageText();

// Optional sign and decimal digits only, within 32 bits.
std::optional<int32_t> ParseInt32(const std::string &text);

}  // namespace vardex::cli
