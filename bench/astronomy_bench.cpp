// SPDX-License-Identifier: MIT
// The seasons and the Moon's phases of one year, as the Seasons and Moon window and vardex-cli
// compute them: the four points (each a root of the VSOP87 apparent longitude) and the year's
// phases (Meeus's series), a different year each time.
#include <benchmark/benchmark.h>

#include "astronomy/SkyEvents.h"

namespace {

int NextYear(int year) { return year >= 2100 ? 1900 : year + 1; }

void FourSeasonPointsOfAYear(benchmark::State &state)
{
    int year = 1900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vardex::SeasonsOfYear(year, vardex::DeltaTModel::Smh2016));
        year = NextYear(year);
    }
}
BENCHMARK(FourSeasonPointsOfAYear)->Unit(benchmark::kMicrosecond);

void MoonPhasesOfAYear(benchmark::State &state)
{
    int year = 1900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            vardex::MoonPhasesOfYear(year, std::nullopt, vardex::DeltaTModel::Smh2016, 12.5));
        year = NextYear(year);
    }
}
BENCHMARK(MoonPhasesOfAYear)->Unit(benchmark::kMicrosecond);

// Far from our time Meeus's first guess is further off and the root takes more steps.
void FourSeasonPointsIn3000BC(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(vardex::SeasonsOfYear(-3000, vardex::DeltaTModel::EspenakMeeus2006));
}
BENCHMARK(FourSeasonPointsIn3000BC)->Unit(benchmark::kMicrosecond);

}  // namespace
