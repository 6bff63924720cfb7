// SPDX-License-Identifier: MIT
// The calendar history of places, read from the program's data file: every place's change of
// calendar on both sides and inside the gap, the styles of the year's start as England, Florence
// and Sweden wrote dates, Alaska's date of Asia, and the faults the file's reader finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "engine/Calendars.h"
#include "engine/TextForms.h"
#include "history/Easter.h"
#include "history/PlaceHistory.h"

namespace vardex::test {
namespace {

const PlaceTable &Table()
{
    static const PlaceTable table = [] {
        std::ifstream file(CALENDAR_HISTORY_FILE);
        std::stringstream text;
        text << file.rdbuf();
        return ParsePlaceTable(text.str());
    }();
    return table;
}

const Place &PlaceNamed(const std::string &id)
{
    for (const Place &place : Table().places) {
        if (place.id == id)
            return place;
    }
    throw std::runtime_error("no place " + id);
}

int32_t Julian(int32_t y, int32_t m, int32_t d) { return DateToJDN(Calendar::Julian, {y, m, d}, {}).value(); }
int32_t Gregorian(int32_t y, int32_t m, int32_t d)
{
    return DateToJDN(Calendar::Gregorian, {y, m, d}, {}).value();
}

TEST(PlaceHistory, EveryChangeOfCalendarHasNoDayBetweenAndAGapOfWrittenDates)
{
    ASSERT_EQ(Table().error, "");
    ASSERT_GE(Table().places.size(), 30u);
    for (const Place &place : Table().places) {
        for (size_t i = 1; i < place.calendars.size(); ++i) {
            const CalendarPeriod &old = place.calendars[i - 1], &now = place.calendars[i];
            const WrittenDay last = WriteDay(place, old.lastJdn), first = WriteDay(place, now.firstJdn);
            EXPECT_EQ(now.firstJdn, old.lastJdn + 1) << place.id;
            EXPECT_EQ(last.calendar, old.calendar) << place.id;
            EXPECT_EQ(first.calendar, now.calendar) << place.id;
            // The day after the old calendar's last, as that calendar would have written it.
            const CalendarDate next =
                DateInPeriod(old, old.lastJdn + 1)
                    .value_or(DateInKeptCalendar(KeptCalendar::Julian, old.lastJdn + 1).value());
            if (next.day != first.date.day || next.month != first.date.month) {  // a gap of written dates
                const int32_t written = WrittenYear(first.style, next);
                EXPECT_TRUE(DaysWritten(place, written, next.month, next.day).empty())
                    << place.id << " " << next.year << "-" << next.month << "-" << next.day;
            }
            EXPECT_EQ(DaysWritten(place, last.writtenYear, last.date.month, last.date.day),
                      std::vector<int32_t>{old.lastJdn})
                << place.id;
        }
    }
}

TEST(PlaceHistory, EnglandWroteTheOldStyleAndTheAnnunciationYear)
{
    const Place &england = PlaceNamed("england");
    const int32_t feb11of1731 = Julian(1732, 2, 11);  // written 11 February 1731
    EXPECT_EQ(WriteDay(england, feb11of1731).text, "11 February 1731/2 (O.S.)");
    EXPECT_EQ(DaysWritten(england, 1731, 2, 11), std::vector<int32_t>{feb11of1731});
    EXPECT_EQ(DateToJDN(Calendar::Gregorian, {1732, 2, 22}, {}), feb11of1731) << "22 February 1732 N.S.";
    EXPECT_EQ(WriteDay(england, Julian(1751, 3, 24)).text, "24 March 1750/1 (O.S.)");
    EXPECT_EQ(WriteDay(england, Julian(1751, 3, 25)).text, "25 March 1751 (O.S.)") << "Lady Day began 1751";
    EXPECT_EQ(WriteDay(england, Julian(1752, 1, 1)).text, "1 January 1752 (O.S.)")
        << "1752 began on 1 January";
    EXPECT_TRUE(DaysWritten(england, 1752, 9, 10).empty());
    EXPECT_EQ(MissingDayMessage(england, 1752, 9, 10),
              "10 September 1752 did not exist in England and Wales: 2 September 1752 was followed by "
              "14 September 1752.");
    EXPECT_EQ(WriteDay(england, Julian(1752, 9, 3)).text, "14 September 1752");
}

TEST(PlaceHistory, FlorenceAndPisaNumberedTheSameDayApart)
{
    const int32_t day = DateToJDN(Calendar::Gregorian, {1700, 5, 1}, {}).value();
    EXPECT_EQ(WriteDay(PlaceNamed("florence"), day).text, "1 May 1700");
    EXPECT_EQ(WriteDay(PlaceNamed("pisa"), day).text, "1 May 1701/1700");
    EXPECT_EQ(WriteDay(PlaceNamed("florence"), day, YearStart::Venetian).writtenYear, 1700);
}

TEST(PlaceHistory, SwedenWroteA30February)
{
    const Place &sweden = PlaceNamed("sweden");
    EXPECT_EQ(DaysWritten(sweden, 1712, 2, 30), std::vector<int32_t>{Julian(1712, 2, 29)});
    EXPECT_EQ(DaysWritten(sweden, 1712, 2, 29), std::vector<int32_t>{Julian(1712, 2, 28)});
    EXPECT_TRUE(DaysWritten(sweden, 1700, 2, 29).empty()) << "the leap day left out";
    EXPECT_EQ(WriteDay(sweden, Julian(1712, 2, 29)).text, "30 February 1712 (O.S.)");
    EXPECT_TRUE(DaysWritten(sweden, 1753, 2, 20).empty());
    EXPECT_EQ(MissingDayMessage(sweden, 1753, 2, 20),
              "20 February 1753 did not exist in Sweden: 17 February 1753 was followed by 1 March 1753.");
}

// Every day around every change of calendar, written as the place wrote it, reads back as that day:
// a day offset applied one way and not the other would not.
TEST(PlaceHistory, EveryDayWrittenReadsBackAsThatDay)
{
    for (const Place &place : Table().places) {
        for (size_t i = 1; i < place.calendars.size(); ++i) {
            for (int32_t jdn = place.calendars[i].firstJdn - 800; jdn < place.calendars[i].firstJdn + 800;
                 ++jdn) {
                const WrittenDay day = WriteDay(place, jdn);
                const std::vector<int32_t> days =
                    DaysWritten(place, day.writtenYear, day.date.month, day.date.day);
                ASSERT_NE(std::find(days.begin(), days.end(), jdn), days.end())
                    << place.id << " " << day.text;
            }
        }
    }
}

// The change to the Gregorian calendar, its last old day and first new day as written there, against
// the published dates; Sweden and Finland (then part of it) changed in 1753, after a calendar of their
// own from 1 March 1700 to 30 February 1712.
TEST(PlaceHistory, TheGregorianChangeIsTheLastDayOfTheOldCalendarAndTheFirstNewDay)
{
    struct Change {
        const char *place;
        CalendarDate lastOld, firstNew;
        std::vector<KeptCalendar> between;
    };
    const Change changes[] = {
        {"sweden", {1753, 2, 17}, {1753, 3, 1}, {KeptCalendar::Swedish}},
        {"finland", {1753, 2, 17}, {1753, 3, 1}, {KeptCalendar::Swedish}},
        {"england", {1752, 9, 2}, {1752, 9, 14}, {}},
        {"denmark", {1700, 2, 18}, {1700, 3, 1}, {}},
        {"russia", {1918, 1, 31}, {1918, 2, 14}, {}},
        {"alaska", {1867, 10, 6}, {1867, 10, 18}, {}},
    };
    for (const Change &c : changes) {
        const std::optional<GregorianChange> change = FindGregorianChange(PlaceNamed(c.place));
        ASSERT_TRUE(change) << c.place;
        EXPECT_EQ(change->lastOld, c.lastOld) << c.place;
        EXPECT_EQ(change->firstNew, c.firstNew) << c.place;
        std::vector<KeptCalendar> between;
        for (const CalendarPeriod &p : change->between)
            between.push_back(p.calendar);
        EXPECT_EQ(between, c.between) << c.place;
    }
    const CalendarPeriod swedish = FindGregorianChange(PlaceNamed("sweden"))->between.at(0);
    EXPECT_EQ(DateInPeriod(swedish, swedish.firstJdn), (CalendarDate{1700, 3, 1}));
    EXPECT_EQ(DateInPeriod(swedish, swedish.lastJdn), (CalendarDate{1712, 2, 30}));
}

// Russian America kept the Julian calendar with the date of Asia, a day ahead of the Julian date at
// its longitude. At the transfer at Sitka, Friday 6 October 1867 (Julian) was followed by Friday
// 18 October 1867 (Gregorian), the day the United States recorded; the Russian governor would have
// written that day Saturday 7 October. The colonists' Orthodox Easter fell on a Sunday of theirs.
TEST(PlaceHistory, AlaskaKeptTheDateOfAsiaUntilTheTransfer)
{
    const Place &alaska = PlaceNamed("alaska");
    const int32_t transfer = Gregorian(1867, 10, 18);
    EXPECT_EQ(WeekdayText(DayOfWeek(transfer)), "Friday");
    EXPECT_EQ(DaysWritten(alaska, 1867, 10, 18), std::vector<int32_t>{transfer});
    EXPECT_EQ(DaysWritten(alaska, 1867, 10, 6), std::vector<int32_t>{transfer - 1}) << "the day before";
    EXPECT_EQ(WriteDay(alaska, transfer - 1).text, "6 October 1867 (O.S.)");
    EXPECT_EQ(WriteDay(alaska, transfer).text, "18 October 1867");
    EXPECT_EQ(WeekdayText(WriteDay(alaska, transfer - 1).weekday), "Friday");
    EXPECT_EQ(WeekdayText(WriteDay(alaska, transfer).weekday), "Friday");
    EXPECT_EQ(DateInPeriod(alaska.calendars.front(), transfer), (CalendarDate{1867, 10, 7}))
        << "the Russian governor's date of the transfer day";
    for (const int32_t day : {7, 17}) {
        EXPECT_TRUE(DaysWritten(alaska, 1867, 10, day).empty()) << day;
        EXPECT_EQ(
            MissingDayMessage(alaska, 1867, 10, day),
            std::to_string(day) +
                " October 1867 did not exist in Alaska: 6 October 1867 was followed by 18 October 1867.");
    }
    const CalendarDate easter = JulianEaster(1867);
    const std::vector<int32_t> easterDay = DaysWritten(alaska, 1867, easter.month, easter.day);
    ASSERT_EQ(easterDay.size(), 1u);
    EXPECT_EQ(WeekdayText(WriteDay(alaska, easterDay[0]).weekday), "Sunday");
    EXPECT_EQ(WeekdayText(DayOfWeek(easterDay[0])), "Saturday") << "in the American reckoning";
}

// A day's written year never falls from one day to the next around any change of a place's
// calendar or style: a written year is one run of days, which MissingDayMessage relies on.
TEST(PlaceHistory, WrittenYearsNeverFallFromOneDayToTheNext)
{
    for (const Place &place : Table().places) {
        std::vector<int32_t> changes;
        for (const CalendarPeriod &p : place.calendars)
            changes.push_back(p.firstJdn);
        for (const StylePeriod &p : place.styles)
            changes.push_back(p.firstJdn);
        for (const int32_t change : changes) {
            for (int32_t jdn = change == INT32_MIN ? 0 : change - 800; jdn < change + 800; ++jdn)
                ASSERT_LE(WriteDay(place, jdn).writtenYear, WriteDay(place, jdn + 1).writtenYear)
                    << place.id << ", JDN " << jdn;
        }
    }
}

// Why a written date gave no day, against the facts each message states: the changes of
// calendar; Scotland's year 1599, which began on 25 March and ended on 31 December (the Privy
// Council moved the new year to 1 January from 1600); England's 1751, the same by the Calendar
// (New Style) Act; France's Easter years (Julian Easter 1538 on 21 April, 1539 on 6 April, 1699
// on 9 April, 1700 on 31 March); the months of the Julian and Swedish calendars, September 1752
// in England with its 19 days among them; the last day the program counts, Gregorian 3 June
// 5874898 (JDN 2,147,483,647), and the Julian date of its first, which Alaska's date a day ahead
// put the day before it.
TEST(PlaceHistory, AMissingDateSaysWhy)
{
    struct Missing {
        const char *place;
        CalendarDate written;  // the year as written
        std::optional<YearStart> style;
        const char *message;
    };
    const Missing cases[] = {
        {"sweden",
         {1700, 2, 29},
         {},
         "29 February 1700 did not exist in Sweden: 28 February 1700 was followed by 1 March 1700."},
        {"scotland",
         {1599, 2, 1},
         {},
         "1 February 1599 did not exist in Scotland: there the year 1599 ran from 25 March 1599 to "
         "31 December 1599."},
        {"england",
         {1751, 3, 24},
         {},
         "24 March 1751 did not exist in England and Wales: there the year 1751 ran from 25 March 1751 to "
         "31 December 1751."},
        {"france",
         {1538, 4, 10},
         {},
         "10 April 1538 did not exist in France: there the year 1538 ran from 21 April 1538 to 5 April "
         "1538."},
        {"england",
         {1699, 4, 5},
         YearStart::Easter,
         "5 April 1699 did not exist in England and Wales: there the year 1699 ran from 9 April 1699 to "
         "30 March 1699."},
        {"england",
         {1699, 3, 31},
         YearStart::Easter,
         "31 March 1699 did not exist in England and Wales: there the year 1699 ran from 9 April 1699 to "
         "30 March 1699."},
        {"pisa",
         {1700, 4, 31},
         {},
         "31 April 1700 did not exist in Pisa (Tuscany): April 1700/1699 had 30 days."},
        {"england",
         {1712, 2, 29},
         {},
         "29 February 1712 did not exist in England and Wales: February 1712/3 had 28 days."},
        {"sweden", {1712, 2, 31}, {}, "31 February 1712 did not exist in Sweden: February 1712 had 30 days."},
        {"sweden", {1700, 2, 30}, {}, "30 February 1700 did not exist in Sweden: February 1700 had 28 days."},
        {"england",
         {1752, 9, 31},
         {},
         "31 September 1752 did not exist in England and Wales: September 1752 had 19 days."},
        {"rome",
         {-43, 2, 29},
         {},
         "29 February 44 BC did not exist in Papal States: February 44 BC had 28 days."},
        {"england", {9999999, 1, 1}, {}, "1 January 9999999 lies beyond the days the program counts."},
        {"rome", {INT32_MIN, 1, 1}, {}, "1 January 2147483649 BC lies beyond the days the program counts."},
        {"rome", {5874898, 12, 31}, {}, "31 December 5874898 lies beyond the days the program counts."},
        {"alaska", {-5884202, 3, 16}, {}, "16 March 5884203 BC lies beyond the days the program counts."},
    };
    for (const Missing &m : cases) {
        const Place &place = PlaceNamed(m.place);
        const CalendarDate &w = m.written;
        EXPECT_TRUE(DaysWritten(place, w.year, w.month, w.day, m.style).empty()) << m.message;
        EXPECT_EQ(MissingDayMessage(place, w.year, w.month, w.day, m.style), m.message);
    }
}

// The Ides of March, 44 BC (JDN 1,705,426), as Rome and, in its reckoning, England wrote it.
TEST(PlaceHistory, DaysBeforeChristAreWrittenBC)
{
    const int32_t ides = Julian(-43, 3, 15);
    EXPECT_EQ(ides, 1705426);
    EXPECT_EQ(DaysWritten(PlaceNamed("rome"), -43, 3, 15), std::vector<int32_t>{ides});
    EXPECT_EQ(WriteDay(PlaceNamed("rome"), ides).text, "15 March 44 BC");
    EXPECT_EQ(WriteDay(PlaceNamed("england"), ides).text, "15 March 45/44 BC") << "before 25 March";
    EXPECT_EQ(WriteDay(PlaceNamed("pisa"), Julian(0, 5, 1)).text, "1 May 1 AD/1 BC");
    EXPECT_EQ(DayMonthYearText({0, 12, 31}), "31 December 1 BC");
}

// Famous days, written where they happened, against their published New Style dates.
TEST(PlaceHistory, WellKnownDatesAsPublished)
{
    struct Famous {
        const char *place, *what;
        int32_t writtenYear, month, day;
        CalendarDate gregorian;
    };
    const Famous famous[] = {
        {"england", "Isaac Newton born", 1642, 12, 25, {1643, 1, 4}},
        {"british-america", "George Washington born", 1731, 2, 11, {1732, 2, 22}},
        {"england", "Shakespeare died", 1616, 4, 23, {1616, 5, 3}},
        {"spain", "Cervantes died", 1616, 4, 22, {1616, 4, 22}},
        {"russia", "the October Revolution", 1917, 10, 25, {1917, 11, 7}},
        {"england", "Charles I executed", 1648, 1, 30, {1649, 2, 9}},
        {"sweden", "Charles XII died", 1718, 11, 30, {1718, 12, 11}},
    };
    for (const Famous &f : famous) {
        const std::vector<int32_t> days = DaysWritten(PlaceNamed(f.place), f.writtenYear, f.month, f.day);
        ASSERT_EQ(days.size(), 1u) << f.what;
        EXPECT_EQ(JDNToDate(Calendar::Gregorian, days.front(), {}), f.gregorian) << f.what;
    }
}

TEST(PlaceHistory, TheReaderNamesTheFaultyLine)
{
    const std::pair<const char *, const char *> faults[] = {
        {"x\tX\tjulian ..\tcircumcision ..\tsrc", "line 1: 6 fields separated by tabs expected, 5 found"},
        {"# c\nx\tX\tjulian ..1582-10-04 | gregorian 1582-10-16..\tcircumcision ..\tsrc\t",
         "line 2: x: the periods do not follow one another day by day at 'gregorian 1582-10-16..'"},
        {"x\tX\tjulian ..1582-10-04\tcircumcision ..\tsrc\t", "line 1: x: the last period must stay open"},
        {"x\tX\tcoptic ..\tcircumcision ..\tsrc\t", "line 1: x: unknown name 'coptic'"},
        {"x\tX\tjulian ..\tflorentine ..\tsrc\t", "line 1: x: unknown name 'florentine'"},
        {"x\tX\tjulian ..\tcircumcision ..\t\t", "line 1: every place needs an id and a source"},
        {"x\tX\tjulian 1582-10-04\tcircumcision ..\tsrc\t",
         "line 1: x: a period is not written as NAME FIRST..LAST: 'julian 1582-10-04'"},
        {"x\tX\tjulian+2 ..1582-10-04 | gregorian 1582-10-15..\tcircumcision ..\tsrc\t",
         "line 1: x: a day offset is +1 or -1: 'julian+2'"},
        {"x\tX\tjulian ..1582-10-04 | gregorian+1 1582-10-15..\tcircumcision ..\tsrc\t",
         "line 1: x: a period a day ahead needs its last day, one behind its first: 'gregorian+1 "
         "1582-10-15..'"},
        {"x\tX\tjulian-1 ..1582-10-04 | gregorian 1582-10-15..\tcircumcision ..\tsrc\t",
         "line 1: x: a period a day ahead needs its last day, one behind its first: 'julian-1 ..1582-10-04'"},
        {"x\tX\tjulian ..\tcircumcision+1 ..\tsrc\t", "line 1: x: unknown name 'circumcision+1'"},
        // Outside its twelve years the Swedish calendar has no date to write.
        {"x\tX\tjulian ..1700-02-28 | swedish 1700-03-01..\tcircumcision ..\tsrc\t",
         "line 1: x: a swedish period needs its first and last day"},
    };
    for (const auto &[text, error] : faults) {
        const PlaceTable table = ParsePlaceTable(text);
        EXPECT_EQ(table.error, error);
        EXPECT_TRUE(table.places.empty());
    }
}

}  // namespace
}  // namespace vardex::test
