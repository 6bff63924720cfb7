// SPDX-License-Identifier: MIT
// The year's four cardinal points: the instants at which the Sun's apparent longitude reaches
// 0, 90, 180 and 270 degrees, in Terrestrial Time.
#pragma once

#include <array>
#include <cstdint>

namespace vardex {

enum class SeasonPoint { MarchEquinox, JuneSolstice, SeptemberEquinox, DecemberSolstice };

inline constexpr std::array<SeasonPoint, 4> kSeasonPoints = {
    SeasonPoint::MarchEquinox, SeasonPoint::JuneSolstice, SeasonPoint::SeptemberEquinox,
    SeasonPoint::DecemberSolstice};

// The instant of the point in the astronomical year (0 = 1 BC), as a Julian Ephemeris Day. Meant
// for years -4000..8000; the solar theory is best near our time (see the README).
double SeasonPointJDE(int32_t year, SeasonPoint point);

}  // namespace vardex
