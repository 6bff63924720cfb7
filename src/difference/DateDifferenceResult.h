// SPDX-License-Identifier: MIT
// The results of the Date difference window and of `vardex-cli diff`: the figures, and their texts
// as the window, its copy and the command's text output show them.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/DateDifference.h"
#include "input/NumberFormat.h"

namespace vardex {

struct DateDifferenceResult {
    int32_t fromJdn = 0;
    int32_t toJdn = 0;
    int64_t days = 0;  // To - From
    WeeksDays weeks;
    std::array<YearsMonthsDays, 3> inCalendars;  // Gregorian, Julian, Dee (in the variant given)
};

inline constexpr std::array<Calendar, 3> kDifferenceCalendars = {Calendar::Gregorian, Calendar::Julian,
                                                                 Calendar::Dee};

DateDifferenceResult DifferenceOf(int32_t fromJdn, int32_t toJdn, DeeVariant variant);

// "JDN 2,460,375, Tuesday".
QString DayText(int32_t jdn, const NumberFormat &format);

// "-1 year, -2 months, -3 days", "1 week, 0 days": each figure grouped, singular for 1 and -1.
QString YearsMonthsDaysText(const YearsMonthsDays &difference, const NumberFormat &format);
QString WeeksDaysText(const WeeksDays &weeks, const NumberFormat &format);

// The results line by line, as label and text: From, To, Days, Weeks, then the three calendars
// ("Gregorian", "Julian" and the variant's name).
std::vector<std::pair<QString, QString>> DifferenceLines(const DateDifferenceResult &result,
                                                         DeeVariant variant, const NumberFormat &format);

// The lines as one text, each label padded to a column, each line ended by lineEnd.
QString DifferenceText(const DateDifferenceResult &result, DeeVariant variant, const NumberFormat &format,
                       const QString &lineEnd);

}  // namespace vardex
