// SPDX-License-Identifier: MIT
// One day in every world calendar, after the first call has made the ICU calendars; and the
// day in ICU's slowest calendar (Chinese, astronomical) alone.
#include <benchmark/benchmark.h>

#include "world/IcuCalendars.h"
#include "world/WorldCalendars.h"

namespace {

void AllCalendarsForOneDay(benchmark::State &state)
{
    int32_t jdn = 2461381;
    vardex::DayInWorldCalendars(jdn, vardex::DeeVariant::DeeCecil);  // the first, which creates them
    for (auto _ : state) {
        benchmark::DoNotOptimize(vardex::DayInWorldCalendars(jdn, vardex::DeeVariant::DeeCecil));
        jdn = 2461381 + (jdn + 37 - 2461381) % 36500;  // a day somewhere in the next century
    }
}
BENCHMARK(AllCalendarsForOneDay)->Unit(benchmark::kMicrosecond);

void ChineseAlone(benchmark::State &state)
{
    int32_t jdn = 2461381;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vardex::IcuDateOf(vardex::IcuCalendar::Chinese, jdn));
        jdn = 2461381 + (jdn + 37 - 2461381) % 36500;
    }
}
BENCHMARK(ChineseAlone)->Unit(benchmark::kMicrosecond);

}  // namespace
