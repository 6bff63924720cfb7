// SPDX-License-Identifier: MIT
// The instants of the Moon's four principal phases, after Jean Meeus, "Astronomical Algorithms"
// (2nd ed., 1998), chapter 49: the mean phase from the lunar theory ELP-2000/82 and its periodic
// and planetary corrections. Within about 20 s of the full theory near our time; the error grows
// slowly with the distance from it (see the README).
#pragma once

#include <array>
#include <cstdint>

namespace vardex {

enum class MoonPhase { New, FirstQuarter, Full, LastQuarter };

inline constexpr std::array<MoonPhase, 4> kMoonPhases = {MoonPhase::New, MoonPhase::FirstQuarter,
                                                         MoonPhase::Full, MoonPhase::LastQuarter};

// One phase: Meeus's k is lunation + phase / 4, with k = 0 the new moon of 6 January 2000.
struct PhaseOfLunation {
    int64_t lunation = 0;  // Meeus's count: 0 from 6 January 2000
    MoonPhase phase = MoonPhase::New;
};

// Brown's lunation number: lunation 1 began with the new moon of 17 January 1923, 02:41 UT (still
// the 16th in the Americas).
inline constexpr int64_t kBrownLunationOfMeeusZero = 953;

// The instant of the phase as a Julian Ephemeris Day (TT).
double MoonPhaseJDE(PhaseOfLunation phase);

// The Meeus lunation whose new moon is the last at or before jde (approximately: within a day of
// the true boundary), so that callers can walk phases from there.
int64_t LunationNear(double jde);

}  // namespace vardex
