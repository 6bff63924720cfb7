// The texts in which the windows show a day: "March 15, 44 BC" and "-43-03-15 JC".
#pragma once

#include <QString>
#include <cstdint>

#include "engine/EuroDate.h"

namespace vardex {

enum class EraStyle { ADBC, CEBCE };

// Month name, day, a comma, the year counted from 1 in its era (grouped above 9999) and the
// era: "March 15, 2021 AD", "November 22, 4,999,999 BCE". Needs year, month and day of date.
QString MonthDayYearText(const EuroDate &date, EraStyle style);

// Astronomical year (grouped beyond +-9999), two-digit month and day, a blank and the
// designator: "2021-03-15 CE", "-43-03-15 JC", "-4,999,999-12-31 JC".
QString AstronomicalDateText(const EuroDate &date, const QString &designator);

// The record of jdn in a calendar ('G', 'J' or 'D'), converted by the engine's dispatcher.
EuroDate DateOfJdn(int32_t jdn, int32_t calendar);

}  // namespace vardex
