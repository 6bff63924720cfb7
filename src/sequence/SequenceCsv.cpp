// SPDX-License-Identifier: MIT
#include "SequenceCsv.h"

#include "engine/Csv.h"

namespace vardex {

std::string SequenceCsvHeader()
{
    return CsvRecord({"jdn", "gregorian_year", "gregorian_month", "gregorian_day", "dee_year", "dee_month",
                      "dee_day", "same", "mark", "weekday"});
}

std::string SequenceCsvRecord(const SequenceRow &row)
{
    const auto number = [](int32_t n) { return std::to_string(n); };
    return CsvRecord({number(row.jdn), number(row.gregorianDate.year), number(row.gregorianDate.month),
                      number(row.gregorianDate.day), number(row.deeDate.year), number(row.deeDate.month),
                      number(row.deeDate.day), row.sameDate ? "true" : "false",
                      row.changeMark ? "true" : "false", row.weekday.toStdString()});
}

std::string SequenceCsv(const std::vector<SequenceRow> &rows)
{
    std::string csv = SequenceCsvHeader();
    for (const SequenceRow &row : rows)
        csv += SequenceCsvRecord(row);
    return csv;
}

}  // namespace vardex
