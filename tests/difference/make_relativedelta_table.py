#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes relativedelta-pairs.txt: random pairs of Gregorian dates, near and far, with the years,
months and days between them as python3-dateutil's relativedelta counts them (Debian 12,
python3-dateutil 2.8.2): the largest whole months that do not pass the second date, a month end
standing for a later day that month lacks, and the days left. Run once; the tests keep the table."""
import datetime
import random

from dateutil.relativedelta import relativedelta

rng = random.Random(20261206)
first, last = datetime.date(1, 1, 1).toordinal(), datetime.date(9999, 12, 31).toordinal()
with open("relativedelta-pairs.txt", "w", encoding="ascii") as out:
    out.write("# from to years months days, from python3-dateutil 2.8.2 (make_relativedelta_table.py)\n")
    for i in range(600):
        a = rng.randint(first + 1500, last - 1500)
        b = a + rng.randint(-1500, 1500) if i % 2 else rng.randint(first, last)
        x, y = datetime.date.fromordinal(a), datetime.date.fromordinal(b)
        d = relativedelta(y, x)
        out.write(f"{x.isoformat()} {y.isoformat()} {d.years} {d.months} {d.days}\n")
