// SPDX-License-Identifier: MIT
// The vernal-equinox table as comma-separated values: a header record, then one record per row.
// Julian Dates and Delta-T keep their full precision; dates are year-month-day without grouping,
// times "HH:MM" as the table shows them, the place in the Dee cycle as a number, the leap year and
// off-target marks true or false.
#pragma once

#include <string>
#include <vector>

#include "EquinoxTable.h"

namespace vardex {

std::string EquinoxCsvHeader();
std::string EquinoxCsvRecord(const EquinoxRow &row);
// The header and a record per row.
std::string EquinoxCsv(const std::vector<EquinoxRow> &rows);

}  // namespace vardex
