// SPDX-License-Identifier: MIT
#include "IslamicMarks.h"

#include <optional>
#include <string>

#include "world/IcuCalendars.h"
#include "world/WorldCalendars.h"
#include "world/WorldDates.h"

namespace vardex {

namespace {

constexpr int32_t kShawwal = 10, kDhuAlHijjah = 12;

// The reckoned date of a day, from 1 Muharram 1 AH; Umm al-Qura only over its published years, as
// ICU falls back on the tabular calendar beyond them.
std::optional<IcuDate> ReckonedDate(IslamicReckoning reckoning, int32_t jdn)
{
    const bool ummAlQura = reckoning == IslamicReckoning::UmmAlQura;
    if (ummAlQura && (jdn < kFirstUmmAlQuraJdn || jdn > kLastUmmAlQuraJdn))
        return std::nullopt;
    const std::optional<IcuDate> date =
        IcuDateOf(ummAlQura ? IcuCalendar::IslamicUmmAlQura : IcuCalendar::IslamicCivil, jdn);
    if (!date || date->extendedYear < 1)
        return std::nullopt;
    return date;
}

}  // namespace

std::vector<std::vector<DayMark>> IslamicMarksOfMonth(const MonthPage &page, IslamicReckoning reckoning)
{
    // The dates are reckoned, not sighted: every name says by which reckoning.
    const std::string suffix = reckoning == IslamicReckoning::UmmAlQura ? " (Umm al-Qura)" : " (tabular)";
    std::vector<std::vector<DayMark>> marks(page.days.size());
    for (size_t i = 0; i < page.days.size(); ++i) {
        const std::optional<IcuDate> date = ReckonedDate(reckoning, page.days[i].jdn);
        if (!date)
            continue;
        const int32_t month = date->month + 1;  // ICU counts from 0
        if (date->day == 1)
            marks[i].push_back({MarkKind::Islamic, "month_start",
                                "1 " + std::string(IslamicMonthName(month)) + " " +
                                    std::to_string(date->extendedYear) + suffix,
                                ""});
        if (month == kShawwal && date->day == 1)
            marks[i].push_back({MarkKind::Islamic, "eid_al_fitr", "Eid al-Fitr" + suffix, ""});
        if (month == kDhuAlHijjah && date->day == 10)
            marks[i].push_back({MarkKind::Islamic, "eid_al_adha", "Eid al-Adha" + suffix, ""});
    }
    return marks;
}

}  // namespace vardex
