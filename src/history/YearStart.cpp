// SPDX-License-Identifier: MIT
#include "YearStart.h"

#include <array>

#include "Easter.h"

namespace vardex {

namespace {

// Each style: its name in files and on the command line, its title for people, and what it does
// to the year numbers.
struct StyleWords {
    YearStart style;
    const char *name;
    const char *title;
    const char *effect;
};
constexpr std::array<StyleWords, 7> kStyleWords = {{
    {YearStart::Circumcision, "circumcision", "1 January (Circumcision style)",
     "The year began on 1 January, as it does today."},
    {YearStart::Annunciation, "annunciation", "25 March, after 1 January (Annunciation style)",
     "1 January to 24 March carry the previous year's number."},
    {YearStart::Pisan, "pisan", "25 March, before 1 January (Pisan style)",
     "25 March to 31 December carry the next year's number."},
    {YearStart::Nativity, "nativity", "25 December (Nativity style)",
     "25 to 31 December carry the next year's number."},
    {YearStart::Venetian, "venetian", "1 March (Venetian style)",
     "January and February carry the previous year's number."},
    {YearStart::Byzantine, "byzantine", "1 September (Byzantine style)",
     "September to December carry the next year's number."},
    {YearStart::Easter, "easter", "Easter Sunday (Easter style)",
     "The year began on Easter Sunday (Julian reckoning): some dates came twice in a year, some not at all."},
}};

const StyleWords &WordsOf(YearStart style)
{
    for (const StyleWords &words : kStyleWords) {
        if (words.style == style)
            return words;
    }
    return kStyleWords[0];
}

// Whether month-day a comes before month-day b within a year.
constexpr bool Before(int32_t month, int32_t day, int32_t otherMonth, int32_t otherDay)
{
    return month < otherMonth || (month == otherMonth && day < otherDay);
}

}  // namespace

std::optional<YearStart> YearStartNamed(const std::string &name)
{
    for (const StyleWords &words : kStyleWords) {
        if (name == words.name)
            return words.style;
    }
    return std::nullopt;
}

const char *YearStartName(YearStart style) { return WordsOf(style).name; }

const char *YearStartTitle(YearStart style) { return WordsOf(style).title; }

const char *YearStartEffect(YearStart style) { return WordsOf(style).effect; }

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
