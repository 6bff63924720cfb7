// SPDX-License-Identifier: MIT
// Delta-T by the polynomial expressions of Espenak and Meeus, "Five Millennium Canon of Solar
// Eclipses: -1999 to +3000" (NASA/TP-2006-214141). Coefficients as published; a term written
// there as t^n / k appears here as the coefficient 1 / k.
#include <array>
#include <cfloat>
#include <cmath>

#include "skyfold.h"

namespace {

// One polynomial: Delta-T in seconds = sum of c[k] * x^k, x = (y - origin) / step, valid for
// from <= y < the next segment's from.
struct Segment {
    double from;
    double origin;
    double step;
    std::array<double, 8> c;
};

// clang-format off
constexpr std::array<Segment, 12> kSegments = {{
    {-500,    0, 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521}},
    { 500, 1000, 100, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073}},
    {1600, 1600,   1, {120, -0.9808, -0.01532, 1.0 / 7129}},
    {1700, 1700,   1, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000}},
    {1800, 1800,   1, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
                       0.000000000875}},
    {1860, 1860,   1, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174}},
    {1900, 1900,   1, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197}},
    {1920, 1920,   1, {21.20, 0.84493, -0.076100, 0.0020936}},
    {1941, 1950,   1, {29.07, 0.407, -1.0 / 233, 1.0 / 2547}},   // centred on 1950, as published
    {1961, 1975,   1, {45.45, 1.067, -1.0 / 260, -1.0 / 718}},   // centred on 1975, as published
    {1986, 2000,   1, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599}},
    {2005, 2000,   1, {62.92, 0.32217, 0.005589}},
}};
// clang-format on
constexpr double kLastPolynomialEnd = 2050;  // 2050 .. 2150 blends into the parabola
constexpr double kParabolaFrom = 2150;

static_assert(kSegments.front().from == -500, "the parabola serves every year before -500");

// The long-term parabola in seconds; +infinity when it overflows a double.
double Parabola(double y)
{
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
}

double Polynomial(const Segment &segment, double y)
{
    const double x = (y - segment.origin) / segment.step;
    double sum = 0;
    for (auto c = segment.c.rbegin(); c != segment.c.rend(); ++c)
        sum = sum * x + *c;
    return sum;
}

double DeltaTSeconds(double y)
{
    if (y < kSegments.front().from || y >= kParabolaFrom)
        return Parabola(y);
    if (y >= kLastPolynomialEnd)
        return Parabola(y) - 0.5628 * (kParabolaFrom - y);
    const Segment *segment = &kSegments.front();
    for (const Segment &s : kSegments)
        if (y >= s.from)
            segment = &s;
    return Polynomial(*segment, y);
}

}  // namespace

extern "C" double deltat(double year, int32_t /*flag: every value selects the one model*/)
{
    if (std::isnan(year))
        return year;
    if (std::isinf(year))
        return HUGE_VAL;
    double seconds = DeltaTSeconds(year);
    if (std::isinf(seconds))  // only the parabola of years beyond about 1e155 overflows
        seconds = DBL_MAX;
    return seconds / 60;
}

extern "C" SKYFOLD_API const char *skyfold_version(void) { return SKYFOLD_VERSION; }
