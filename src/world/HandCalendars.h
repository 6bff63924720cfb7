// SPDX-License-Identifier: MIT
// The calendars ICU does not keep, computed here: the French republican calendar and the Maya
// Long Count, Tzolk'in and Haab'.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace vardex {

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
