// SPDX-License-Identifier: MIT
#include "JewishHolidays.h"

#include <array>
#include <optional>

#include "world/HandCalendars.h"

namespace vardex {

namespace {

constexpr int32_t kNisan = 1, kSivan = 3, kTishrei = 7, kKislev = 9, kAdar = 12, kAdarII = 13;

struct Holiday {
    int32_t month, day;
    const char *id;
    const char *name;
};

// In Hebrew calendar order from Tishrei; Purim's month is settled by the year (below).
constexpr std::array<Holiday, 8> kHolidays = {{
    {kTishrei, 1, "rosh_hashanah", "Rosh Hashanah"},
    {kTishrei, 10, "yom_kippur", "Yom Kippur"},
    {kTishrei, 15, "sukkot", "Sukkot"},
    {kTishrei, 22, "shemini_atzeret", "Shemini Atzeret"},
    {kKislev, 25, "hanukkah", "Hanukkah"},
    {kAdar, 14, "purim", "Purim"},
    {kNisan, 15, "passover", "Passover"},
    {kSivan, 6, "shavuot", "Shavuot"},
}};

const Holiday *HolidayOn(const HebrewDate &date)
{
    // A leap year keeps Purim in Adar II; 14 Adar I is Purim Katan, not marked.
    const int32_t purimMonth = IsHebrewLeapYear(date.year) ? kAdarII : kAdar;
    for (const Holiday &holiday : kHolidays) {
        const int32_t month = holiday.month == kAdar ? purimMonth : holiday.month;
        if (date.month == month && date.day == holiday.day)
            return &holiday;
    }
    return nullptr;
}

}  // namespace

std::vector<std::vector<DayMark>> JewishHolidaysOfMonth(const MonthPage &page)
{
    std::vector<std::vector<DayMark>> marks(page.days.size());
    for (size_t i = 0; i < page.days.size(); ++i) {
        const std::optional<HebrewDate> date = HebrewOf(page.days[i].jdn);  // nothing before 1 AM
        if (!date)
            continue;
        if (const Holiday *holiday = HolidayOn(*date))
            marks[i].push_back({MarkKind::Jewish, holiday->id, holiday->name, ""});
    }
    return marks;
}

}  // namespace vardex
