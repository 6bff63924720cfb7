// SPDX-License-Identifier: MIT
#include "EquinoxCsv.h"

#include "engine/Csv.h"
#include "engine/TextForms.h"

namespace vardex {

std::string EquinoxCsvHeader()
{
    return CsvRecord({"year", "jd_ut", "greenwich_date", "greenwich_time", "meridian_dee_date",
                      "meridian_time", "cycle", "dee_leap_year", "off_target", "deltat_minutes"});
}

std::string EquinoxCsvRecord(const EquinoxRow &row)
{
    return CsvRecord({std::to_string(row.year), RoundTripNumber(row.jd),
                      FormatDate(row.greenwichDate, "-", ""), row.greenwichTime.toStdString(),
                      FormatDate(row.meridianDate, "-", ""), row.meridianTime.toStdString(),
                      std::to_string(row.cycle), row.deeLeapYear ? "true" : "false",
                      row.offTarget ? "true" : "false", RoundTripNumber(row.deltaTMinutes)});
}

std::string EquinoxCsv(const std::vector<EquinoxRow> &rows)
{
    std::string csv = EquinoxCsvHeader();
    for (const EquinoxRow &row : rows)
        csv += EquinoxCsvRecord(row);
    return csv;
}

}  // namespace vardex
