#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes tests/records/data/written_dates.tsv: dates as records write them, in GEDCOM's calendar
escapes and in the common forms of eight languages, with their JDN by python3-convertdate
(Debian 12, 2.4.0), an independent reckoning of the Gregorian, Julian, Hebrew and French
republican calendars. Run once: /usr/bin/python3 tools/oracles/record_dates_tables.py"""
import random
from convertdate import french_republican, gregorian, hebrew, julian

random.seed(1752)
HEBREW = ["NSN", "IYR", "SVN", "TMZ", "AAV", "ELL", "TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS"]
FRENCH = ["VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM", "FLOR", "PRAI", "MESS", "THER",
          "FRUC", "COMP"]
GEDCOM = ["JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"]
NAMES = {
    "en": ["January", "February", "March", "April", "May", "June", "July", "August", "September",
           "October", "November", "December"],
    "fr": ["janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
           "octobre", "novembre", "décembre"],
    "de": ["Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
           "Oktober", "November", "Dezember"],
    "es": ["enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre",
           "octubre", "noviembre", "diciembre"],
    "it": ["gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto",
           "settembre", "ottobre", "novembre", "dicembre"],
    "nl": ["januari", "februari", "maart", "april", "mei", "juni", "juli", "augustus", "september",
           "oktober", "november", "december"],
    "sv": ["januari", "februari", "mars", "april", "maj", "juni", "juli", "augusti", "september",
           "oktober", "november", "december"],
    "la": ["Januarii", "Februarii", "Martii", "Aprilis", "Maii", "Junii", "Julii", "Augusti",
           "Septembris", "Octobris", "Novembris", "Decembris"],
}
FORMS = {
    "en": "{d} {m} {y}", "fr": "le {d} {m} {y}", "de": "{d}. {m} {y}", "es": "{d} de {m} de {y}",
    "it": "{d} {m} {y}", "nl": "{d} {m} {y}", "sv": "den {d} {m} {y}", "la": "die {d} {m} {y}",
}


def jdn(jd):
    return int(jd + 0.5)


rows = []
for _ in range(60):
    y = random.randint(5000, 5800)
    leap = hebrew.leap(y)
    m = random.choice([m for m in range(1, 14) if m != 13 or leap])
    d = random.randint(1, hebrew.month_days(y, m))
    rows.append((f"@#DHEBREW@ {d} {HEBREW[m - 1]} {y}", "hebrew", jdn(hebrew.to_jd(y, m, d))))
for _ in range(40):
    y = random.randint(1, 14)
    m = random.randint(1, 13)
    d = random.randint(1, 5 if m == 13 else 30)
    rows.append((f"@#DFRENCH R@ {d} {FRENCH[m - 1]} {y}", "french_republican",
                 jdn(french_republican.to_jd(y, m, d, method="equinox"))))
for calendar, module, escape in (("gregorian", gregorian, "@#DGREGORIAN@"), ("julian", julian, "@#DJULIAN@")):
    for _ in range(40):
        y = random.randint(1, 2400)
        m = random.randint(1, 12)
        d = random.randint(1, 28)
        rows.append((f"{escape} {d} {GEDCOM[m - 1]} {y}", calendar, jdn(module.to_jd(y, m, d))))
for language, names in NAMES.items():
    for _ in range(12):
        y = random.randint(1500, 1900)
        m = random.randint(1, 12)
        d = random.randint(1, 28)
        text = FORMS[language].format(d=d, m=names[m - 1], y=y) + " N.S."
        rows.append((text, "gregorian", jdn(gregorian.to_jd(y, m, d))))
        text = FORMS[language].format(d=d, m=names[m - 1], y=y) + " (O.S.)"
        rows.append((text, "julian", jdn(julian.to_jd(y, m, d))))

with open("tests/records/data/written_dates.tsv", "w", encoding="utf-8") as out:
    out.write("# Written dates and their JDN by python3-convertdate 2.4.0 (Debian 12), from\n")
    out.write("# tools/oracles/record_dates_tables.py. text, calendar, jdn\n")
    for text, calendar, day in rows:
        out.write(f"{text}\t{calendar}\t{day}\n")
