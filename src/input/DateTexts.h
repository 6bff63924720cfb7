// SPDX-License-Identifier: MIT
// The texts in which the windows show a day: "March 15, 44 BC", "-43-03-15 JC", its JDN and
// weekday.
#pragma once

#include <QString>
#include <cstdint>

#include "NumberFormat.h"
#include "engine/Calendars.h"

namespace vardex {

enum class EraStyle { ADBC, CEBCE };

// AD/BC when the era chosen in the era list is "AD" or "BC", CE/BCE otherwise.
EraStyle EraStyleOf(const QString &era);

// Month name, day, a comma, the year counted from 1 in its era (grouped above 9999) and the
// era: "March 15, 2021 AD", "November 22, 4,999,999 BCE".
QString MonthDayYearText(const CalendarDate &date, EraStyle style, const NumberFormat &format);

// Astronomical year (grouped beyond +-9999), two-digit month and day, a blank and the
// designator: "2021-03-15 CE", "-43-03-15 JC", "-4,999,999-12-31 JC".
QString AstronomicalDateText(const CalendarDate &date, const QString &designator, const NumberFormat &format);

// The astronomical text of a JDN in a calendar, with its designator: "2024-02-27 DC".
QString AstronomicalDateText(Calendar calendar, int32_t jdn, DeeVariant variant, const NumberFormat &format);

// The eight texts of a result: the day in the three calendars, each month-day-year and
// astronomical, its JDN grouped and its weekday.
struct DayTexts {
    QString gregorian, julian, dee;
    QString gregorianYmd, julianYmd, deeYmd;
    QString jdn;
    QString weekday;
};

DayTexts TextsOfDay(int32_t jdn, DeeVariant variant, EraStyle style, const NumberFormat &format);

}  // namespace vardex
