// SPDX-License-Identifier: MIT
// The calendars computed here rather than by ICU: the Hebrew calendar (ICU 72 puts the new year a
// day late after some leap years), the French republican calendar and the Maya Long Count,
// Tzolk'in and Haab'.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace vardex {

// The Hebrew calendar: months numbered from Nisan (1) as the JSON numbers them, Tishrei (7) first in
// the year; in a leap year month 12 is Adar I and 13 Adar II. Year 1 (AM) began on 1 Tishrei, 7
// October 3761 BC (Julian, JDN 347,998); the years run past the last int32 JDN, in AM 5,878,589.
struct HebrewDate {
    int64_t year = 0;   // AM, [1, kLastHebrewYear]
    int32_t month = 0;  // 1..13
    int32_t day = 0;    // 1..30
};
inline constexpr int32_t kHebrewEpochJdn = 347998;
inline constexpr int64_t kLastHebrewYear = 6'000'000;
// Years 3, 6, 8, 11, 14, 17 and 19 of each 19-year cycle have a thirteenth month.
constexpr bool IsHebrewLeapYear(int64_t year) { return (7 * year + 1) % 19 < 7; }
// Nothing before year 1.
std::optional<HebrewDate> HebrewOf(int32_t jdn);
// Nothing for a date that does not exist or whose JDN does not fit in 32 bits.
std::optional<int32_t> HebrewToJdn(const HebrewDate &date);

// Year 1 began on 22 September 1792 (Gregorian, JDN 2,375,840). Years 1 to 14 as they were kept,
// with the sextile years 3, 7 and 11; from year 15 Romme's rule: every 4th year a leap year,
// centuries not, except every 400th. Month 13 is the five or six complementary days.
struct FrenchRepublicanDate {
    int64_t year = 0;
    int32_t month = 0;  // 1..13
    int32_t day = 0;    // 1..30
    bool leapYear = false;
};
inline constexpr int32_t kFrenchRepublicanEpochJdn = 2375840;
bool IsFrenchRepublicanLeapYear(int64_t year);
// Nothing before year 1.
std::optional<FrenchRepublicanDate> FrenchRepublicanOf(int32_t jdn);
std::optional<int32_t> FrenchRepublicanToJdn(const FrenchRepublicanDate &date);

// The GMT correlation: JDN 584,283 is the creation day, 13.0.0.0.0 4 Ajaw 8 Kumk'u.
struct MayanDate {
    std::array<int64_t, 5> longCount{};  // baktun, katun, tun, winal, kin
    int32_t tzolkinNumber = 0;           // 1..13
    int32_t tzolkinName = 0;             // 1..20, Imix = 1
    int32_t haabDay = 0;                 // 0..19
    int32_t haabMonth = 0;               // 1..19, Pop = 1, Wayeb' = 19
};
inline constexpr int32_t kMayanCreationJdn = 584283;
// Nothing before the creation day.
std::optional<MayanDate> MayanOf(int32_t jdn);

}  // namespace vardex
