// SPDX-License-Identifier: MIT
// The reading of dates as family-tree files write them: a mix of GEDCOM's forms and people's,
// without a place and at England (whose year began on 25 March until 1752). Target: over a
// million dates a second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "history/WrittenDayReading.h"
#include "records/RecordDate.h"

namespace {

using namespace vardex;

// Dates as a tree holds them: mostly days and years, some qualified, a few dual years and escapes.
std::vector<std::string> TreeDates()
{
    const char *months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::vector<std::string> dates;
    for (int i = 0; i < 4096; ++i) {
        const int year = 1600 + i % 300, day = 1 + i % 28;
        const std::string month = months[i % 12];
        switch (i % 8) {
        case 0: dates.push_back("ABT " + std::to_string(year)); break;
        case 1: dates.push_back(std::to_string(year)); break;
        case 2:
            dates.push_back(std::to_string(day) + " " + month + " " + std::to_string(year) + "/" +
                            std::to_string((year + 1) % 100));
            break;
        case 3:
            dates.push_back("@#DJULIAN@ " + std::to_string(day) + " " + month + " " + std::to_string(year));
            break;
        case 4: dates.push_back("BET " + std::to_string(year) + " AND " + std::to_string(year + 5)); break;
        default: dates.push_back(std::to_string(day) + " " + month + " " + std::to_string(year)); break;
        }
    }
    return dates;
}

void ReadDates(benchmark::State &state, const Place *place)
{
    const std::vector<std::string> dates = TreeDates();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadRecordDate(dates[i], place));
        i = (i + 1) % dates.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void ReadRecordDateWithoutAPlace(benchmark::State &state) { ReadDates(state, nullptr); }
BENCHMARK(ReadRecordDateWithoutAPlace);

void ReadRecordDateAtEngland(benchmark::State &state)
{
    static const PlaceTable table = LoadPlaceTable(VARDEX_DATA_FOLDER);
    const Place *england = nullptr;
    for (const Place &place : table.places)
        england = place.id == "england" ? &place : england;
    if (!england) {
        state.SkipWithError("no calendar history");
        return;
    }
    ReadDates(state, england);
}
BENCHMARK(ReadRecordDateAtEngland);

}  // namespace
