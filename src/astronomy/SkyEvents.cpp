// SPDX-License-Identifier: MIT
#include "SkyEvents.h"

#include <cmath>
#include <cstdio>

#include "MoonPhases.h"
#include "Seasons.h"
#include "engine/Calendars.h"

namespace vardex {

namespace {

constexpr double kSecondsPerDay = 86400;

SkyEvent EventAt(SkyEventKind kind, double jdTT, DeltaTModel model)
{
    SkyEvent event;
    event.kind = kind;
    event.jdTT = jdTT;
    event.deltaT = EstimateDeltaT(model, DecimalYearOfJD(jdTT));
    event.jdUT = jdTT - event.deltaT.seconds / kSecondsPerDay;
    return event;
}

SkyEventKind KindOfPhase(MoonPhase phase)
{
    return static_cast<SkyEventKind>(static_cast<int>(SkyEventKind::NewMoon) + static_cast<int>(phase));
}

int32_t GregorianJdn(int32_t year, int month, int day)
{
    return *DateToJDN(Calendar::Gregorian, {year, month, day}, DeeVariant::Dee);
}

}  // namespace

const char *SkyEventId(SkyEventKind kind)
{
    static const char *const kIds[] = {"march_equinox",     "june_solstice", "september_equinox",
                                       "december_solstice", "new_moon",      "first_quarter",
                                       "full_moon",         "last_quarter"};
    return kIds[static_cast<int>(kind)];
}

const char *SkyEventName(SkyEventKind kind)
{
    static const char *const kNames[] = {"March equinox",     "June solstice", "September equinox",
                                         "December solstice", "New moon",      "First quarter",
                                         "Full moon",         "Last quarter"};
    return kNames[static_cast<int>(kind)];
}

double Meridian::EastDegrees() const
{
    const double value = degrees + minutes / 60.0;
    return east ? value : -value;
}

bool IsValidMeridian(const Meridian &meridian)
{
    return meridian.degrees >= 0 && meridian.minutes >= 0 && meridian.minutes <= 59 &&
           (meridian.degrees < 180 || (meridian.degrees == 180 && meridian.minutes == 0));
}

std::string MeridianText(const Meridian &meridian)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d\u00B0%02d\u2032 %c", meridian.degrees, meridian.minutes,
                  meridian.east ? 'E' : 'W');
    return text;
}

ClockReading ReadClock(double jdUT, double eastDegrees)
{
    const double dayNumber = jdUT + 0.5 + eastDegrees / 360;
    const double day = std::floor(dayNumber);
    auto seconds = static_cast<int>(std::lround((dayNumber - day) * kSecondsPerDay));
    ClockReading reading;
    reading.jdn = static_cast<int32_t>(day);
    if (seconds == static_cast<int>(kSecondsPerDay)) {  // rounded up to the next midnight
        ++reading.jdn;
        seconds = 0;
    }
    reading.hours = seconds / 3600;
    reading.minutes = seconds / 60 % 60;
    reading.seconds = seconds % 60;
    return reading;
}

std::string ClockText(const ClockReading &reading)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", reading.hours, reading.minutes, reading.seconds);
    return text;
}

std::string IsoDateText(const CalendarDate &date)
{
    char text[40];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", date.year < 0 ? "-" : "", std::abs(date.year),
                  date.month, date.day);
    return text;
}

std::string GregorianIsoText(int32_t jdn)
{
    return IsoDateText(JDNToDate(Calendar::Gregorian, jdn, DeeVariant::Dee));
}

std::vector<SkyEvent> SeasonsOfYear(int32_t year, DeltaTModel model)
{
    std::vector<SkyEvent> events;
    for (SeasonPoint point : kSeasonPoints)
        events.push_back(EventAt(static_cast<SkyEventKind>(point), SeasonPointJDE(year, point), model));
    return events;
}

std::vector<SkyEvent> MoonPhasesOfYear(int32_t year, std::optional<int> month, DeltaTModel model,
                                       double eastDegrees)
{
    const int32_t firstDay = GregorianJdn(year, month.value_or(1), 1);
    const int32_t lastDay =
        month && *month < 12 ? GregorianJdn(year, *month + 1, 1) - 1 : GregorianJdn(year + 1, 1, 1) - 1;
    // Delta-T reaches about a day and a half in 4000 BC; two lunations either side cover it.
    const double middle = (firstDay + lastDay) / 2.0;
    const double margin = (lastDay - firstDay) / 2.0 + 2 +
                          EstimateDeltaT(model, DecimalYearOfJD(middle)).seconds / kSecondsPerDay;
    std::vector<SkyEvent> events;
    for (int64_t lunation = LunationNear(middle - margin) - 1; lunation <= LunationNear(middle + margin) + 1;
         ++lunation) {
        for (MoonPhase phase : kMoonPhases) {
            SkyEvent event = EventAt(KindOfPhase(phase), MoonPhaseJDE({lunation, phase}), model);
            const int32_t day = ReadClock(event.jdUT, eastDegrees).jdn;
            if (day < firstDay || day > lastDay)
                continue;
            event.lunation = lunation + kBrownLunationOfMeeusZero;
            events.push_back(event);
        }
    }
    return events;
}

}  // namespace vardex
