// SPDX-License-Identifier: MIT
// The events of seasons and moon as vardex-cli prints them: an aligned table for people, or the
// rows of a JSON document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "astronomy/SkyEvents.h"
#include "engine/Calendars.h"

namespace vardex::cli {

// An event with the year it was asked for (the year of the seasons; the year of the phases).
struct YearEvent {
    int32_t year = 0;
    SkyEvent event;
};

// title, then a header and one line per event, the columns as wide as their longest text.
std::string SkyEventTable(const std::string &title, const std::vector<YearEvent> &events,
                          const Meridian &meridian, DeeVariant variant);

// One JSON object per event, in a JSON array.
std::string SkyEventJsonRows(const std::vector<YearEvent> &events, const Meridian &meridian,
                             DeeVariant variant);

}  // namespace vardex::cli
