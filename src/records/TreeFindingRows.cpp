// SPDX-License-Identifier: MIT
#include "TreeFindingRows.h"

#include "engine/Calendars.h"
#include "engine/Csv.h"
#include "engine/TextForms.h"

namespace vardex {

namespace {

std::string DayText(int32_t jdn, Calendar calendar)
{
    // The variant matters to the Dee calendar only.
    return FormatDate(JDNToDate(calendar, jdn, DeeVariant::DeeCecil), "-", ",");
}

std::string JdnField(const std::optional<int32_t> &jdn) { return jdn ? std::to_string(*jdn) : std::string(); }

}  // namespace

std::string FindingDaysText(const TreeFinding &finding, Calendar calendar, std::string_view separator)
{
    if (!finding.firstJdn)
        return {};
    std::string text = DayText(*finding.firstJdn, calendar);
    if (finding.lastJdn && *finding.lastJdn != *finding.firstJdn)
        text += std::string(separator) + DayText(*finding.lastJdn, calendar);
    return text;
}

std::string TreeFindingCsvHeader()
{
    return CsvRecord({"line", "record", "name", "event", "date", "place", "place_id", "first_jdn", "last_jdn",
                      "julian", "gregorian", "id", "message"});
}

std::string TreeFindingCsvRecord(const TreeFinding &finding)
{
    return CsvRecord({std::to_string(finding.line), finding.record, finding.name, finding.event, finding.date,
                      finding.place, finding.placeId, JdnField(finding.firstJdn), JdnField(finding.lastJdn),
                      FindingDaysText(finding, Calendar::Julian, "/"),
                      FindingDaysText(finding, Calendar::Gregorian, "/"), finding.id, finding.message});
}

}  // namespace vardex
