// SPDX-License-Identifier: MIT
// A second opinion on the equinoxes and solstices, for the tests' table: the Earth's position and
// velocity from ERFA's own ephemeris (eraEpv00, fitted to DE405, best from 1900 to 2100 and good
// to a few seconds of the instants from 1500 to 2500), the IAU 2006/2000A precession-nutation
// matrix, annual aberration from the Earth's barycentric velocity, and the instant solved at
// which the Sun's apparent longitude of date is 0, 90, 180 or 270 degrees. Nothing of Vardex
// (neither VSOP87 nor its precession) is used.
//
//   g++ -O2 seasons_erfa.cpp -lerfa -o seasons_erfa
//   ./seasons_erfa FIRST LAST STEP   # prints lines "year point jde", point 0..3
#include <erfa.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kLightAuPerDay = 173.1446326846693;

double ApparentLongitude(double jde)
{
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(kJ2000, jde - kJ2000, heliocentric, barycentric);
    double sun[3] = {-heliocentric[0][0], -heliocentric[0][1], -heliocentric[0][2]};
    double distance = 0;
    eraPn(sun, &distance, sun);
    for (int i = 0; i < 3; ++i)  // first-order aberration
        sun[i] += barycentric[1][i] / kLightAuPerDay;
    double matrix[3][3];
    eraPnm06a(kJ2000, jde - kJ2000, matrix);  // to the true equator and equinox of date
    double ofDate[3];
    eraRxp(matrix, sun, ofDate);
    double nutationLongitude = 0;
    double nutationObliquity = 0;
    eraNut06a(kJ2000, jde - kJ2000, &nutationLongitude, &nutationObliquity);
    const double obliquity = eraObl06(kJ2000, jde - kJ2000) + nutationObliquity;
    const double y = ofDate[1] * std::cos(obliquity) + ofDate[2] * std::sin(obliquity);
    return std::atan2(y, ofDate[0]) * 180 / M_PI;
}

double Solve(int year, int point)
{
    // The mean equinox of 2000 and a quarter of the tropical year per point, then Newton.
    double jde = 2451623.82 + 365.2422 * (year - 2000) + 91.31 * point;
    for (int i = 0; i < 40; ++i) {
        const double d = std::remainder(90.0 * point - ApparentLongitude(jde), 360.0);
        jde += d / 0.98565;
        if (std::fabs(d) < 1e-9)
            break;
    }
    return jde;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    const int first = std::atoi(argv[1]);
    const int last = std::atoi(argv[2]);
    const int step = std::atoi(argv[3]);
    for (int year = first; year <= last && step > 0; year += step) {
        for (int point = 0; point < 4; ++point)
            std::printf("%d %d %.7f\n", year, point, Solve(year, point));
    }
}
