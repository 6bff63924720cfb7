// SPDX-License-Identifier: MIT
// Dates as records write them, read into their days: against python3-convertdate's reckoning of
// the four calendars, against facts of the places' calendars (gaps, dual years, year starts), and
// round trips with the Historical dates' own writing of a day at each place.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Calendars.h"
#include "history/WrittenDayReading.h"
#include "records/RecordDate.h"

namespace vardex::test {
namespace {

const PlaceTable &Places()
{
    static const PlaceTable table = LoadPlaceTable(CALENDAR_HISTORY_FOLDER);
    return table;
}

const Place *PlaceNamed(const std::string &id)
{
    for (const Place &place : Places().places) {
        if (place.id == id)
            return &place;
    }
    return nullptr;
}

int32_t Julian(int32_t y, int32_t m, int32_t d) { return *DateToJDN(Calendar::Julian, {y, m, d}, {}); }
int32_t Gregorian(int32_t y, int32_t m, int32_t d) { return *DateToJDN(Calendar::Gregorian, {y, m, d}, {}); }

std::vector<std::string> WarningIds(const RecordDateReading &reading)
{
    std::vector<std::string> ids;
    for (const DateWarning &warning : reading.warnings)
        ids.push_back(warning.id);
    return ids;
}

// Escapes and eight languages' forms, each with its JDN by python3-convertdate
// (tools/oracles/record_dates_tables.py wrote the table).
TEST(RecordDate, CalendarEscapesAndLanguagesAgreeWithConvertdate)
{
    std::ifstream in(RECORDS_TEST_DATA "/written_dates.tsv");
    ASSERT_TRUE(in) << "written_dates.tsv";
    std::string line;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string text, calendar, jdn;
        std::getline(fields, text, '\t');
        std::getline(fields, calendar, '\t');
        std::getline(fields, jdn, '\t');
        const RecordDateReading reading = ReadRecordDate(text);
        ASSERT_TRUE(reading.read) << text << ": " << reading.error;
        EXPECT_EQ(RecordCalendarName(reading.calendar), calendar) << text;
        EXPECT_EQ(reading.firstJdn, std::stoi(jdn)) << text;
        EXPECT_EQ(reading.lastJdn, reading.firstJdn) << text;
        EXPECT_TRUE(reading.warnings.empty()) << text << ": " << reading.warnings.front().message;
        ++rows;
    }
    EXPECT_GT(rows, 300);
}

struct FormCase {
    const char *text;
    const char *place;  // or nullptr
    DateQualifier qualifier;
    RecordCalendar calendar;
    int32_t first, last;
    std::vector<std::string> warnings;
};

// The forms people copy from records, each with the day or span it means and the warnings a careful
// reader would give. Days by python3-convertdate; places' facts from data/calendar-history.tsv.
TEST(RecordDate, WrittenFormsMeanTheirDays)
{
    using Q = DateQualifier;
    using C = RecordCalendar;
    const int32_t year1750 = Gregorian(1750, 1, 1), end1750 = Gregorian(1750, 12, 31);
    const FormCase cases[] = {
        // Dual years: the second number is the year counted from 1 January.
        {"23 February 1731/2", "england", Q::Exact, C::Julian, 2353724, 2353724, {}},
        {"Feb. 23, 1731-2", "england", Q::Exact, C::Julian, 2353724, 2353724, {}},
        {"23 FEB 1731/32", "england", Q::Exact, C::Julian, 2353724, 2353724, {}},
        {"@#DJULIAN@ 23 FEB 1731/32", nullptr, Q::Exact, C::Julian, 2353724, 2353724, {}},
        {"23 Feb 1699/00", "england", Q::Exact, C::Julian, Julian(1700, 2, 23), Julian(1700, 2, 23), {}},
        {"23 Feb 1731/33", "england", Q::Exact, C::Julian, 2353724, 2353724, {"dual_year_mismatch"}},
        {"5 June 1731/32",
         "england",
         Q::Exact,
         C::Julian,
         Julian(1731, 6, 5),
         Julian(1731, 6, 5),
         {"dual_year_mismatch"}},
        // The year begun on 25 March: 10 February 1700 is a day of 1701 as we count.
        {"10 Feb 1700", "england", Q::Exact, C::Julian, 2342389, 2342389, {"year_start_ambiguous"}},
        {"10 Feb 1700", "scotland", Q::Exact, C::Julian, 2342023, 2342023, {}},
        {"1750", "england", Q::Exact, C::Julian, Julian(1750, 3, 25), Julian(1751, 3, 24), {}},
        {"1750", nullptr, Q::Exact, C::Gregorian, year1750, end1750, {"assumed_gregorian"}},
        {"1950", nullptr, Q::Exact, C::Gregorian, Gregorian(1950, 1, 1), Gregorian(1950, 12, 31), {}},
        {"Sep 1752", "england", Q::Exact, C::Julian, Julian(1752, 9, 1), Gregorian(1752, 9, 30), {}},
        // Ordinals, weekdays, languages.
        {"23rd Feb 1731",
         nullptr,
         Q::Exact,
         C::Gregorian,
         Gregorian(1731, 2, 23),
         Gregorian(1731, 2, 23),
         {"assumed_gregorian"}},
        {"Thursday 4 July 1776", nullptr, Q::Exact, C::Gregorian, 2369916, 2369916, {"assumed_gregorian"}},
        {"Sunday 4 July 1776",
         nullptr,
         Q::Exact,
         C::Gregorian,
         2369916,
         2369916,
         {"assumed_gregorian", "weekday_mismatch"}},
        {"Sunday, July 4, 1776",
         "british-america",
         Q::Exact,
         C::Gregorian,
         2369916,
         2369916,
         {"weekday_mismatch"}},
        {"1752-09-14",
         nullptr,
         Q::Exact,
         C::Gregorian,
         Gregorian(1752, 9, 14),
         Gregorian(1752, 9, 14),
         {"assumed_gregorian"}},
        {"14.9.1752", "england", Q::Exact, C::Gregorian, Gregorian(1752, 9, 14), Gregorian(1752, 9, 14), {}},
        {"1. 2. 1950", nullptr, Q::Exact, C::Gregorian, Gregorian(1950, 2, 1), Gregorian(1950, 2, 1), {}},
        {"le 1er mars 1752 (N.S.)", nullptr, Q::Exact, C::Gregorian, 2361025, 2361025, {}},
        {"7ber 1700", "england", Q::Exact, C::Julian, Julian(1700, 9, 1), Julian(1700, 9, 30), {}},
        {"3 Xbris 1700", "england", Q::Exact, C::Julian, Julian(1700, 12, 3), Julian(1700, 12, 3), {}},
        {"15 MAR 44 B.C.",
         nullptr,
         Q::Exact,
         C::Gregorian,
         Gregorian(-43, 3, 15),
         Gregorian(-43, 3, 15),
         {"assumed_gregorian"}},
        {"@#DJULIAN@ 15 MAR 44 BCE", nullptr, Q::Exact, C::Julian, 1705426, 1705426, {}},
        {"10 Jan 1700 O.S.", nullptr, Q::Exact, C::Julian, Julian(1700, 1, 10), Julian(1700, 1, 10), {}},
        // The places' calendars: a day skipped, a day only Sweden had, a day no calendar had.
        {"10 Sep 1752", "england", Q::Exact, C::Gregorian, 2361218, 2361218, {"in_gap"}},
        {"30 Feb 1712", "sweden", Q::Exact, C::Julian, 2346425, 2346425, {}},
        {"29 Feb 1700", "sweden", Q::Exact, C::Julian, Julian(1700, 2, 29), Julian(1700, 2, 29), {"in_gap"}},
        {"@#DJULIAN@ 1 JAN 1760",
         "england",
         Q::Exact,
         C::Julian,
         2363898,
         2363898,
         {"calendar_after_switch"}},
        {"1 Jul 1740 N.S.",
         "england",
         Q::Exact,
         C::Gregorian,
         Gregorian(1740, 7, 1),
         Gregorian(1740, 7, 1),
         {"calendar_before_switch"}},
        {"@#DGREGORIAN@ 1 JUL 1760",
         "england",
         Q::Exact,
         C::Gregorian,
         Gregorian(1760, 7, 1),
         Gregorian(1760, 7, 1),
         {}},
        {"1 Jan 1900", "russia", Q::Exact, C::Julian, Julian(1900, 1, 1), Julian(1900, 1, 1), {}},
        // Qualifiers.
        {"ABT 1750", nullptr, Q::About, C::Gregorian, year1750, end1750, {"assumed_gregorian"}},
        {"CAL 1950",
         nullptr,
         Q::Calculated,
         C::Gregorian,
         Gregorian(1950, 1, 1),
         Gregorian(1950, 12, 31),
         {}},
        {"EST 1950", nullptr, Q::Estimated, C::Gregorian, Gregorian(1950, 1, 1), Gregorian(1950, 12, 31), {}},
        {"BEF 1950", nullptr, Q::Before, C::Gregorian, Gregorian(1950, 1, 1), Gregorian(1950, 12, 31), {}},
        {"AFT 1950", nullptr, Q::After, C::Gregorian, Gregorian(1950, 1, 1), Gregorian(1950, 12, 31), {}},
        {"BET 1950 AND JUN 1960",
         nullptr,
         Q::Between,
         C::Gregorian,
         Gregorian(1950, 1, 1),
         Gregorian(1960, 6, 30),
         {}},
        {"FROM 1950 TO 1960",
         nullptr,
         Q::Period,
         C::Gregorian,
         Gregorian(1950, 1, 1),
         Gregorian(1960, 12, 31),
         {}},
        {"BET 1960 AND 1950",
         nullptr,
         Q::Between,
         C::Gregorian,
         Gregorian(1950, 1, 1),
         Gregorian(1960, 12, 31),
         {"range_reversed"}},
        {"INT 1950 (in the year of the flood)",
         nullptr,
         Q::Interpreted,
         C::Gregorian,
         Gregorian(1950, 1, 1),
         Gregorian(1950, 12, 31),
         {}},
        {"BET @#DJULIAN@ 1 JAN 1700 AND @#DGREGORIAN@ 1 FEB 1700",
         nullptr,
         Q::Between,
         C::Julian,
         Julian(1700, 1, 1),
         Gregorian(1700, 2, 1),
         {}},
        {"BET @#DJULIAN@ 1 JAN 1700 AND @#DGREGORIAN@ 1 JAN 1700",
         nullptr,
         Q::Between,
         C::Julian,
         Gregorian(1700, 1, 1),
         Julian(1700, 1, 1),
         {"range_reversed"}},
    };
    for (const FormCase &c : cases) {
        const Place *place = c.place ? PlaceNamed(c.place) : nullptr;
        ASSERT_TRUE(!c.place || place) << c.place;
        const RecordDateReading reading = ReadRecordDate(c.text, place);
        ASSERT_TRUE(reading.read) << c.text << ": " << reading.error;
        EXPECT_EQ(reading.qualifier, c.qualifier) << c.text;
        EXPECT_EQ(reading.calendar, c.calendar) << c.text;
        EXPECT_EQ(reading.firstJdn, c.first) << c.text;
        EXPECT_EQ(reading.lastJdn, c.last) << c.text;
        EXPECT_EQ(WarningIds(reading), c.warnings) << c.text;
        if (!place) {
            EXPECT_EQ(reading.readAs, "") << c.text;
        }
    }
}

TEST(RecordDate, WarningsSayWhatToDo)
{
    const RecordDateReading ambiguous = ReadRecordDate("10 Feb 1700", PlaceNamed("england"));
    EXPECT_EQ(ambiguous.readAs,
              "Read as England and Wales wrote it: the Julian calendar, the year beginning on 25 "
              "March, after 1 January (Annunciation style).");
    EXPECT_EQ(ReadRecordDate("10 Feb 1700 O.S.", PlaceNamed("england")).warnings.size(), 1U);
    EXPECT_EQ(ReadRecordDate("@#DJULIAN@ 10 FEB 1700", PlaceNamed("england")).firstJdn, Julian(1700, 2, 10));
    ASSERT_EQ(ambiguous.warnings.size(), 1U);
    EXPECT_NE(ambiguous.warnings[0].message.find("10 February 1700/1"), std::string::npos)
        << ambiguous.warnings[0].message;
    EXPECT_NE(ambiguous.warnings[0].message.find("10 February 1699/1700"), std::string::npos)
        << ambiguous.warnings[0].message;
    const RecordDateReading gap = ReadRecordDate("10 Sep 1752", PlaceNamed("england"));
    EXPECT_NE(gap.warnings.at(0).message.find("2 September 1752 was followed by 14 September 1752"),
              std::string::npos)
        << gap.warnings[0].message;
    for (const auto &[text, julian] :
         {std::pair{"23 Feb 1731", "6 March 1731"}, std::pair{"1 Mar 1752", "12 March 1752"}}) {
        const RecordDateReading assumed = ReadRecordDate(text);
        EXPECT_NE(assumed.warnings.at(0).message.find(julian), std::string::npos)
            << assumed.warnings[0].message;
    }
    EXPECT_EQ(ReadRecordDate("Sunday 4 July 1776").warnings.at(1).message,
              "4 July 1776 was a Thursday, not a Sunday.");
}

// Every month and weekday name of the eight languages, as their dictionaries list them.
TEST(RecordDate, EveryLanguagesMonthsAndWeekdays)
{
    const std::vector<std::vector<const char *>> months = {
        {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
         "November", "December"},
        {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre", "octobre",
         "novembre", "décembre"},
        {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
         "November", "Dezember"},
        {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre",
         "noviembre", "diciembre"},
        {"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto", "settembre",
         "ottobre", "novembre", "dicembre"},
        {"januari", "februari", "maart", "april", "mei", "juni", "juli", "augustus", "september", "oktober",
         "november", "december"},
        {"januari", "februari", "mars", "april", "maj", "juni", "juli", "augusti", "september", "oktober",
         "november", "december"},
        {"Ianuarius", "Februarius", "Martius", "Aprilis", "Maius", "Iunius", "Iulius", "Augustus",
         "September", "October", "November", "December"},
        {"Januarii", "Februarii", "Martii", "Aprilis", "Maii", "Junii", "Julii", "Augusti", "Septembris",
         "Octobris", "Novembris", "Decembris"},
        {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"},
    };
    for (const auto &names : months) {
        for (int32_t m = 1; m <= 12; ++m) {
            const std::string text = std::string("3 ") + names[m - 1] + " 1950";
            EXPECT_EQ(ReadRecordDate(text).firstJdn, Gregorian(1950, m, 3)) << text;
        }
    }
    // Sunday first; 1 January 1950 was a Sunday.
    const std::vector<std::vector<const char *>> weekdays = {
        {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
        {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"},
        {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
        {"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"},
        {"domenica", "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato"},
        {"zondag", "maandag", "dinsdag", "woensdag", "donderdag", "vrijdag", "zaterdag"},
        {"söndag", "måndag", "tisdag", "onsdag", "torsdag", "fredag", "lördag"},
        {"Solis", "Lunae", "Martis", "Mercurii", "Iovis", "Veneris", "Saturni"},
    };
    for (const auto &names : weekdays) {
        for (int day = 0; day < 7; ++day) {
            const std::string text =
                std::string(names[day]) + " " + std::to_string(day + 1) + " January 1950";
            const RecordDateReading reading = ReadRecordDate(text);
            ASSERT_TRUE(reading.read) << text << ": " << reading.error;
            EXPECT_TRUE(reading.warnings.empty()) << text << ": " << reading.warnings.front().message;
            const std::string wrong =
                std::string(names[(day + 1) % 7]) + " " + std::to_string(day + 1) + " January 1950";
            EXPECT_EQ(WarningIds(ReadRecordDate(wrong)), std::vector<std::string>{"weekday_mismatch"})
                << wrong;
        }
    }
}

TEST(RecordDate, ImpossibleDaysAreReadWithoutADay)
{
    const std::pair<const char *, const char *> cases[] = {
        {"31 Apr 1750", nullptr},
        {"30 Feb 1700", "england"},
        {"@#DJULIAN@ 29 FEB 1700 AND", nullptr},
        {"@#DHEBREW@ 1 ADS 5781", nullptr},
        {"@#DFRENCH R@ 6 COMP 2", nullptr},
        {"29 Feb 1900", nullptr},
    };
    for (const auto &[text, id] : cases) {
        const RecordDateReading reading = ReadRecordDate(text, id ? PlaceNamed(id) : nullptr);
        if (std::string(text).find("AND") != std::string::npos) {
            EXPECT_FALSE(reading.read) << text;
            continue;
        }
        ASSERT_TRUE(reading.read) << text << ": " << reading.error;
        EXPECT_FALSE(reading.firstJdn) << text;
        const std::vector<std::string> ids = WarningIds(reading);
        EXPECT_NE(std::find(ids.begin(), ids.end(), "impossible"), ids.end()) << text;
    }
}

TEST(RecordDate, PhrasesAreKeptNotRead)
{
    const RecordDateReading phrase = ReadRecordDate("(in the great frost)");
    ASSERT_TRUE(phrase.read);
    EXPECT_EQ(phrase.qualifier, DateQualifier::Phrase);
    EXPECT_EQ(phrase.phrase, "in the great frost");
    EXPECT_FALSE(phrase.firstJdn);
    EXPECT_EQ(ReadRecordDate("INT 1950 (the flood)").phrase, "the flood");
}

// What cannot be read is said, never guessed.
TEST(RecordDate, UnreadableTextsSayWhy)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", "The date is empty."},
        {"23 Feb", "No year in '23 Feb'."},
        {"Feb 23rd", "No year in 'Feb 23rd'."},
        {"9/10/1752", "Cannot tell the day from the month"},
        {"32 Jan 1700", "No day 32"},
        {"23 Fbr 1700", "Cannot read 'Fbr'"},
        {"@#DROMAN@ 1 JAN 1700", "Vardex does not read dates of the calendar 'ROMAN'"},
        {"BET 1750", "BET needs AND"},
        {"INT 1750", "INT needs the phrase"},
        {"(unclosed", "no closing ')'"},
        {"1 Jan 0", "There is no year 0"},
        {"1 Jan 99999999", "beyond the years Vardex reads"},
        {"1 Jan Feb 1700", "Two months"},
        {"1 Jan 1700 O.S. N.S.", "two calendars"},
        {"1700 \x01", "Cannot read '?'"},
        {"FRENCH_R bc01", "Years before Christ belong to the Gregorian and Julian calendars"},
    };
    for (const auto &[text, why] : cases) {
        const RecordDateReading reading = ReadRecordDate(text);
        EXPECT_FALSE(reading.read) << text;
        EXPECT_NE(reading.error.find(why), std::string::npos) << text << ": " << reading.error;
    }
}

// Every day a place wrote, written back as it wrote it, reads as that day: the day alone, without a
// dual year, is one of the days it can mean; with the dual year the Historical dates give, it is
// that day and no warning is given about the year.
TEST(RecordDate, RoundTripsWithTheHistoricalDatesOfEveryPlace)
{
    ASSERT_TRUE(Places().error.empty()) << Places().error;
    for (const Place &place : Places().places) {
        const int32_t change =
            std::find_if(place.calendars.begin(), place.calendars.end(), [](const CalendarPeriod &p) {
                return p.calendar == KeptCalendar::Gregorian;
            })->firstJdn;
        for (int32_t jdn = change - 800; jdn <= change + 400; jdn += 3) {
            const WrittenDay day = WriteDay(place, jdn);
            const std::string plain = std::to_string(day.date.day) + " " + MonthName(day.date.month) + " " +
                                      std::to_string(day.writtenYear);
            const RecordDateReading reading = ReadRecordDate(plain, &place);
            ASSERT_TRUE(reading.read && reading.firstJdn) << place.id << " " << plain;
            EXPECT_LE(*reading.firstJdn, jdn) << place.id << " " << plain;
            EXPECT_GE(*reading.lastJdn, jdn) << place.id << " " << plain;
            if (day.style == YearStart::Easter || day.dayOffset != 0)
                continue;
            std::string dual = day.text.substr(0, day.text.find(" ("));
            const RecordDateReading exact = ReadRecordDate(dual, &place);
            ASSERT_TRUE(exact.read) << place.id << " " << dual << ": " << exact.error;
            EXPECT_EQ(exact.firstJdn, jdn) << place.id << " " << dual;
            EXPECT_EQ(exact.lastJdn, jdn) << place.id << " " << dual;
            for (const DateWarning &warning : exact.warnings)
                ADD_FAILURE() << place.id << " " << dual << ": " << warning.message;
        }
    }
}

}  // namespace
}  // namespace vardex::test
