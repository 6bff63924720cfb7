// SPDX-License-Identifier: MIT
// Comma-separated values as RFC 4180 has them: records end in CR LF, and a field holding a comma,
// a double quote or a line break is quoted with its quotes doubled. What the table windows save
// and vardex-cli prints with --csv.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vardex {

std::string CsvField(std::string_view text);

// The fields joined by commas, each quoted as it needs, and the record's CR LF.
std::string CsvRecord(std::initializer_list<std::string_view> fields);

// The shortest text that reads back as the same double ("2460389.6295190025"): numbers in files
// keep their full precision. Finite values only; others give "nan" or "inf".
std::string RoundTripNumber(double value);

}  // namespace vardex
