// SPDX-License-Identifier: MIT
// The calendars ICU keeps, read for a JDN: one icu::Calendar per calendar, set to GMT, created once
// per thread and reused.
#pragma once

#include <cstdint>
#include <optional>

namespace vardex {

enum class IcuCalendar {
    Hebrew,  // not shown (HandCalendars.h computes it); a test compares the two to notice ICU's fix
    IslamicCivil,
    IslamicUmmAlQura,
    Persian,
    Chinese,
    Coptic,
    Ethiopic,
    Indian,
    Japanese,
    Roc,
    Buddhist,
};

// ICU's fields for the day (at noon UT); month counted from 0 as ICU counts it. The Gregorian-based
// calendars (Japanese, ROC, Buddhist) are proleptic, without ICU's switch to the Julian calendar.
struct IcuDate {
    int32_t era = 0;
    int32_t year = 0;          // in the era
    int32_t extendedYear = 0;  // counted on through the eras
    int32_t month = 0;         // 0-based
    int32_t day = 0;
    bool leapMonth = false;  // Chinese
};

// Nothing where ICU cannot hold the day (far beyond its years, about 5.8 million years away).
std::optional<IcuDate> IcuDateOf(IcuCalendar calendar, int32_t jdn);

}  // namespace vardex
