// SPDX-License-Identifier: MIT
// The calendar history of places from the program's data file: changes of calendar, days as written
// against published dates, why a written date gave no day, the file's faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "engine/Calendars.h"
#include "engine/TextForms.h"
#include "history/WrittenDayReading.h"

namespace vardex::test {
namespace {

const PlaceTable &Table()
{
    static const PlaceTable table = LoadPlaceTable(CALENDAR_HISTORY_FOLDER);
    return table;
}

const Place &PlaceNamed(const std::string &id)
{
    const auto place = std::ranges::find(Table().places, id, &Place::id);
    return place != Table().places.end() ? *place : throw std::runtime_error("no place " + id);
}

// Around every change, each day as written reads back as that day (a one-way day offset would not)
// and its written year never falls (MissingDayMessage relies on it); skipped dates stand for no day.
TEST(PlaceHistory, AroundEveryChangeDaysReadBackAndSkippedDatesStandForNone)
{
    ASSERT_EQ(Table().error, "");
    ASSERT_GE(Table().places.size(), 30u);
    for (const Place &place : Table().places) {
        std::vector<int32_t> changes;
        for (const CalendarPeriod &p : place.calendars)
            changes.push_back(p.firstJdn);
        for (const StylePeriod &p : place.styles)
            changes.push_back(p.firstJdn);
        for (const int32_t change : changes) {
            for (int32_t jdn = change == INT32_MIN ? 0 : change - 800; jdn < change + 800; ++jdn) {
                const WrittenDay day = WriteDay(place, jdn);
                const std::vector<int32_t> days =
                    DaysWritten(place, day.writtenYear, day.date.month, day.date.day);
                ASSERT_NE(std::find(days.begin(), days.end(), jdn), days.end()) << place.id << day.text;
                ASSERT_LE(day.writtenYear, WriteDay(place, jdn + 1).writtenYear) << place.id << jdn;
            }
        }
        for (size_t i = 1; i < place.calendars.size(); ++i) {
            // The day after the old calendar's last, as that calendar would have written it.
            const CalendarPeriod &old = place.calendars[i - 1];
            const CalendarDate next =
                DateInPeriod(old, old.lastJdn + 1)
                    .value_or(DateInKeptCalendar(KeptCalendar::Julian, old.lastJdn + 1).value());
            const WrittenDay first = WriteDay(place, old.lastJdn + 1);
            const bool skipped = next.day != first.date.day || next.month != first.date.month;
            EXPECT_TRUE(!skipped ||
                        DaysWritten(place, WrittenYear(first.style, next), next.month, next.day).empty())
                << place.id << " " << next.year << "-" << next.month << "-" << next.day;
        }
    }
}

// Days as written where they happened against their published New Style dates (births, deaths, the
// October Revolution, the Ides of March), around changes of year start and calendar; and why a written
// date gave no day (the Easter dates: Julian reckoning; beyond the int32 JDNs). Alaska's transfer and
// a date the Easter style gave twice: tests/cli/history.txt.
TEST(PlaceHistory, DaysAreWrittenAsThePlacesWroteThemOrSayWhyThereIsNone)
{
    struct Day {
        const char *place;
        int32_t year, month, day;  // as written
        CalendarDate gregorian;
        const char *text, *style = nullptr;  // style: another than the place's own
    };
    const CalendarDate none{};  // no such day: the text says why
    const Day days[] = {
        {"england", 1642, 12, 25, {1643, 1, 4}, "25 December 1642 (O.S.)"},
        {"england", 1616, 4, 23, {1616, 5, 3}, "23 April 1616 (O.S.)"},
        {"spain", 1616, 4, 22, {1616, 4, 22}, "22 April 1616"},
        {"russia", 1917, 10, 25, {1917, 11, 7}, "25 October 1917 (O.S.)"},
        {"england", 1648, 1, 30, {1649, 2, 9}, "30 January 1648/9 (O.S.)"},
        {"sweden", 1718, 11, 30, {1718, 12, 11}, "30 November 1718 (O.S.)"},
        {"rome", -43, 3, 15, {-43, 3, 13}, "15 March 44 BC"},
        {"england", -44, 3, 15, {-43, 3, 13}, "15 March 45/44 BC"},
        {"england", 1750, 3, 24, {1751, 4, 4}, "24 March 1750/1 (O.S.)"},
        {"england", 1751, 3, 25, {1751, 4, 5}, "25 March 1751 (O.S.)"},   // Lady Day began 1751
        {"england", 1752, 1, 1, {1752, 1, 12}, "1 January 1752 (O.S.)"},  // and 1752 began on 1 January
        {"pisa", 1701, 5, 1, {1700, 5, 1}, "1 May 1701/1700"},
        {"pisa", 1700, 5, 1, {1700, 5, 1}, "1 May 1700", "circumcision"},
        {"pisa", 1, 5, 1, {0, 4, 29}, "1 May 1 AD/1 BC"},
        {"sweden", 1712, 2, 30, {1712, 3, 11}, "30 February 1712 (O.S.)"},
        {"england", 1752, 9, 10, none,
         "10 September 1752 did not exist in England and Wales: 2 September 1752 was followed by "
         "14 September 1752."},
        {"sweden", 1700, 2, 29, none,
         "29 February 1700 did not exist in Sweden: 28 February 1700 was followed by 1 March 1700."},
        {"scotland", 1599, 2, 1, none,
         "1 February 1599 did not exist in Scotland: there the year 1599 ran from 25 March 1599 to "
         "31 December 1599."},
        {"france", 1538, 4, 10, none,
         "10 April 1538 did not exist in France: there the year 1538 ran from 21 April 1538 to 5 April "
         "1538."},
        {"england", 1699, 4, 5, none,
         "5 April 1699 did not exist in England and Wales: there the year 1699 ran from 9 April 1699 to "
         "30 March 1699.",
         "easter"},
        {"pisa", 1700, 4, 31, none,
         "31 April 1700 did not exist in Pisa (Tuscany): April 1700/1699 had 30 days."},
        {"england", 1712, 2, 29, none,
         "29 February 1712 did not exist in England and Wales: February 1712/3 had 28 days."},
        {"sweden", 1712, 2, 31, none, "31 February 1712 did not exist in Sweden: February 1712 had 30 days."},
        {"england", 1752, 9, 31, none,
         "31 September 1752 did not exist in England and Wales: September 1752 had 19 days."},
        {"england", 9999999, 1, 1, none, "1 January 9999999 lies beyond the days the program counts."},
        {"rome", INT32_MIN, 1, 1, none, "1 January 2147483649 BC lies beyond the days the program counts."},
        {"rome", 5874898, 12, 31, none, "31 December 5874898 lies beyond the days the program counts."},
        {"alaska", -5884202, 3, 16, none, "16 March 5884203 BC lies beyond the days the program counts."},
    };
    for (const Day &d : days) {
        const Place &place = PlaceNamed(d.place);
        const std::optional<YearStart> style = d.style ? YearStartNamed(d.style) : std::nullopt;
        const WrittenDayReading r = ReadWrittenDay(place, d.year, d.month, d.day, style);
        if (d.gregorian == none) {
            EXPECT_EQ(std::pair(r.day, r.missing), std::pair(std::optional<int32_t>(), std::string(d.text)));
            continue;
        }
        ASSERT_TRUE(r.day) << d.text;
        EXPECT_EQ(JDNToDate(Calendar::Gregorian, *r.day, {}), d.gregorian) << d.text;
        EXPECT_EQ(WriteDay(place, *r.day, style).text, d.text);
    }
}

// The file missing, a folder in its place, or a faulty line (named): the message shown, no places.
TEST(PlaceHistory, AFileThatCannotBeReadOrIsFaultyGivesNoPlaces)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("vardex-history-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "calendar-history.tsv");
    EXPECT_EQ(LoadPlaceTable(folder.string()).error,  // a missing file: the window's test
              "The calendar history file " + folder.string() + "/calendar-history.tsv cannot be read.");
    fs::remove_all(folder / "calendar-history.tsv");
    const std::pair<const char *, const char *> faults[] = {
        {"x\tX\tjulian ..\tcircumcision ..\tsrc", "line 1: 6 fields separated by tabs expected, 5 found"},
        {"# c\nx\tX\tjulian ..1582-10-04 | gregorian 1582-10-16..\tcircumcision ..\tsrc\t",
         "line 2: x: the periods do not follow one another day by day at 'gregorian 1582-10-16..'"},
        {"x\tX\tjulian ..1582-10-04\tcircumcision ..\tsrc\t", "line 1: x: the last period must stay open"},
        {"x\tX\tcoptic ..\tcircumcision ..\tsrc\t", "line 1: x: unknown name 'coptic'"},
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
        {"x\tX\tjulian ..1700-02-28 | swedish 1700-03-01..\tcircumcision ..\tsrc\t",
         "line 1: x: a swedish period needs its first and last day"},
    };
    for (const auto &[text, error] : faults) {
        std::ofstream(folder / "calendar-history.tsv") << text;
        const PlaceTable table = LoadPlaceTable(folder.string());
        EXPECT_EQ(table.error, std::string("The calendar history file is faulty: ") + error);
        EXPECT_TRUE(table.places.empty());
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vardex::test
