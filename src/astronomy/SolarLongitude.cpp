// SPDX-License-Identifier: MIT
#include "SolarLongitude.h"

#include <erfa.h>
#include <libnova/solar.h>

#include <cmath>

namespace vardex {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kDaysPerJulianCentury = 36525;
constexpr double kObliquityJ2000 = 84381.406 / 3600 * kDegree;  // IAU 2006
constexpr double kAberrationAtOneAu = 20.4898 / 3600;           // degrees; Meeus (25.10)

double Normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

// The longitude of date of a direction given by J2000 ecliptic longitude and latitude.
double LongitudeOfDate(double jde, double lambdaJ2000, double betaJ2000)
{
    const double l = lambdaJ2000 * kDegree;
    const double b = betaJ2000 * kDegree;
    const double x = std::cos(b) * std::cos(l);
    const double y = std::cos(b) * std::sin(l);
    const double z = std::sin(b);
    // To the mean equator and equinox of J2000.
    double v[3] = {x, y * std::cos(kObliquityJ2000) - z * std::sin(kObliquityJ2000),
                   y * std::sin(kObliquityJ2000) + z * std::cos(kObliquityJ2000)};
    // The ecliptic pole and the equator pole of date, in that frame; their cross product points
    // to the equinox of date.
    const double epoch = 2000 + (jde - kJ2000) / kDaysPerJulianYear;
    double eclipticPole[3];
    double equatorPole[3];
    eraLtpecl(epoch, eclipticPole);
    eraLtpequ(epoch, equatorPole);
    double equinox[3];
    double length = 0;
    eraPxp(equatorPole, eclipticPole, equinox);
    eraPn(equinox, &length, equinox);
    double ninety[3];
    eraPxp(eclipticPole, equinox, ninety);
    return std::atan2(eraPdp(v, ninety), eraPdp(v, equinox)) / kDegree;
}

}  // namespace

double ApparentSolarLongitude(double jde)
{
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(jde, &sun);
    double nutationLongitude = 0;
    double nutationObliquity = 0;
    eraNut00b(kJ2000, jde - kJ2000, &nutationLongitude, &nutationObliquity);
    const double lambda =
        LongitudeOfDate(jde, sun.L, sun.B) + nutationLongitude / kDegree - kAberrationAtOneAu / sun.R;
    return Normalized(lambda);
}

double SolarLongitudeRate(double jde)
{
    // Meeus, Astronomical Algorithms, chapter 25: the Sun's mean anomaly and the eccentricity of
    // the Earth's orbit.
    const double t = (jde - kJ2000) / kDaysPerJulianCentury;
    const double meanAnomaly = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kDegree;
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const double meanMotion = 360 / 365.256363004;  // degrees per day, on the anomalistic year
    // d(true anomaly)/dt = n (1 + e cos v)^2 / (1 - e^2)^(3/2), with v from the equation of centre.
    const double v = meanAnomaly + 2 * e * std::sin(meanAnomaly) + 1.25 * e * e * std::sin(2 * meanAnomaly);
    const double f = 1 + e * std::cos(v);
    return meanMotion * f * f / std::pow(1 - e * e, 1.5);
}

}  // namespace vardex
