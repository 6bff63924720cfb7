#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Writes hebrew-months.txt, the second opinion on the Hebrew calendar that world_test reads: every
# month of the Hebrew years that hold Gregorian years 1 to 6200, from convertdate (Debian 12's
# python3-convertdate), which computes the calendar independently of Vardex. Run once, by hand:
#   apt-get install python3-convertdate
#   /usr/bin/python3 tests/world/make_hebrew_table.py > tests/world/hebrew-months.txt
from importlib.metadata import version

from convertdate import gregorian, hebrew


def jdn(jd):
    return int(jd + 0.5)  # convertdate's Julian Dates begin at midnight


def month_order(year):
    # Tishrei (7) to Adar (12, and 13 in a leap year), then Nisan (1) to Elul (6).
    return list(range(7, hebrew.year_months(year) + 1)) + list(range(1, 7))


first = hebrew.from_jd(gregorian.to_jd(1, 1, 1))[0]
last = hebrew.from_jd(gregorian.to_jd(6200, 12, 31))[0]
print(f"# The Hebrew calendar, years {first} to {last} AM (every day of Gregorian years 1 to 6200),")
print(f"# computed by convertdate {version('convertdate')} (Debian 12's python3-convertdate), not by Vardex.")
print("# Made once by:")
print("#   /usr/bin/python3 tests/world/make_hebrew_table.py > tests/world/hebrew-months.txt")
print("# A line a year: the year (AM), the JDN of 1 Tishrei, and the lengths of its months in their")
print("# order from Tishrei: Tishrei, Heshvan, Kislev, Tevet, Shevat, Adar (Adar I and Adar II in a")
print("# leap year), Nisan, Iyyar, Sivan, Tammuz, Av, Elul.")
for year in range(first, last + 1):
    starts = [jdn(hebrew.to_jd(year, month, 1)) for month in month_order(year)]
    starts.append(jdn(hebrew.to_jd(year + 1, 7, 1)))
    lengths = [b - a for a, b in zip(starts, starts[1:])]
    print(year, starts[0], *lengths)
