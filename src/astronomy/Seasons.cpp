// SPDX-License-Identifier: MIT
#include "Seasons.h"

#include <cmath>

#include "SolarLongitude.h"
#include "equinox/EquinoxComputation.h"

namespace vardex {

namespace {

// A step below this (in days) leaves an error of under 0.1 s, since the rate is right to 0.05 %.
constexpr double kSmallStep = 150.0 / 86400;
constexpr int kMostSteps = 20;

// The difference target - longitude, in degrees within (-180, 180].
double AngleTo(double target, double longitude)
{
    double d = std::fmod(target - longitude, 360.0);
    if (d > 180)
        d -= 360;
    else if (d <= -180)
        d += 360;
    return d;
}

}  // namespace

double SeasonPointJDE(int32_t year, SeasonPoint point)
{
    const auto index = static_cast<int>(point);
    const double target = 90.0 * index;
    // Meeus's chapter 27 puts the first guess within a minute or so of the answer from AD 1000
    // to 3000, so one evaluation of the theory is usually all it takes.
    double jde = EquinoxSolsticeJDE(static_cast<int16_t>(index), year);
    for (int step = 0; step < kMostSteps; ++step) {
        const double days = AngleTo(target, ApparentSolarLongitude(jde)) / SolarLongitudeRate(jde);
        jde += days;
        if (std::fabs(days) < kSmallStep)
            break;
    }
    return jde;
}

}  // namespace vardex
