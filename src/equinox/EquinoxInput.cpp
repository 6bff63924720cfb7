// SPDX-License-Identifier: MIT
#include "EquinoxInput.h"

#include "EquinoxTable.h"
#include "input/InputCheck.h"

namespace vardex {

DayReading ReadInputForEquinoxes(InputEntry entry, const InputContext &context)
{
    InputCheck check = CheckInputDate(std::move(entry), context);
    if (!check.Ok())
        return {std::move(check.entry), {*check.fault}, std::nullopt};
    const int32_t year = InputYear(check.entry);
    if (year < kFirstEquinoxYear || year > kLastEquinoxYear)
        return {std::move(check.entry), {EquinoxRangeMessage()}, std::nullopt};
    const std::optional<Calendar> calendar = InputCalendar(check.entry);
    return ReadInputDay(std::move(check.entry), calendar, true, context);
}

}  // namespace vardex
