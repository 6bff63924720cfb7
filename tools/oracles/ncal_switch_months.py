#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The months of the change to the Gregorian calendar as ncal prints them (Debian's ncal), for the
calendar pages' tests: each place of data/calendar-history.tsv whose change ncal's country table
puts on the same last Julian day.

    /usr/bin/python3 tools/oracles/ncal_switch_months.py > tests/pages/data/switch-months-ncal.tsv

Each line: place id, year, month, then the days as ncal lays them out, DAY:COLUMN with column 0
for Monday .. 6 for Sunday, week by week. ncal's vertical layout is read (ncal -M -s CC M Y: a
line per weekday, a column per week), since its -b layout ignores -s.
"""
import subprocess

# place id -> ncal country code; both agree on the last Julian day (ncal -p).
PLACES = [("england", "GB", 1752, 9), ("scotland", "GB", 1752, 9), ("british-america", "US", 1752, 9),
          ("rome", "IT", 1582, 10), ("spain", "ES", 1582, 10), ("portugal", "PT", 1582, 10),
          ("poland", "PL", 1582, 10), ("france", "FR", 1582, 12), ("holland", "NL", 1582, 12),
          ("bavaria", "AT", 1583, 10), ("austria", "CZ", 1584, 1), ("bohemia", "CZ", 1584, 1),
          ("denmark", "DK", 1700, 2), ("germany-protestant", "DE", 1700, 2), ("hungary", "HU", 1587, 10),
          ("russia", "RU", 1918, 2), ("bulgaria", "BG", 1916, 3), ("bulgaria", "BG", 1916, 4),
          ("romania", "RO", 1919, 4), ("sweden", "SE", 1753, 2), ("sweden", "SE", 1753, 3),
          ("finland", "FI", 1753, 2)]


def layout(code, year, month):
    text = subprocess.run(["ncal", "-M", "-s", code, str(month), str(year)], capture_output=True,
                          text=True, check=True).stdout
    cells = []  # (week, weekday, day)
    for weekday, line in enumerate(text.split("\n")[1:8]):
        for week in range(6):
            field = line[3 + week * 3:5 + week * 3].strip()
            if field:
                cells.append((week, weekday, field))
    return ["%s:%d" % (day, weekday) for week, weekday, day in sorted(cells)]


print("# The months of places' changes to the Gregorian calendar as ncal (Debian 12, ncal -M -s CC M Y)")
print("# lays them out: place, year, month, then DAY:COLUMN (0 = Monday). From tools/oracles/ncal_switch_months.py.")
for place, code, year, month in PLACES:
    print("\t".join([place, str(year), str(month)] + layout(code, year, month)))
