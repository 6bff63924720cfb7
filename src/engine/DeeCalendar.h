// SPDX-License-Identifier: MIT
// The Dee calendar: Gregorian month lengths and a 33-year cycle of 12,053 days whose years 4, 8,
// .., 32 are leap years, in either variant (DeeVariant: the epoch 1-1-1 is JDN 1,721,425 or
// 1,721,426). Constant time, exact for every int32_t JDN.
//
// It has the shape of libdaybridge's Gregorian and Julian calendars: a computational year from
// 1 March, the count shifted by whole cycles so that every value is non-negative, and Euclidean
// affine functions (Neri and Schneider) instead of loops over years and months. In computational
// years a cycle starts with a year 33k; its years 3, 7, .., 31 end with a 29 February and year 32
// does not. So the days before computational year Y are 365 Y + 8 (Y div 33) + (Y mod 33) div 4,
// which is (12053 Y + 8) div 33, and the year holding day n of the count is (33 n + 24) div 12053.
//
// Header-only, as the library's arithmetic is, so that a Dee conversion costs no call.
#pragma once

#include <cstdint>
#include <optional>

#include "CalendarDate.h"
#include "daybridge_algorithms.hpp"

namespace vardex {

namespace dee {

namespace algo = daybridge::algo;

constexpr int64_t kMarch1Year0FromEpoch = -306;  // Dee 0000-03-01, counted from 0001-01-01
constexpr int64_t kShiftYears = 33 * 181'819;    // 6,000,027 years, > algo::kYearLimit
constexpr int64_t kShiftDays = int64_t{12053} * 181'819;

// Days from the shifted 0000-03-01 to y-m-d; y within algo::kYearLimit, m 1..12, d 1..31.
constexpr int64_t DeeToDays(int32_t y, uint32_t m, uint32_t d, int32_t epoch)
{
    const uint32_t jf = m <= 2;
    const auto year = static_cast<uint32_t>(y + kShiftYears - jf);  // [100'026, 11'900'027]
    // (12053 year + 8) div 33, with only the product in 64 bits.
    const uint64_t yearDays = 365 * uint64_t{year} + 8 * (year / 33) + year % 33 / 4;
    const uint64_t n = yearDays + algo::DaysBeforeMonth(m + 12 * jf) + d - 1;
    return static_cast<int64_t>(n) - kShiftDays + epoch + kMarch1Year0FromEpoch;
}

constexpr CalendarDate DeeFromDays(int32_t jdn, int32_t epoch)
{
    const auto n = static_cast<uint64_t>(int64_t{jdn} - epoch - kMarch1Year0FromEpoch + kShiftDays);
    const uint64_t n1 = 33 * n + 24;
    const uint64_t year = n1 / 12053;                                        // [115'702, 11'874'926]
    const auto dayOfYear = static_cast<uint32_t>((n1 - 12053 * year) / 33);  // [0, 365]
    const algo::Ymd ymd = algo::FromComputational(static_cast<int64_t>(year) - kShiftYears, dayOfYear);
    return {ymd.year, ymd.month, ymd.day};
}

static_assert(
    [] {
        for (uint64_t year = 0; year < 2 * 33; ++year) {
            if ((12053 * year + 8) / 33 != 365 * year + 8 * (year / 33) + year % 33 / 4)
                return false;
        }
        return true;
    }(),
    "the one-step count of the days before a year agrees with the cycle-and-year count");
static_assert(DeeToDays(1, 1, 1, kDeeCecilEpochJdn) == kDeeCecilEpochJdn, "1-1-1 is the epoch itself");
static_assert(DeeFromDays(kDeeCecilEpochJdn + 12053, kDeeCecilEpochJdn).year == 34, "one cycle later");
static_assert(DeeFromDays(kDeeCecilEpochJdn - 1, kDeeCecilEpochJdn) == CalendarDate{0, 12, 31});

}  // namespace dee

// Leap when the year mod 33, taken non-negative, is 4, 8, .., 32 (so -1 and 4 are, 0 and 33 not).
constexpr bool IsDeeLeapYear(int32_t year)
{
    const int32_t r = (year % 33 + 33) % 33;  // [0, 32]
    return r != 0 && r % 4 == 0;
}

// The JDN of a Dee date, or nothing for an impossible date or one whose JDN does not fit in 32 bits.
constexpr std::optional<int32_t> DeeDateToJDN(const CalendarDate &date, DeeVariant variant)
{
    if (!daybridge::algo::IsRealDate(date.year, date.month, date.day, IsDeeLeapYear))
        return std::nullopt;
    const int64_t jdn = dee::DeeToDays(date.year, static_cast<uint32_t>(date.month),
                                       static_cast<uint32_t>(date.day), DeeEpochJdn(variant));
    if (!daybridge::algo::FitsJdn(jdn))
        return std::nullopt;
    return static_cast<int32_t>(jdn);
}

// The Dee date of a JDN.
constexpr CalendarDate DeeJDNToDate(int32_t jdn, DeeVariant variant)
{
    return dee::DeeFromDays(jdn, DeeEpochJdn(variant));
}

}  // namespace vardex
