#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes a synthetic GEDCOM 5.5.1 file (UTF-8) of about a given size, to measure the readers.

    python3 tools/make_large_gedcom.py [--size 100M] [--seed 1] [--crlf] [-o FILE | -o -]

Invented persons and families (names drawn at random from short lists, so nobody real) with
births, christenings, deaths, burials and marriages; their dates in GEDCOM's varied forms
(exact, partial, approximate, ranges, dual years such as 1731/32, Julian escapes, phrases) and a
few deliberate mistakes (31 FEB, a day England skipped in 1752, a wrong dual year, a death
before the birth), so that a check has something to find. 100 MB holds about a million DATE
lines. The same seed gives the same file.
"""
import argparse
import random
import sys

GIVEN = ("Ada", "Bram", "Cato", "Dirk", "Elske", "Fenna", "Gerrit", "Hester", "Ida", "Joost", "Katrijn",
         "Lieven", "Mercy", "Nathaniel", "Obadiah", "Prudence", "Quirin", "Rebekah", "Silas", "Tamsin",
         "Ulrike", "Vitus", "Wendel", "Xaver", "Ysolde", "Zacharias", "Grete", "Jürgen", "Søren", "Åsa")
SURNAMES = ("Ashdown", "Brinkerhoff", "Coldwell", "Dunmore", "Eckhardt", "Fairweather", "Grindle",
            "Hollenbeck", "Ivelaw", "Jessop", "Kettleby", "Lindqvist", "Mosscrop", "Nettleford",
            "Overbeek", "Pellow", "Quarrington", "Rookwood", "Stenhouse", "Thurgood", "Uppleby",
            "Vandersloot", "Wexcombe", "Yardley", "Zwanenburg", "Müllerhaus", "Østergaard")
PLACES = ("London, Middlesex, England", "Boston, Suffolk, Massachusetts, USA", "Amsterdam, Holland",
          "Königsberg, Prussia", "York, Yorkshire, England", "Leiden, Zuid-Holland, Netherlands",
          "Stockholm, Sweden", "Paris, France", "Philadelphia, Pennsylvania, USA", "Edinburgh, Scotland",
          "Riga, Livonia", "Bruges, Flanders")
MONTHS = ("JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC")
DAYS_IN_MONTH = (31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31)


def exact(rng, year):
    month = rng.randrange(12)
    day = rng.randint(1, DAYS_IN_MONTH[month])
    # Before 1752 England began its year on 25 March: days from 1 January to 24 March carry both years.
    if year < 1752 and (month < 2 or (month == 2 and day < 25)) and rng.random() < 0.5:
        return f"{day} {MONTHS[month]} {year - 1}/{year % 100:02d}"
    return f"{day} {MONTHS[month]} {year}"


def date(rng, year):
    """A date around `year` in one of GEDCOM's forms."""
    r = rng.random()
    if r < 0.55:
        return exact(rng, year)
    if r < 0.63:
        return f"{MONTHS[rng.randrange(12)]} {year}"
    if r < 0.70:
        return str(year)
    if r < 0.78:
        return f"{rng.choice(('ABT', 'BEF', 'AFT', 'EST', 'CAL'))} {year}"
    if r < 0.82:
        return f"BET {year - rng.randint(1, 5)} AND {year}"
    if r < 0.85:
        return f"FROM {year} TO {year + rng.randint(1, 3)}"
    if r < 0.93:
        return f"@#DJULIAN@ {exact(rng, year)}"
    if r < 0.96:
        return f"@#DGREGORIAN@ {exact(rng, year)}"
    if r < 0.98:
        return f"INT {year} (from the parish book)"
    return "(about harvest time)"


def mistake(rng, year):
    """A date a check should question."""
    return rng.choice((f"31 FEB {year}", "8 SEP 1752", f"12 MAR {year}/{(year + 3) % 100:02d}",
                       f"30 {MONTHS[rng.randrange(12)]} {year}/{year % 100:02d}", "15 OCT 1582",
                       f"0 JAN {year}"))


