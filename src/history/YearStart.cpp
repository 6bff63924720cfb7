// SPDX-License-Identifier: MIT
#include "YearStart.h"

#include <array>
#include <utility>

#include "Easter.h"

namespace vardex {

namespace {

constexpr std::array<std::pair<YearStart, const char *>, 7> kNames = {{
    {YearStart::Circumcision, "circumcision"},
    {YearStart::Annunciation, "annunciation"},
    {YearStart::Pisan, "pisan"},
    {YearStart::Nativity, "nativity"},
    {YearStart::Venetian, "venetian"},
    {YearStart::Byzantine, "byzantine"},
    {YearStart::Easter, "easter"},
}};

// Whether month-day a comes before month-day b within a year.
constexpr bool Before(int32_t month, int32_t day, int32_t otherMonth, int32_t otherDay)
{
    return month < otherMonth || (month == otherMonth && day < otherDay);
}

}  // namespace

std::optional<YearStart> YearStartNamed(const std::string &name)
{
    for (const auto &[style, text] : kNames) {
        if (name == text)
            return style;
    }
    return std::nullopt;
}

const char *YearStartName(YearStart style)
{
    for (const auto &[known, text] : kNames) {
        if (known == style)
            return text;
    }
    return "";
}

int32_t WrittenYear(YearStart style, const CalendarDate &date)
{
    const int32_t y = date.year, m = date.month, d = date.day;
    switch (style) {
    case YearStart::Circumcision: return y;
    case YearStart::Annunciation: return Before(m, d, 3, 25) ? y - 1 : y;
    case YearStart::Pisan: return Before(m, d, 3, 25) ? y : y + 1;
    case YearStart::Nativity: return Before(m, d, 12, 25) ? y : y + 1;
    case YearStart::Venetian: return m < 3 ? y - 1 : y;
    case YearStart::Byzantine: return m < 9 ? y : y + 1;
    case YearStart::Easter: {
        const CalendarDate easter = JulianEaster(y);
        return Before(m, d, easter.month, easter.day) ? y - 1 : y;
    }
    }
    return y;
}

std::vector<int32_t> CalendarYears(YearStart style, int32_t writtenYear, int32_t month, int32_t day)
{
    // A day of the written year lies in calendar year writtenYear - 1, writtenYear or writtenYear
    // + 1; those whose number in the style is the written one are the answers.
    std::vector<int32_t> years;
    for (int64_t y = int64_t{writtenYear} - 1; y <= int64_t{writtenYear} + 1; ++y) {
        if (y < INT32_MIN + 1 || y > INT32_MAX - 1)
            continue;
        if (WrittenYear(style, {static_cast<int32_t>(y), month, day}) == writtenYear)
            years.push_back(static_cast<int32_t>(y));
    }
    return years;
}

std::string YearText(int32_t year)
{
    // Year 0 is 1 BC, -1 is 2 BC; in 64 bits, so that the least int32 has its number too.
    return year >= 1 ? std::to_string(year) : std::to_string(1 - int64_t{year}) + " BC";
}

std::string DualYearText(int32_t writtenYear, int32_t calendarYear)
{
    if (writtenYear < 1 || calendarYear < 1) {
        if (writtenYear == calendarYear)
            return YearText(writtenYear);
        if (writtenYear < 1 && calendarYear < 1)
            return std::to_string(1 - int64_t{writtenYear}) + '/' + YearText(calendarYear);
        const auto withEra = [](int32_t year) { return YearText(year) + (year >= 1 ? " AD" : ""); };
        return withEra(writtenYear) + '/' + withEra(calendarYear);
    }
    const std::string first = std::to_string(writtenYear);
    if (writtenYear == calendarYear)
        return first;
    const std::string second = std::to_string(calendarYear);
    // Only the last one or two digits are written again when the rest agrees: 1731/2, 1709/10;
    // across a century the whole number (1699/1700), and always when the second is the earlier
    // year (the Pisan style's 1701/1700).
    size_t common = 0;
    if (first.size() == second.size() && calendarYear > writtenYear) {
        while (common + 1 < second.size() && first[common] == second[common])
            ++common;
    }
    const std::string tail = second.substr(common);
    return first + '/' + (tail.size() <= 2 ? tail : second);
}

}  // namespace vardex
