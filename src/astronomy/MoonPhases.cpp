// SPDX-License-Identifier: MIT
#include "MoonPhases.h"

#include <cmath>

namespace vardex {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180;
constexpr double kSynodicMonth = 29.530588861;  // days
constexpr double kLunationsPerCentury = 1236.85;

struct MeanElements {
    double e;                 // eccentricity factor of the Earth's orbit (47.6)
    double sunAnomaly;        // M, radians
    double moonAnomaly;       // M'
    double latitudeArgument;  // F
    double node;              // Omega
};

double Polynomial(double t, std::initializer_list<double> c)
{
    double sum = 0;
    for (auto i = std::rbegin(c); i != std::rend(c); ++i)
        sum = sum * t + *i;
    return sum;
}

MeanElements ElementsAt(double k, double t)
{
    MeanElements m{};
    m.e = Polynomial(t, {1, -0.002516, -0.0000074});
    m.sunAnomaly = (2.5534 + 29.10535670 * k + Polynomial(t, {0, 0, -0.0000014, -0.00000011})) * kDegree;
    m.moonAnomaly =
        (201.5643 + 385.81693528 * k + Polynomial(t, {0, 0, 0.0107582, 0.00001238, -0.000000058})) * kDegree;
    m.latitudeArgument =
        (160.7108 + 390.67050284 * k + Polynomial(t, {0, 0, -0.0016118, -0.00000227, 0.000000011})) * kDegree;
    m.node = (124.7746 - 1.56375588 * k + Polynomial(t, {0, 0, 0.0020672, 0.00000215})) * kDegree;
    return m;
}

// One periodic term: coefficient (days), the multiples of M', M and F in the argument, and the
// power of E that multiplies it. Omega appears in one term of each table, given apart.
struct Term {
    double coefficient;
    int moonAnomaly;
    int sunAnomaly;
    int latitudeArgument;
    int powerOfE;
};

// clang-format off
constexpr Term kNewMoonTerms[] = {
    {-0.40720, 1, 0, 0, 0}, {0.17241, 0, 1, 0, 1}, {0.01608, 2, 0, 0, 0}, {0.01039, 0, 0, 2, 0},
    {0.00739, 1, -1, 0, 1}, {-0.00514, 1, 1, 0, 1}, {0.00208, 0, 2, 0, 2}, {-0.00111, 1, 0, -2, 0},
    {-0.00057, 1, 0, 2, 0}, {0.00056, 2, 1, 0, 1}, {-0.00042, 3, 0, 0, 0}, {0.00042, 0, 1, 2, 1},
    {0.00038, 0, 1, -2, 1}, {-0.00024, 2, -1, 0, 1}, {-0.00007, 1, 2, 0, 0}, {0.00004, 2, 0, -2, 0},
    {0.00004, 0, 3, 0, 0}, {0.00003, 1, 1, -2, 0}, {0.00003, 2, 0, 2, 0}, {-0.00003, 1, 1, 2, 0},
    {0.00003, 1, -1, 2, 0}, {-0.00002, 1, -1, -2, 0}, {-0.00002, 3, 1, 0, 0}, {0.00002, 4, 0, 0, 0},
};
constexpr Term kFullMoonTerms[] = {
    {-0.40614, 1, 0, 0, 0}, {0.17302, 0, 1, 0, 1}, {0.01614, 2, 0, 0, 0}, {0.01043, 0, 0, 2, 0},
    {0.00734, 1, -1, 0, 1}, {-0.00515, 1, 1, 0, 1}, {0.00209, 0, 2, 0, 2}, {-0.00111, 1, 0, -2, 0},
    {-0.00057, 1, 0, 2, 0}, {0.00056, 2, 1, 0, 1}, {-0.00042, 3, 0, 0, 0}, {0.00042, 0, 1, 2, 1},
    {0.00038, 0, 1, -2, 1}, {-0.00024, 2, -1, 0, 1}, {-0.00007, 1, 2, 0, 0}, {0.00004, 2, 0, -2, 0},
    {0.00004, 0, 3, 0, 0}, {0.00003, 1, 1, -2, 0}, {0.00003, 2, 0, 2, 0}, {-0.00003, 1, 1, 2, 0},
    {0.00003, 1, -1, 2, 0}, {-0.00002, 1, -1, -2, 0}, {-0.00002, 3, 1, 0, 0}, {0.00002, 4, 0, 0, 0},
};
constexpr Term kQuarterTerms[] = {
    {-0.62801, 1, 0, 0, 0}, {0.17172, 0, 1, 0, 1}, {-0.01183, 1, 1, 0, 1}, {0.00862, 2, 0, 0, 0},
    {0.00804, 0, 0, 2, 0}, {0.00454, 1, -1, 0, 1}, {0.00204, 0, 2, 0, 2}, {-0.00180, 1, 0, -2, 0},
    {-0.00070, 1, 0, 2, 0}, {-0.00040, 3, 0, 0, 0}, {-0.00034, 2, -1, 0, 1}, {0.00032, 0, 1, 2, 1},
    {0.00032, 0, 1, -2, 1}, {-0.00028, 1, 2, 0, 2}, {0.00027, 2, 1, 0, 1}, {-0.00005, 1, -1, -2, 0},
    {0.00004, 2, 0, 2, 0}, {-0.00004, 1, 1, 2, 0}, {0.00004, 1, -2, 0, 0}, {0.00003, 1, 1, -2, 0},
    {0.00003, 0, 3, 0, 0}, {0.00002, 2, 0, -2, 0}, {0.00002, 1, -1, 2, 0}, {-0.00002, 3, 1, 0, 0},
};
// The node term of each table: new moon and full moon -0.00017 sin Omega, the quarters the same.
constexpr double kNodeTerm = -0.00017;

// The additional corrections for all phases (planetary arguments A1..A14): coefficient, and the
// argument's value at k = 0, its rate per lunation and (A1 only) a term in T^2, in degrees.
struct Planetary {
    double coefficient;
    double at0;
    double perLunation;
    double perCenturySquared = 0;
};
constexpr Planetary kPlanetaryTerms[] = {
    {0.000325, 299.77, 0.107408, -0.009173}, {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732}, {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824}, {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
};
// clang-format on

template <size_t N> double Sum(const Term (&terms)[N], const MeanElements &m)
{
    double sum = kNodeTerm * std::sin(m.node);
    for (const Term &term : terms) {
        const double argument = term.moonAnomaly * m.moonAnomaly + term.sunAnomaly * m.sunAnomaly +
                                term.latitudeArgument * m.latitudeArgument;
        sum += term.coefficient * std::pow(m.e, term.powerOfE) * std::sin(argument);
    }
    return sum;
}

double PlanetaryCorrection(double k, double t)
{
    double sum = 0;
    for (const Planetary &term : kPlanetaryTerms)
        sum += term.coefficient *
               std::sin((term.at0 + term.perLunation * k + term.perCenturySquared * t * t) * kDegree);
    return sum;
}

// The quarters' extra correction W (49.6 to 49.7).
double QuarterCorrection(const MeanElements &m)
{
    return 0.00306 - 0.00038 * m.e * std::cos(m.sunAnomaly) + 0.00026 * std::cos(m.moonAnomaly) -
           0.00002 * std::cos(m.moonAnomaly - m.sunAnomaly) +
           0.00002 * std::cos(m.moonAnomaly + m.sunAnomaly) + 0.00002 * std::cos(2 * m.latitudeArgument);
}

// ELP-2000/82, and so chapter 49, has the Moon's tidal acceleration at -23.8946"/cy^2; the
// Delta-T models rest on the modern -25.858"/cy^2. Espenak and Meeus (2006) give the difference
// as a correction to Delta-T, -0.000012932 (y - 1955)^2 s; applied here to the instant instead,
// so that one Delta-T serves the Sun and the Moon. About 12 s in AD 1000, 2 min in 1000 BC.
double LunarAccelerationSeconds(double jde)
{
    const double years = (jde - 2451545.0) / 365.25 + 2000 - 1955;
    return 0.000012932 * years * years;
}

}  // namespace

double MoonPhaseJDE(PhaseOfLunation phase)
{
    const double k = static_cast<double>(phase.lunation) + static_cast<int>(phase.phase) / 4.0;
    const double t = k / kLunationsPerCentury;
    const double mean =
        2451550.09766 + kSynodicMonth * k + Polynomial(t, {0, 0, 0.00015437, -0.000000150, 0.00000000073});
    const MeanElements m = ElementsAt(k, t);
    double correction = 0;
    switch (phase.phase) {
    case MoonPhase::New: correction = Sum(kNewMoonTerms, m); break;
    case MoonPhase::Full: correction = Sum(kFullMoonTerms, m); break;
    case MoonPhase::FirstQuarter: correction = Sum(kQuarterTerms, m) + QuarterCorrection(m); break;
    case MoonPhase::LastQuarter: correction = Sum(kQuarterTerms, m) - QuarterCorrection(m); break;
    }
    const double jde = mean + correction + PlanetaryCorrection(k, t);
    return jde + LunarAccelerationSeconds(jde) / 86400;
}

int64_t LunationNear(double jde)
{
    return static_cast<int64_t>(std::floor((jde - 2451550.09766) / kSynodicMonth));
}

}  // namespace vardex
