// SPDX-License-Identifier: MIT
#include "Csv.h"

#include <array>
#include <charconv>

namespace vardex {

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvRecord(std::initializer_list<std::string_view> fields)
{
    std::string record;
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first)
            record += ',';
        first = false;
        record += CsvField(field);
    }
    return record + "\r\n";
}

std::string RoundTripNumber(double value)
{
    std::array<char, 32> buffer{};  // the longest shortest double, "-1.2345678901234567e-308", is 24
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

}  // namespace vardex
