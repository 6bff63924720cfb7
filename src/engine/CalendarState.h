// The project-wide calendar state: the Dee epoch of the selected variant and the month names.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vardex {

inline constexpr int32_t kDeeEpochJDN = 1721425;       // 1-1-1 D
inline constexpr int32_t kDeeCecilEpochJDN = 1721426;  // 1-1-1 DC

// JDN of 1-1-1 in the selected Dee variant; the Dee-variant options set it (Dee-Cecil at
// start-up). Only the two values above are meaningful.
extern int32_t DeeEpochJDN;

// Index 0 empty, 1..12 the English month names.
extern std::array<std::string, 13> MonthNames;

// Fills MonthNames; calling it again writes the same values.
void InitCalendarTables();

}  // namespace vardex
