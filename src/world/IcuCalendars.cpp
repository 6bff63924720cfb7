// SPDX-License-Identifier: MIT
#include "IcuCalendars.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <array>
#include <memory>

namespace vardex {

namespace {

constexpr int32_t kUnixEpochJdn = 2440588;  // 1 January 1970
constexpr double kMillisPerDay = 86'400'000.0;

constexpr std::array<const char *, 11> kLocales = {
    "en@calendar=hebrew",   "en@calendar=islamic-civil", "en@calendar=islamic-umalqura",
    "en@calendar=persian",  "en@calendar=chinese",       "en@calendar=coptic",
    "en@calendar=ethiopic", "en@calendar=indian",        "en@calendar=japanese",
    "en@calendar=roc",      "en@calendar=buddhist"};

std::unique_ptr<icu::Calendar> Create(const char *locale)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale(locale), status));
    if (U_FAILURE(status))
        return nullptr;
    if (auto *gregorian = dynamic_cast<icu::GregorianCalendar *>(calendar.get()))
        gregorian->setGregorianChange(U_DATE_MIN, status);  // proleptic, as the program's Gregorian
    calendar->setLenient(false);
    return U_FAILURE(status) ? nullptr : std::move(calendar);
}

icu::Calendar *Instance(IcuCalendar calendar)
{
    thread_local std::array<std::unique_ptr<icu::Calendar>, kLocales.size()> instances = [] {
        std::array<std::unique_ptr<icu::Calendar>, kLocales.size()> made;
        for (size_t i = 0; i < kLocales.size(); ++i)
            made[i] = Create(kLocales[i]);
        return made;
    }();
    return instances[static_cast<size_t>(calendar)].get();
}

}  // namespace

std::optional<IcuDate> IcuDateOf(IcuCalendar calendar, int32_t jdn)
{
    icu::Calendar *icu = Instance(calendar);
    if (!icu)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    // Noon: the civil day of the JDN, whichever way a calendar rounds at midnight.
    icu->setTime((double(jdn) - kUnixEpochJdn + 0.5) * kMillisPerDay, status);
    IcuDate date;
    date.era = icu->get(UCAL_ERA, status);
    date.year = icu->get(UCAL_YEAR, status);
    date.extendedYear = icu->get(UCAL_EXTENDED_YEAR, status);
    date.month = icu->get(UCAL_MONTH, status);
    date.day = icu->get(UCAL_DATE, status);
    date.leapMonth = icu->get(UCAL_IS_LEAP_MONTH, status) != 0;
    if (U_FAILURE(status))
        return std::nullopt;
    return date;
}

}  // namespace vardex
