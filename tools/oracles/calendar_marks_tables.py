#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Second opinions for the marks of the calendar pages, from Debian 12's python3-dateutil (2.8.2)
and python3-convertdate (2.4.0), which compute them independently of Vardex. Run once, by hand:

    apt-get install python3-dateutil python3-convertdate
    /usr/bin/python3 tools/oracles/calendar_marks_tables.py easter > tests/pages/data/easter-dateutil.tsv
    /usr/bin/python3 tools/oracles/calendar_marks_tables.py years > tests/pages/data/year-marks.tsv

dateutil's easter() follows the Explanatory Supplement to the Astronomical Almanac: EASTER_JULIAN
gives the Julian computus as a Julian-calendar date (valid from 326), EASTER_ORTHODOX the same Sunday
as a Gregorian date and EASTER_WESTERN the Gregorian computus (both valid 1583 to 4099). Beyond
dateutil's years (it stops at 9999), convertdate.holidays.easter(year) and easter(year, "orthodox")
give both, for years when the Julian calendar has fallen months behind the Gregorian (they agree with
dateutil on every year it covers).
convertdate.holidays gives each Jewish holiday's day (not its eve) in a Gregorian year;
convertdate.islamic is the tabular calendar with the civil epoch (1 Muharram 1 AH = JDN 1,948,440,
16 July 622 Julian) and the leap years 2, 5, 7, 10, 13, 16, 18, 21, 24, 26 and 29 of each 30.
"""
import datetime
import sys
from importlib.metadata import version

from convertdate import gregorian, holidays, islamic, julian
from dateutil.easter import EASTER_JULIAN, EASTER_ORTHODOX, EASTER_WESTERN, easter

def iso(date):
    return f"{date[0]:04d}-{date[1]:02d}-{date[2]:02d}"


def header(what, source, columns):
    print(f"# {what}, computed by {source}; not by Vardex.")
    print(f"# Made once by /usr/bin/python3 tools/oracles/calendar_marks_tables.py {sys.argv[1]}")
    print(f"# {columns}")


def easter_table():
    header("Easter Sunday", f"python3-dateutil {version('python-dateutil')}'s easter() (beyond 9999,"
           f" python3-convertdate {version('convertdate')}'s holidays.easter())",
           "year, Western (Gregorian date), Julian computus (Julian date), the same Sunday (Gregorian date);"
           " '-' where the source gives none")
    years = list(range(326, 1583, 7)) + list(range(1583, 2401)) + list(range(2401, 4100, 6))
    for year in years:
        dated = 1583 <= year <= 4099
        western = iso(easter(year, EASTER_WESTERN).timetuple()) if dated else "-"
        orthodox = iso(easter(year, EASTER_ORTHODOX).timetuple()) if dated else "-"
        print(year, western, iso(easter(year, EASTER_JULIAN).timetuple()), orthodox)
    for year in (40000, 123456, 1000000, 5000000):
        sunday = holidays.easter(year, "orthodox")
        print(year, iso(holidays.easter(year)), iso(julian.from_gregorian(*sunday)), iso(sunday))


# The days from Easter Sunday of the feasts it moves, as the Roman Missal and the Book of Common
# Prayer keep them; the Orthodox church keeps the five without a Western name only. The fixed feasts
# of both on their dates of the Gregorian calendar, which Greece has kept since 1923 (its church since
# 1924: below).
WESTERN = {"ash_wednesday": -46, "palm_sunday": -7, "good_friday": -2, "easter": 0, "ascension": 39,
           "pentecost": 49, "trinity_sunday": 56, "corpus_christi": 60}
ORTHODOX = {k: WESTERN[k] for k in ("palm_sunday", "good_friday", "easter", "ascension", "pentecost")}
FIXED = {"epiphany": (1, 6), "annunciation": (3, 25), "midsummer": (6, 24), "michaelmas": (9, 29),
         "christmas": (12, 25)}
HEBREW = [("rosh_hashanah", holidays.rosh_hashanah), ("yom_kippur", holidays.yom_kippur),
          ("sukkot", holidays.sukkot), ("shemini_atzeret", holidays.shemini_azeret),
          ("hanukkah", holidays.hanukkah), ("purim", holidays.purim), ("passover", holidays.passover),
          ("shavuot", holidays.shavuot)]


# The Church of Greece dated its fixed feasts by the Julian calendar until it took the Revised Julian
# (the Gregorian's twin until 2800) on 10 March 1924, a year after the state changed.
GREEK_CHURCH_REVISED = (1924, 3, 10)


def fixed_dates(page, year, month, day):
    """The Gregorian dates in the year of a fixed feast as the page's church kept it."""
    dates = []
    if page == "greece":
        for y in (year - 1, year):
            kept = gregorian.from_jd(julian.to_jd(y, month, day))
            if kept[0] == year and kept < GREEK_CHURCH_REVISED:
                dates.append(kept)
    if page != "greece" or (year, month, day) >= GREEK_CHURCH_REVISED:
        dates.append((year, month, day))
    return dates


def feasts(page, year, method, movable):
    sunday = easter(year, method)
    for feast, days in movable.items():
        print(page, year, feast, (sunday + datetime.timedelta(days=days)).isoformat())
    for feast, (month, day) in FIXED.items():
        for date in fixed_dates(page, year, month, day):
            print(page, year, feast, iso(date))


def islamic_marks(year):
    """The tabular month starts and Eids falling in a Gregorian year."""
    first = islamic.from_jd(gregorian.to_jd(year, 1, 1))[0]
    for ah in range(max(first, 1), first + 3):
        for month in range(1, 13):
            marks = [("month_start", month, 1)] + [(eid, m, d) for eid, m, d in (("eid_al_fitr", 10, 1), (
                "eid_al_adha", 12, 10)) if m == month]
            for mark, m, d in marks:
                day = gregorian.from_jd(islamic.to_jd(ah, m, d))
                if day[0] == year:
                    print("islamic", year, mark, iso(day))


def year_table():
    header("Every mark of whole Gregorian years", f"python3-dateutil {version('python-dateutil')}'s easter()"
           f" (with the feasts' days from Easter and the fixed feasts' dates) and python3-convertdate"
           f" {version('convertdate')}'s holidays (each Jewish holiday's day, not its eve) and islamic",
           "page (gregorian: Western feasts; greece: Orthodox feasts; jewish; islamic, tabular), year, mark,"
           " Gregorian date")
    for year in (1924, 1961, 2000, 2024, 2025, 2038, 2100, 2285, 3000, 4099):
        feasts("gregorian", year, EASTER_WESTERN, WESTERN)
        feasts("greece", year, EASTER_ORTHODOX, ORTHODOX)
    for year in list(range(1600, 1900, 7)) + list(range(1900, 2101)) + list(range(2101, 3001, 11)):
        for mark, function in HEBREW:
            print("jewish", year, mark, iso(function(year)))
    for year in [622, 623] + list(range(650, 2000, 47)) + list(range(2000, 2101, 4)) + list(range(2150, 7000, 211)):
        islamic_marks(year)


{"easter": easter_table, "years": year_table}[sys.argv[1]]()
