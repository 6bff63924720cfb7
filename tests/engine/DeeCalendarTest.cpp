// SPDX-License-Identifier: MIT
// The Dee calendar against a year-by-year reference written from its published description.
#include <gtest/gtest.h>

#include "engine/DeeCalendar.h"

namespace vardex {
namespace {

// The long way: whole cycles, then year by year and month by month, with truncating division.
namespace reference {

bool IsLeap(int64_t year) { return year >= 1 ? ((year - 1) % 33) % 4 == 3 : ((-year) % 33) % 4 == 1; }

int MonthLength(int month, int64_t year)
{
    static const int kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kLengths[month] + (month == 2 && IsLeap(year));
}

int64_t DateToJdn(int64_t year, int month, int day, int32_t epoch)
{
    const int64_t c = year >= 1 ? (year - 1) / 33 : year / 33 - 1;
    const int64_t i = year >= 1 ? (year - 1) % 33 : 32 - ((-year) % 33);
    int64_t n = 12053 * c + 365 * i + i / 4;
    for (int m = 1; m < month; ++m)
        n += MonthLength(m, year);
    return n + day + epoch - 1;
}

}  // namespace reference

constexpr DeeVariant kVariants[] = {DeeVariant::Dee, DeeVariant::DeeCecil};

// The epochs: tests/cli/calc.txt (DeeCecilEpoch) and commands.txt (the Dee variant); the leap rule
// over the whole int32_t range: tests/exhaustive. Here, the reference, year by year.
// Every day from 2000 BC to AD 4000, every impossible date in it, and consecutive JDNs.
TEST(Dee, AgreesWithTheReferenceOnEveryDayOfSixThousandYears)
{
    for (const DeeVariant variant : kVariants) {
        const int32_t epoch = DeeEpochJdn(variant);
        int64_t expected = reference::DateToJdn(-2000, 1, 1, epoch);
        for (int32_t year = -2000; year <= 4000; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 31; ++day) {
                    const std::optional<int32_t> jdn = DeeDateToJDN({year, month, day}, variant);
                    const bool real = day <= reference::MonthLength(month, year);
                    ASSERT_EQ(jdn.has_value(), real) << year << "-" << month << "-" << day;
                    if (!real)
                        continue;
                    ASSERT_EQ(*jdn, reference::DateToJdn(year, month, day, epoch));
                    ASSERT_EQ(*jdn, expected++) << "days follow each other";
                    ASSERT_EQ(DeeJDNToDate(*jdn, variant), (CalendarDate{year, month, day}));
                }
            }
        }
    }
}

TEST(Dee, NoJdnForImpossibleDatesOrDaysBeyondTheInt32Range)
{
    for (const DeeVariant variant : kVariants) {
        const CalendarDate last = DeeJDNToDate(INT32_MAX, variant);
        const CalendarDate first = DeeJDNToDate(INT32_MIN, variant);
        // clang-format off
        const CalendarDate impossible[] = {{2024, 13, 1}, {2024, 0, 5}, {2024, 1, 0}, {INT32_MAX, 1, 1},
            {INT32_MIN, 1, 1}, {2024, INT32_MIN, 1}, {2024, 1, INT32_MAX},
            {last.year, last.month, last.day + 1}, {first.year, first.month, first.day - 1}};
        // clang-format on
        for (const CalendarDate &date : impossible)
            EXPECT_FALSE(DeeDateToJDN(date, variant)) << date.year << "-" << date.month << "-" << date.day;
        EXPECT_EQ(DeeDateToJDN(last, variant), INT32_MAX);
        EXPECT_EQ(DeeDateToJDN(first, variant), INT32_MIN);
    }
}

}  // namespace
}  // namespace vardex
