// SPDX-License-Identifier: MIT
// The calendars as values: which calendar, which Dee variant, and a date of it.
#pragma once

#include <cstdint>

namespace vardex {

enum class Calendar { Gregorian, Julian, Dee };

// The Dee calendar's two variants differ only in their epoch, the JDN of 1-1-1.
enum class DeeVariant {
    Dee,       // 1-1-1 D = JDN 1,721,425
    DeeCecil,  // 1-1-1 DC = JDN 1,721,426
};

inline constexpr int32_t kDeeEpochJdn = 1721425;
inline constexpr int32_t kDeeCecilEpochJdn = 1721426;

constexpr int32_t DeeEpochJdn(DeeVariant variant)
{
    return variant == DeeVariant::Dee ? kDeeEpochJdn : kDeeCecilEpochJdn;
}

// A date in astronomical year numbering: year 0 is 1 BC, -1 is 2 BC.
struct CalendarDate {
    int32_t year = 0;
    int32_t month = 0;  // 1..12
    int32_t day = 0;    // 1..31
    friend bool operator==(const CalendarDate &, const CalendarDate &) = default;
};

}  // namespace vardex
