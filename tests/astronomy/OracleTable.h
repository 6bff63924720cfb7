// SPDX-License-Identifier: MIT
// The tables of instants that other programs computed (tests/astronomy/data): whitespace-separated
// fields, '#' lines are comments.
#pragma once

#include <string>
#include <vector>

namespace vardex::test {

// The rows of data/NAME, each split into its fields; a missing file gives no rows (and the
// caller's check for a minimum count fails).
std::vector<std::vector<std::string>> ReadOracleTable(const std::string &name);

}  // namespace vardex::test
