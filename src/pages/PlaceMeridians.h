// SPDX-License-Identifier: MIT
// Where a place's seasons and Moon are timed: the meridian of its capital (or chief city), in
// local mean time, as the places of the calendar history have no longitude of their own.
#pragma once

#include <optional>
#include <string>

#include "astronomy/SkyEvents.h"

namespace vardex {

struct PlaceMeridian {
    std::string city;  // "London"
    Meridian meridian;
};

// The meridian of a place of data/calendar-history.tsv by its id; nothing for an unknown id.
std::optional<PlaceMeridian> PlaceMeridianOf(const std::string &placeId);

}  // namespace vardex
