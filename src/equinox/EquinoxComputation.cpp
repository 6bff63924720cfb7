// SPDX-License-Identifier: MIT
#include "EquinoxComputation.h"

#include <cmath>

#include "engine/TextForms.h"
#include "skyfold.h"

namespace vardex {

namespace {

// libskyfold's model argument: 1915 stays the Espenak-Meeus (2006) polynomials in every version.
constexpr int32_t kDeltaTModel = 1915;

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianCentury = 36525;

double Radians(double degrees) { return degrees / 360 * kTwoPi; }

// Meeus, Table 27.C, in degrees and degrees per Julian century.
constexpr PeriodicTermTable kPeriodicTermsInDegrees = {{
    {485, 324.96, 1934.136}, {203, 337.23, 32964.467}, {199, 342.08, 20.186},   {182, 27.85, 445267.112},
    {156, 73.14, 45036.886}, {136, 171.52, 22518.443}, {77, 222.54, 65928.934}, {74, 296.72, 3034.906},
    {70, 243.58, 9037.513},  {58, 119.81, 33718.147},  {52, 297.17, 150.678},   {50, 21.02, 2281.226},
    {45, 247.54, 29929.562}, {44, 325.15, 31555.956},  {29, 60.93, 4443.417},   {18, 155.12, 67555.328},
    {17, 288.79, 4562.452},  {16, 198.04, 62894.029},  {14, 199.76, 31436.921}, {12, 95.39, 14577.848},
    {12, 287.11, 31931.756}, {12, 320.81, 34777.259},  {9, 227.73, 1222.114},   {8, 15.45, 16859.074},
}};

// Coefficients of JDE0 = c0 + c1 Y + c2 Y^2 + c3 Y^3 + c4 Y^4 for one event.
using MeanInstantRow = std::array<double, 5>;

// Meeus, Table 27.A (Y = year / 1000), rows in event-code order.
constexpr std::array<MeanInstantRow, 4> kBeforeYear1000 = {{
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
}};

// Meeus, Table 27.B (Y = (year - 2000) / 1000).
constexpr std::array<MeanInstantRow, 4> kFromYear1000 = {{
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
}};

size_t EventRow(int16_t event)
{
    return event == kMarchEquinox || event == kJuneSolstice || event == kSeptemberEquinox
               ? static_cast<size_t>(event)
               : static_cast<size_t>(kDecemberSolstice);
}

CivilInstant CivilInstantOf(double dayNumber, SolarTime solarTime)
{
    if (solarTime == SolarTime::Apparent)
        dayNumber -= 8.0 / 1440;
    RoundToMinute(dayNumber);
    CivilInstant instant;
    instant.dayNumber = dayNumber;
    const double whole = std::floor(dayNumber);
    if (whole >= INT32_MIN && whole <= INT32_MAX) {
        instant.jdn = static_cast<int32_t>(whole);
        instant.time = TimeOfDayText(dayNumber);
    } else {  // no civil day to name: NaN or beyond every JDN
        instant.jdn = std::isnan(whole) ? 0 : whole < 0 ? INT32_MIN : INT32_MAX;
        instant.time = "XX:XX:XX";
    }
    return instant;
}

}  // namespace

const PeriodicTermTable &PeriodicTerms()
{
    static const PeriodicTermTable table = [] {
        PeriodicTermTable t = kPeriodicTermsInDegrees;
        for (auto &row : t) {
            row[1] = Radians(row[1]);
            row[2] = Radians(row[2]);
        }
        return t;
    }();
    return table;
}

void InitPeriodicTerms() { static_cast<void>(PeriodicTerms()); }

double PeriodicTermsSum(double T)
{
    double S = 0;
    for (const auto &[A, B, C] : PeriodicTerms())
        S += A * std::cos(C * T + B);  // the angle unreduced, up to ~1e5 radians for 4000
    return S;
}

double EquinoxSolsticeJDE(int16_t event, int32_t year)
{
    const bool early = year < 1000;
    const MeanInstantRow &c = (early ? kBeforeYear1000 : kFromYear1000)[EventRow(event)];
    const double Y = early ? year / 1000.0 : (year - 2000.0) / 1000.0;  // [-1, 2] for 1000..4000
    const double Y2 = Y * Y;
    const double Y3 = Y2 * Y;
    const double Y4 = Y3 * Y;
    const double JDE0 = c[0] + c[1] * Y + c[2] * Y2 + c[3] * Y3 + c[4] * Y4;
    const double T = (JDE0 - kJ2000) / kDaysPerJulianCentury;
    const double S = PeriodicTermsSum(T);
    const double W = Radians(35999.373 * T - 2.47);
    const double deltaLambda = 1 + 0.0334 * std::cos(W) + 0.0007 * std::cos(W + W);
    return JDE0 + 0.00001 * S / deltaLambda;
}

double DeltaTMinutes(int32_t year) { return deltat(static_cast<double>(year), kDeltaTModel); }

double EquinoxSolsticeUT(int16_t event, int32_t year)
{
    return EquinoxSolsticeJDE(event, year) - DeltaTMinutes(year) / 1440;
}

double VernalEquinoxUT(int32_t year) { return EquinoxSolsticeUT(kMarchEquinox, year); }

double GreenwichDayNumber(double jd) { return jd + 0.5; }

double LocalDayNumber(double jd, double degreesWest) { return (jd + 0.5) - degreesWest / 360; }

CivilInstant GreenwichCivilInstant(double jd, SolarTime solarTime)
{
    return CivilInstantOf(GreenwichDayNumber(jd), solarTime);
}

CivilInstant LocalCivilInstant(double jd, double degreesWest, SolarTime solarTime)
{
    return CivilInstantOf(LocalDayNumber(jd, degreesWest), solarTime);
}

}  // namespace vardex
