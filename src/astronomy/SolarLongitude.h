// SPDX-License-Identifier: MIT
// The Sun's apparent geocentric ecliptic longitude, referred to the true equinox of date: the
// Earth's heliocentric position from the full VSOP87 theory (libnova), brought from the J2000
// ecliptic to the ecliptic of date by the long-term precession of Vondrak, Capitaine and Wallace
// 2011 (ERFA), with nutation in longitude (IAU 2000B, ERFA) and annual aberration.
#pragma once

namespace vardex {

// Degrees in [0, 360) at a Julian Ephemeris Day (TT).
double ApparentSolarLongitude(double jde);

// How fast that longitude grows at jde, in degrees per day: the Earth's Keplerian rate on its
// mean orbit, within about 0.05 % of the true rate; enough to aim a root-finder.
double SolarLongitudeRate(double jde);

}  // namespace vardex
