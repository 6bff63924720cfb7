#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# vardex-cli cal --ics read back by python3-icalendar (skipped, exit 77, without it): folded CR LF
# lines, an event per mark of the same page's JSON (all-day for feasts and holidays, UTC instants
# for seasons and phases), unique UIDs the same every run, and the US Naval Observatory's instants.
import datetime
import json
import subprocess
import sys

try:
    import icalendar
except ImportError:
    sys.exit(77)


def run(*args):
    return subprocess.run([sys.argv[1], "cal", *args], check=True, capture_output=True).stdout


def events_of(*args):
    raw = run(*args, "--ics")
    lines = raw.split(b"\r\n")
    assert lines[-1] == b"" and all(b"\n" not in l and len(l) <= 75 and l.decode() for l in lines[:-1])
    calendar = icalendar.Calendar.from_ical(raw)
    assert (calendar["VERSION"], calendar["CALSCALE"]) == ("2.0", "GREGORIAN") and "PRODID" in calendar
    events = calendar.walk("VEVENT")
    marks = [mark for day in json.loads(run(*args, "--json"))["days"] for mark in day["marks"]]
    uids = [str(event["UID"]) for event in events]
    assert len(events) == len(marks) and len(set(uids)) == len(uids)
    assert uids == [str(event["UID"]) for event in icalendar.Calendar.from_ical(run(*args, "--ics")).walk("VEVENT")]
    for event, mark in zip(events, marks):
        start = event.decoded("DTSTART")
        assert str(event["SUMMARY"]) == mark["name"] and "DTSTAMP" in event
        if "time" in mark:
            assert start.utcoffset() == datetime.timedelta(0), event
        else:
            assert type(start) is datetime.date and event.decoded("DTEND") == start + datetime.timedelta(days=1)
    return [(str(event["SUMMARY"]), event.decoded("DTSTART")) for event in events]


# 2024 at Greenwich (USNO, UT): the March equinox 20 March 03:06, the full moon 25 January 17:54,
# thirteen new moons, the last on 30 December.
utc = datetime.timezone.utc
year = events_of("--year", "2024")
assert ("March equinox", datetime.datetime(2024, 3, 20, 3, 6, tzinfo=utc)) in year
assert ("Full moon", datetime.datetime(2024, 1, 25, 17, 54, tzinfo=utc)) in year
assert len([start for name, start in year if name == "New moon"]) == 13
# A place's lines with Kraków's ó, folded whole.
events_of("--place", "poland", "--year", "1582", "--marks", "all")
