// SPDX-License-Identifier: MIT
#include "SkyEventRows.h"

#include <cmath>
#include <cstdio>

#include "engine/Calendars.h"
#include "engine/Csv.h"

namespace vardex {

SkyEventRow RowOfEvent(const SkyEvent &event, double eastDegrees, DeeVariant variant)
{
    SkyEventRow row;
    row.event = SkyEventName(event.kind);
    const ClockReading local = ReadClock(event.jdUT, eastDegrees);
    const ClockReading greenwich = ReadClock(event.jdUT, 0);
    row.localDate = GregorianIsoText(local.jdn);
    row.localTime = ClockText(local);
    row.utDate = GregorianIsoText(greenwich.jdn);
    row.utTime = ClockText(greenwich);
    row.gregorian = JDNToDate(Calendar::Gregorian, local.jdn, variant);
    row.julian = JDNToDate(Calendar::Julian, local.jdn, variant);
    row.dee = JDNToDate(Calendar::Dee, local.jdn, variant);
    row.deltaT = DeltaTText(event.deltaT);
    row.lunation = event.lunation;
    return row;
}

std::string DeltaTText(const DeltaTEstimate &estimate)
{
    if (!std::isfinite(estimate.seconds) || !std::isfinite(estimate.sigmaSeconds))
        return "?";
    char text[64];
    const double seconds = estimate.seconds;
    const long long whole = std::llround(std::fabs(seconds));
    const char *sign = seconds < 0 ? "-" : "";
    if (std::fabs(seconds) < 100)
        std::snprintf(text, sizeof text, "%.1f s", seconds);
    else if (whole < 3600)
        std::snprintf(text, sizeof text, "%s%lld min %lld s", sign, whole / 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%s%lld h %lld min", sign, whole / 3600, whole / 60 % 60);
    std::string out = text;
    const long long sigmaMinutes = std::llround(estimate.sigmaSeconds / 60);
    if (sigmaMinutes >= 1)
        out += " \u00B1 " + std::to_string(sigmaMinutes) + " min";
    return out;
}

std::string DayMonthYearText(const CalendarDate &date)
{
    return std::to_string(date.day) + " " + MonthName(date.month) + " " + std::to_string(date.year);
}

std::string SkyEventsCsv(const std::vector<SkyEvent> &events, double eastDegrees, DeeVariant variant)
{
    std::string csv =
        CsvRecord({"event", "local_date", "local_time", "ut_date", "ut_time", "gregorian", "julian", "dee",
                   "deltat_seconds", "deltat_sigma_seconds", "jd_tt", "jd_ut", "lunation"});
    for (const SkyEvent &event : events) {
        const SkyEventRow row = RowOfEvent(event, eastDegrees, variant);
        const std::string lunation = row.lunation ? std::to_string(*row.lunation) : "";
        csv += CsvRecord({SkyEventId(event.kind), row.localDate, row.localTime, row.utDate, row.utTime,
                          IsoDateText(row.gregorian), IsoDateText(row.julian), IsoDateText(row.dee),
                          RoundTripNumber(event.deltaT.seconds), RoundTripNumber(event.deltaT.sigmaSeconds),
                          RoundTripNumber(event.jdTT), RoundTripNumber(event.jdUT), lunation});
    }
    return csv;
}

}  // namespace vardex
