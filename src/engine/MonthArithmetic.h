// SPDX-License-Identifier: MIT
// Years and months added to a calendar date, as the main window's arithmetic adds them: on the
// calendar's month count, then the end-of-month rule (31 January + 1 month = the last day of
// February). The date difference is defined by the same function, so that adding a difference
// back gives the later date.
#pragma once

#include <cstdint>
#include <optional>

#include "CalendarDate.h"

namespace vardex {

struct MovedDate {
    CalendarDate date;           // the month reached, its day lowered as far as the rule went
    std::optional<int32_t> jdn;  // its JDN; nothing when the year leaves 32 bits or no day of the
                                 // month reached has a 32-bit JDN
};

// `date` moved by `months` months (back when negative); `date` itself when the year would leave
// 32 bits.
MovedDate AddMonths(Calendar calendar, const CalendarDate &date, int64_t months, DeeVariant variant);

}  // namespace vardex