class Writer:
    def __init__(self, out, newline):
        self.out = out
        self.newline = newline
        self.lines = []
        self.size = 0
        self.dates = 0

    def line(self, text):
        self.lines.append(text)
        if len(self.lines) >= 4096:
            self.flush()

    def event(self, tag, when, rng, place=True):
        self.line(f"1 {tag}")
        if place and rng.random() < 0.4:  # the place before the date as well as after it
            self.line(f"2 PLAC {rng.choice(PLACES)}")
            place = False
        self.line(f"2 DATE {when}")
        self.dates += 1
        if place and rng.random() < 0.8:
            self.line(f"2 PLAC {rng.choice(PLACES)}")

    def flush(self):
        text = self.newline.join(self.lines) + self.newline
        data = text.encode("utf-8")
        self.out.write(data)
        self.size += len(data)
        self.lines = []


def write_tree(out, size, seed, newline):
    rng = random.Random(seed)
    w = Writer(out, newline)
    w.line("0 HEAD")
    w.line("1 SOUR VARDEX_SYNTHETIC")
    w.line("1 GEDC")
    w.line("2 VERS 5.5.1")
    w.line("2 FORM LINEAGE-LINKED")
    w.line("1 CHAR UTF-8")
    w.line("1 DATE 1 JAN 2024")
    w.line("1 NOTE A synthetic tree: invented names, places from a short list, dates in every form,")
    w.line("2 CONC  and a few deliberate mistakes.")
    person = family = 0
    while w.size + sum(len(s) + 1 for s in w.lines) < size:
        # One family: two partners, their marriage, and a few children.
        family += 1
        year = rng.randint(1550, 1900)
        surname = rng.choice(SURNAMES)
        partners = []
        for sex in ("M", "F"):
            person += 1
            partners.append(person)
            born = year - rng.randint(18, 35)
            write_person(w, rng, person, rng.choice(SURNAMES) if sex == "F" else surname, sex, born,
                         fams=family)
        children = []
        for _ in range(rng.randint(0, 4)):
            person += 1
            children.append(person)
            write_person(w, rng, person, surname, rng.choice("MF"), year + rng.randint(1, 20), famc=family)
        w.line(f"0 @F{family}@ FAM")
        w.line(f"1 HUSB @I{partners[0]}@")
        w.line(f"1 WIFE @I{partners[1]}@")
        for child in children:
            w.line(f"1 CHIL @I{child}@")
        w.event("MARR", date(rng, year), rng)
    w.line("0 TRLR")
    w.flush()
    return w


def write_person(w, rng, number, surname, sex, born, fams=None, famc=None):
    w.line(f"0 @I{number}@ INDI")
    w.line(f"1 NAME {rng.choice(GIVEN)} /{surname}/")
    w.line(f"1 SEX {sex}")
    wrong = rng.random() < 0.01
    w.event("BIRT", mistake(rng, born) if wrong else date(rng, born), rng)
    if rng.random() < 0.7:
        w.event("CHR", date(rng, born), rng)
    if rng.random() < 0.8:
        died = born + rng.randint(0, 90)
        if rng.random() < 0.005:
            died = born - rng.randint(1, 10)  # dead before being born
        w.event("DEAT", date(rng, died), rng)
        if rng.random() < 0.6:
            w.event("BURI", date(rng, died), rng)
    if fams:
        w.line(f"1 FAMS @F{fams}@")
    if famc:
        w.line(f"1 FAMC @F{famc}@")


def parse_size(text):
    units = {"K": 1000, "M": 1000 ** 2, "G": 1000 ** 3}
    text = text.strip().upper().removesuffix("B")
    if text and text[-1] in units:
        return int(float(text[:-1]) * units[text[-1]])
    return int(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--size", default="100M", help="about how many bytes: 100M, 500K, 20000000")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--crlf", action="store_true", help="end lines with CR LF")
    parser.add_argument("-o", "--output", default="large.ged", help="the file, or - for standard output")
    args = parser.parse_args()
    try:
        size = parse_size(args.size)
    except ValueError:
        parser.error(f"--size: not a size: {args.size}")
    newline = "\r\n" if args.crlf else "\n"
    if args.output == "-":
        w = write_tree(sys.stdout.buffer, size, args.seed, newline)
    else:
        with open(args.output, "wb") as out:
            w = write_tree(out, size, args.seed, newline)
    print(f"{args.output}: {w.size:,} bytes, {w.dates:,} DATE lines", file=sys.stderr)


if __name__ == "__main__":
    main()
