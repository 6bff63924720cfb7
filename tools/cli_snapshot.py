#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs vardex-cli on a fixed list of argument lists and writes what each run printed (standard
output, standard error, exit status) into one file, so that two builds can be compared byte for
byte after a change that must not alter the program's behaviour:

    tools/cli_snapshot.py build/bin/vardex-cli > before.txt
    ... change, rebuild ...
    tools/cli_snapshot.py build/bin/vardex-cli > after.txt && cmp before.txt after.txt
"""
import itertools
import os
import subprocess
import sys

DATES = [
    ["--ymd", "2024-3-5 CE"], ["--ymd", "2024-3-5 jc"], ["--ymd", "2024-3-5 JC", "--calendar", "gregorian"],
    ["--ymd", "2024-3-5", "--calendar", "julian"], ["--ymd", "2024-3-5"], ["--ymd", "5-3-1 DC"],
    ["--ymd", "5-3-1 D"], ["--ymd", "5-3-1 d"], ["--ymd", "-1,000-1-1 JC"], ["--ymd", "100000-1-1 CE"],
    ["--ymd", "99999-12-31 CE"], ["--ymd", "-99999-1-1 JC"], ["--ymd", "2024-13-1 CE"], ["--ymd", "2024-2-30 CE"],
    ["--ymd", "2024-3-5 BC"], ["--ymd", "2024-3-5 BCE"], ["--ymd", "2024-3 CE"], ["--ymd", "2024-3-5-6 CE"],
    ["--ymd", "1900-2-29 CE"], ["--ymd", "1900-2-29 JC"], ["--ymd", "0-2-29 CE"], ["--ymd", "4-2-29 DC"],
    ["--ymd", "3-2-29 DC"], ["--ymd", "2024-3-5 CE dc"], ["--ymd", "2024-3-5 CE JC"], ["--ymd", "  2024-3-5 ce  "],
    ["--ymd", "2024--5 CE"], ["--ymd", "12 345-1-1 CE"], ["--ymd", "1'000-3-5 CE"], ["--ymd", "2024-3-5 CE", "--calendar", "dee"],
    ["--ymd", ""], ["--ymd", "x"], ["--ymd", "2024-0-5 CE"], ["--ymd", "2024-3-0 CE"], ["--ymd", "2024-3-5.5 CE"],
    ["--ymd", "1,000-3-21 CE"], ["--ymd", "3995-3-21 CE"], ["--ymd", "4000-1-1 CE"], ["--ymd", "0-1-1 CE"],
    ["--mdy", "March", "15", "44", "BC", "julian"], ["--mdy", "3", "15", "44", "bc", "Julian"],
    ["--mdy", "2", "29", "1900", "AD", "gregorian"], ["--mdy", "2", "29", "1900", "AD", "julian"],
    ["--mdy", "2", "29", "1900", "AD", "dee"], ["--mdy", "6", "1", "2150", "AD", "monday"],
    ["--mdy", "6", "15", "2150", "AD", "monday"], ["--mdy", "1", "1", "2024", "CE", "friday"],
    ["--mdy", "1", "1", "2024", "CE", "monday"], ["--mdy", "1", "1", "2024", "CE", "sunday"],
    ["--mdy", "12", "31", "99,999", "CE", "gregorian"], ["--mdy", "12", "31", "99 999", "CE", "gregorian"],
    ["--mdy", "1", "1", "100000", "CE", "gregorian"], ["--mdy", "1", "1", "+5", "CE", "gregorian"],
    ["--mdy", "1", "1", "-5", "CE", "gregorian"], ["--mdy", "1", "1", "000", "CE", "gregorian"],
    ["--mdy", "1", "1", "007", "CE", "gregorian"], ["--mdy", "1", "1", "1'000", "CE", "gregorian"],
    ["--mdy", "1", "1", "12345", "CE", "gregorian"], ["--mdy", "1", "1", "9999", "AD", "gregorian"],
    ["--mdy", "1", "1", "", "AD", "gregorian"], ["--mdy", "1", "1", "  ", "AD", "gregorian"],
    ["--mdy", "1", "1", "1.5", "AD", "gregorian"], ["--mdy", "1", "1", "2.5", "AD", "gregorian"],
    ["--mdy", "1", "1", "4,999,999", "BCE", "julian"], ["--mdy", "2", "30", "2024", "AD", "gregorian"],
    ["--mdy", "1", "31", "2023", "CE", "dee"], ["--mdy", "13", "1", "2023", "CE", "dee"],
    ["--mdy", "1", "1", "2023", "XX", "dee"], ["--mdy", "1", "1", "2023", "CE", "nope"],
    ["--today"], ["--today", "--calendar", "julian"], ["--today", "--calendar", "dee"],
]

ARITH = [
    [], ["--plus", "", "13", "", ""], ["--plus", "", "1", "", ""], ["--minus", "", "3", "", ""],
    ["--minus", "", "14", "", ""], ["--plus", "", "", "1", "2"], ["--plus", "1", "2", "3", "4"],
    ["--plus", "", "", "", ""], ["--plus", "-5", "", "", ""], ["--plus", " -5", "", "", ""],
    ["--plus", "abc", "", "", ""], ["--plus", "1x", "", "", ""], ["--plus", "1,000", "", "", "1.000"],
    ["--plus", "2147483648", "0", "0", "0"], ["--plus", "", "", "", "2147483647"],
    ["--minus", "5000000", "", "", ""], ["--plus", "", "", "306783378", ""], ["--plus", "1.5", "", "", "2.5"],
    ["--minus", "", "", "", "  7  "],
]

def cases():
    for variant in ([], ["--variant", "dee"]):
        for date in DATES:
            for json in ([], ["--json"]):
                yield variant + ["calc"] + date + json
        for date, arith in itertools.product(DATES[:12] + DATES[39:44], ARITH):
            yield variant + ["calc"] + date + arith
        for date in DATES[::3]:
            yield variant + ["sequence"] + date + ["--days", "5"]
            yield variant + ["equinox"] + date + ["--years", "3"]
        for arith in ARITH[::2]:
            yield variant + ["sequence", "--ymd", "2024-2-27 CE"] + arith + ["--days", "4", "--json"]
            yield variant + ["equinox", "--ymd", "2024-2-27 CE"] + arith + ["--years", "2", "--json"]
    for count in ["14", "0", "000", "801", "800", "+5", "1a", " 12 ", "", "2147483648", "1,2"]:
        yield ["sequence", "--ymd", "2024-2-27 CE", "--days", count]
        yield ["equinox", "--ymd", "2024-2-27 CE", "--years", count]
    for longitude in [["77", "0"], ["70", "59"], ["79", "30"], ["80", "0"], ["69", "0"], ["77", "60"]]:
        for time in ([], ["--mean"], ["--apparent"]):
            yield ["equinox", "--ymd", "1-1-1 CE", "--years", "12", "--longitude"] + longitude + time
    yield ["equinox", "--ymd", "3995-1-1 CE", "--years", "12"]
    yield ["equinox", "--ymd", "9-1-1 CE", "--years", "3", "--json"]
    yield ["sequence", "--ymd", "999-12-30 CE", "--days", "4"]
    yield ["sequence", "--ymd", "5,874,000-1-1 CE", "--days", "3"]
    yield ["sequence", "--mdy", "1", "1", "2024", "CE", "monday", "--days", "3"]
    yield ["equinox", "--mdy", "1", "1", "2024", "CE", "monday", "--years", "3"]
    for jdn in ["0", "-1", "2147483647", "-2147483648", "2147483648", "1721426", "2460370", "abc"]:
        for json in ([], ["--json"]):
            yield ["convert", "--jdn", jdn] + json
            yield ["--variant", "dee", "convert", "--jdn", jdn] + json
    for date, cal in itertools.product(["-43-3-15", "2024-2-29", "2023-2-29", "1-1-1", "0-12-31", "5874898-6-3",
                                         "5874898-6-4", "-5884323-5-15", "x-1-1", "1-1"],
                                        ["gregorian", "julian", "dee", "mayan"]):
        yield ["convert", "--date", date, "--calendar", cal]
    for bad in [[], ["--help"], ["-h"], ["calc"], ["frobnicate"], ["calc", "--ymd"], ["calc", "--mdy", "1", "2"],
                ["calc", "--ymd", "1-1-1 CE", "--mdy", "1", "1", "1", "AD", "julian"], ["--variant", "cecil", "calc"],
                ["calc", "--ymd", "1-1-1 CE", "--plus", "1", "2", "3", "4", "--minus", "1", "2", "3", "4"],
                ["calc", "--mdy", "1", "1", "1", "AD", "julian", "--calendar", "julian"], ["convert", "--jdn", "1", "--date", "1-1-1"],
                ["convert", "--date", "1-1-1"], ["convert"], ["sequence", "--ymd", "1-1-1 CE"], ["equinox", "--today"],
                ["calc", "--today", "--days", "3"], ["calc", "--ymd", "\xff\xfe-1-1 CE"], ["calc", "--ymd", "2024-3-5 \u00e9"]]:
        yield bad

def main():
    cli = sys.argv[1]
    locales = {"C.UTF-8": None, "de_DE.UTF-8": "de", "fr_FR.UTF-8": "fr"}
    for n, args in enumerate(cases()):
        env = dict(os.environ, LC_ALL="C.UTF-8")
        run = subprocess.run([cli] + [a.encode("utf-8", "surrogateescape") if isinstance(a, str) else a for a in args],
                             capture_output=True, env=env)
        sys.stdout.buffer.write(b"=== %d %r\n" % (n, args))
        sys.stdout.buffer.write(b"--- out\n" + run.stdout + b"--- err\n" + run.stderr + b"--- exit %d\n" % run.returncode)

if __name__ == "__main__":
    main()
