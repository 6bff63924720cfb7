// SPDX-License-Identifier: MIT
// The date-sequence table as comma-separated values: a header record, then one record per row
// with the dates as numbers (astronomical years, no grouping) and the flags as true or false.
#pragma once

#include <string>
#include <vector>

#include "DateSequence.h"

namespace vardex {

std::string SequenceCsvHeader();
std::string SequenceCsvRecord(const SequenceRow &row);
// The header and a record per row.
std::string SequenceCsv(const std::vector<SequenceRow> &rows);

}  // namespace vardex
