// SPDX-License-Identifier: MIT
#include "WrittenDayReading.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vardex {

PlaceTable LoadPlaceTable(const std::string &dataFolder)
{
    const std::string path = dataFolder + "/calendar-history.tsv";
    std::ifstream file(path, std::ios::binary);
    // A folder opens as a file here but reads as nothing, which would be an empty table.
    std::error_code folder;
    if (!file || std::filesystem::is_directory(path, folder))
        return {{}, "The calendar history file " + path + " cannot be read."};
    std::ostringstream contents;
    contents << file.rdbuf();
    PlaceTable table = ParsePlaceTable(contents.str());
    if (!table.error.empty())
        table.error = "The calendar history file is faulty: " + table.error;
    return table;
}

WrittenDayReading ReadWrittenDay(const Place &place, int32_t writtenYear, int32_t month, int32_t day,
                                 std::optional<YearStart> style)
{
    const std::vector<int32_t> days = DaysWritten(place, writtenYear, month, day, style);
    if (days.empty())
        return {std::nullopt, MissingDayMessage(place, writtenYear, month, day, style), {}};
    if (days.size() > 1)
        return {std::nullopt, {}, days};
    return {days.front(), {}, {}};
}

}  // namespace vardex
