// SPDX-License-Identifier: MIT
// What the Historical dates window and vardex-cli history both do with the calendar history: load
// it from the data folder, and read a date as written at a place into the day it stood for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PlaceHistory.h"

namespace vardex {

// The places of calendar-history.tsv in dataFolder, or why not in `error`: "The calendar history
// file FOLDER/calendar-history.tsv cannot be read." or "The calendar history file is faulty: " and
// the faulty line.
PlaceTable LoadPlaceTable(const std::string &dataFolder);

// A date as written at a place (day, month, year as written; `style` as for WriteDay): the one day
// it stood for, or none and why, or the days of a date the Easter style gave twice.
struct WrittenDayReading {
    std::optional<int32_t> day;
    std::string missing;         // when it stood for no day: MissingDayMessage's text
    std::vector<int32_t> twice;  // when it stood for more than one, in order
};
WrittenDayReading ReadWrittenDay(const Place &place, int32_t writtenYear, int32_t month, int32_t day,
                                 std::optional<YearStart> style = std::nullopt);

}  // namespace vardex
