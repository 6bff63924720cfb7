#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Second opinions from PyEphem (Debian's python3-ephem, 4.1.4) for the astronomy tests' tables.

    /usr/bin/python3 tools/oracles/pyephem_tables.py moon > tests/astronomy/data/moon-phases-pyephem.tsv
    /usr/bin/python3 tools/oracles/pyephem_tables.py seasons > tests/astronomy/data/seasons-pyephem.tsv

PyEphem (libastro) gives instants in UT with its own Delta-T; adding back ephem.delta_t() gives
its Terrestrial Time, which is what the tables hold, so that no Delta-T model enters the
comparison. Its Moon runs about 5 minutes off itself from AD 2948 (a step in libastro), so the
Moon's sample stops at 2940. Its Sun is VSOP87 with the IAU 1976 precession, whose rate is
0.3"/century off today's: the seasons drift from a modern computation by about 30 s in 1600 and
80 s in 3000; the tests allow for it.
"""
import random
import sys

import ephem

DUBLIN_JD = 2415020.0
PHASES = [ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon, ephem.next_last_quarter_moon]
SEASONS = [ephem.next_vernal_equinox, ephem.next_summer_solstice, ephem.next_autumnal_equinox,
           ephem.next_winter_solstice]


def terrestrial_time(date):
    return float(date) + DUBLIN_JD + ephem.delta_t(date) / 86400


def moon():
    print("# Meeus lunation k (0 = the new moon of 6 January 2000), phase (0 new .. 3 last quarter),")
    print("# and the instant in TT (JDE) by PyEphem 4.1.4, from tools/oracles/pyephem_tables.py.")
    rng = random.Random(20261207)
    for first, last, count in ((1900, 2100, 60), (1000, 2940, 60)):
        for _ in range(count):
            k = rng.randint(round((first - 2000) * 12.3685), round((last - 2000) * 12.3685))
            mean = 2451550.09766 + 29.530588861 * k
            for phase, next_phase in enumerate(PHASES):
                start = ephem.Date(mean + 7.3826 * phase - 3 - DUBLIN_JD)
                print("%d\t%d\t%.6f" % (k, phase, terrestrial_time(next_phase(start))))


def seasons():
    print("# Year (astronomical), point (0 March equinox .. 3 December solstice) and the instant in")
    print("# TT (JDE) by PyEphem 4.1.4, from tools/oracles/pyephem_tables.py.")
    for year in range(-4000, 8001, 200):
        date = ephem.Date(2451545.0 + 365.2425 * (year - 2000) - 20 - DUBLIN_JD)  # mid-December before
        for point, next_point in enumerate(SEASONS):
            date = next_point(date)  # each point searched from the one before
            print("%d\t%d\t%.6f" % (year, point, terrestrial_time(date)))


if __name__ == "__main__":
    {"moon": moon, "seasons": seasons}[sys.argv[1]]()
