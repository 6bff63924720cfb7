// SPDX-License-Identifier: MIT
// Calendar pages against ncal's layout of places' changes of calendar and against historical
// facts: the days a place wrote, their weekdays, the title as it wrote its year.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Calendars.h"
#include "history/WrittenDayReading.h"
#include "pages/CalendarPage.h"
#include "pages/PageMarks.h"
#include "pages/SecondDates.h"

namespace vardex {
namespace {

const PlaceTable &Places()
{
    static const PlaceTable table = LoadPlaceTable(VARDEX_DATA_FOLDER);
    return table;
}

PageCalendar AtPlace(const std::string &id)
{
    for (const Place &place : Places().places) {
        if (place.id == id)
            return {PageCalendarKind::Place, &place, DeeVariant::DeeCecil};
    }
    ADD_FAILURE() << "no place " << id;
    return {};
}

// "DAY:COLUMN ..." of a page, Monday as column 0, as the ncal table writes it.
std::string Layout(const MonthPage &page, FirstWeekday first = FirstWeekday::Monday)
{
    std::string text;
    for (const auto &row : WeekRows(page, first)) {
        for (int column = 0; column < 7; ++column) {
            if (row[static_cast<size_t>(column)] >= 0)
                text += std::to_string(
                            page.days[static_cast<size_t>(row[static_cast<size_t>(column)])].date.day) +
                        ":" + std::to_string(column) + " ";
        }
    }
    return text;
}

TEST(CalendarPage, ChangesOfCalendarAsNcalLaysThemOut)
{
    std::ifstream file(std::string(PAGES_DATA) + "/switch-months-ncal.tsv");
    std::string line;
    int rows = 0;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string id;
        int year = 0;
        int month = 0;
        fields >> id >> year >> month;
        std::string expected;
        for (std::string cell; fields >> cell;)
            expected += cell + " ";
        const auto page = BuildMonthPage(AtPlace(id), year, month);
        ASSERT_TRUE(page) << id;
        EXPECT_EQ(Layout(*page), expected) << id << " " << year << "-" << month;
        ++rows;
    }
    EXPECT_GE(rows, 20);
}

TEST(CalendarPage, TheSwedishThirtiethOfFebruary1712)
{
    // Sweden dropped its leap day of 1700 and restored the Julian calendar by a 30 February 1712,
    // a Friday (11 March 1712 in the Gregorian calendar); the 1st was a Thursday.
    const auto page = BuildMonthPage(AtPlace("sweden"), 1712, 2);
    ASSERT_TRUE(page);
    ASSERT_EQ(page->days.size(), 30U);
    EXPECT_EQ(page->days.front().weekday, 4);
    EXPECT_EQ(page->days.back().weekday, 5);
    EXPECT_EQ(page->days.back().jdn, *DateToJDN(Calendar::Gregorian, {1712, 3, 11}, DeeVariant::Dee));
    EXPECT_EQ(page->title, "February 1712");
}

TEST(CalendarPage, TitlesAsThePlaceWroteItsYear)
{
    const struct {
        const char *place;
        int year;
        int month;
        const char *title;
        bool note;
    } cases[] = {
        {"england", 1751, 2, "February 1750/1", true},  // Lady Day still began the year
        {"england", 1751, 3, "March 1750/1", true},
        {"england", 1752, 2, "February 1752", false},    // from 1752 the year began on 1 January
        {"venice", 1600, 1, "January 1599/1600", true},  // more veneto: the year from 1 March
        {"rome", 1582, 10, "October 1582", false},
    };
    for (const auto &c : cases) {
        const auto page = BuildMonthPage(AtPlace(c.place), c.year, c.month);
        ASSERT_TRUE(page);
        EXPECT_EQ(page->title, c.title);
        EXPECT_EQ(!page->yearStartNote.empty(), c.note) << c.title;
    }
    const auto annunciation = BuildMonthPage(AtPlace("england"), 1751, 2);
    EXPECT_NE(annunciation->yearStartNote.find("25 March"), std::string::npos) << annunciation->yearStartNote;
}

TEST(CalendarPage, ThePlainCalendars)
{
    const struct {
        PageCalendarKind kind;
        int year;
        int month;
        size_t days;
        int16_t firstWeekday;
        const char *title;
    } cases[] = {
        {PageCalendarKind::Gregorian, 2024, 2, 29, 4, "February 2024"},  // a Thursday
        {PageCalendarKind::Gregorian, 1900, 2, 28, 4, "February 1900"},
        {PageCalendarKind::Julian, 1900, 2, 29, 2, "February 1900"},  // 13 February 1900, a Tuesday
        {PageCalendarKind::Julian, 1582, 10, 31, 1, "October 1582"},  // no gap in the calendar itself
    };
    for (const auto &c : cases) {
        const auto page = BuildMonthPage({c.kind, nullptr, DeeVariant::DeeCecil}, c.year, c.month);
        ASSERT_TRUE(page);
        EXPECT_EQ(page->days.size(), c.days) << c.title;
        EXPECT_EQ(page->days.front().weekday, c.firstWeekday) << c.title;
        EXPECT_EQ(page->title, c.title);
    }
    EXPECT_FALSE(BuildMonthPage({}, 2024, 13));
    EXPECT_FALSE(BuildMonthPage({}, 2024, 0));
    EXPECT_FALSE(BuildMonthPage({}, 6000000, 1));  // beyond the 32-bit JDNs
    EXPECT_FALSE(BuildMonthPage({PageCalendarKind::Place, nullptr, DeeVariant::Dee}, 2024, 1));
    EXPECT_EQ(BuildMonthPage({PageCalendarKind::Julian}, -43, 3)->title, "March 44 BC");
    const auto year = BuildYearPage({}, -43);
    ASSERT_TRUE(year);
    EXPECT_EQ(year->months.size(), 12U);
    EXPECT_EQ(year->title, "44 BC");
}

TEST(CalendarPage, SundayFirstWeeks)
{
    // September 1752 in London as `ncal -b -s GB 9 1752` shows it with Sunday first.
    const auto page = BuildMonthPage(AtPlace("england"), 1752, 9);
    ASSERT_TRUE(page);
    EXPECT_EQ(
        Layout(*page, FirstWeekday::Sunday),
        "1:2 2:3 14:4 15:5 16:6 17:0 18:1 19:2 20:3 21:4 22:5 23:6 24:0 25:1 26:2 27:3 28:4 29:5 30:6 ");
}

TEST(CalendarPage, SeasonsAndMoonMarkedInLocalTime)
{
    // At Greenwich the March equinox of 2024 fell on the 20th at 03:06 UT; in Rome's local mean
    // time (12 degrees 29 minutes east, 50 minutes ahead) at 03:56.
    const auto marchAt = [](const PageCalendar &calendar) {
        const auto page = BuildMonthPage(calendar, 2024, 3);
        const auto marks = MarksOfMonth(*page, calendar, MarkChoice{false, true, false, false, false, {}});
        for (size_t i = 0; i < marks.size(); ++i) {
            for (const DayMark &mark : marks[i]) {
                if (mark.id == "march_equinox")
                    return std::to_string(page->days[i].date.day) + " " + mark.time;
            }
        }
        return std::string("none");
    };
    EXPECT_EQ(marchAt({}), "20 03:06");
    EXPECT_EQ(marchAt(AtPlace("rome")), "20 03:56");
    EXPECT_EQ(MeridianOfPage(AtPlace("rome")).city, "Rome");
    EXPECT_EQ(MeridianOfPage({}).city, "Greenwich");
}

TEST(CalendarPage, MarkChoicesByName)
{
    EXPECT_FALSE(MarkChoiceNamed("none")->feasts);
    EXPECT_TRUE(MarkChoiceNamed("all")->islamic);
    const auto some = MarkChoiceNamed("feasts,moon,islamic-umm-al-qura");
    ASSERT_TRUE(some);
    EXPECT_TRUE(some->feasts && some->moon && some->islamic && !some->seasons && !some->jewish);
    EXPECT_EQ(some->islamicReckoning, IslamicReckoning::UmmAlQura);
    for (const char *bad : {"", "feast", "moon,", "ALL", "jewish,,moon"})
        EXPECT_FALSE(MarkChoiceNamed(bad)) << bad;
}

TEST(CalendarPage, SecondDates)
{
    // 1 Tishrei 5785 (Rosh Hashanah) was 3 October 2024.
    const int32_t roshHashanah = *DateToJDN(Calendar::Gregorian, {2024, 10, 3}, DeeVariant::Dee);
    const auto hebrew = SecondDateOf(SecondCalendar::Hebrew, roshHashanah, DeeVariant::Dee);
    ASSERT_TRUE(hebrew);
    EXPECT_EQ(hebrew->year, 5785);
    EXPECT_EQ(hebrew->month, 7);
    EXPECT_EQ(hebrew->day, 1);
    EXPECT_EQ(hebrew->monthName, "Tishrei");
    EXPECT_FALSE(SecondDateOf(SecondCalendar::None, roshHashanah, DeeVariant::Dee));
    EXPECT_EQ(SecondCalendarNamed("hebrew"), SecondCalendar::Hebrew);
    EXPECT_FALSE(SecondCalendarNamed("Hebrew"));
    // The reader's second calendar: the other of Julian and Gregorian, as the place wrote the day.
    const PageCalendar england = AtPlace("england");
    const auto before = BuildMonthPage(england, 1752, 9);
    EXPECT_EQ(DefaultSecondCalendar(england, before->days.front()),
              SecondCalendar::Gregorian);  // 1 September, O.S.
    EXPECT_EQ(DefaultSecondCalendar(england, before->days.back()), SecondCalendar::Julian);
    EXPECT_EQ(DefaultSecondCalendar({PageCalendarKind::Julian}, before->days.back()),
              SecondCalendar::Gregorian);
    EXPECT_EQ(DefaultSecondCalendar({}, before->days.back()), SecondCalendar::Julian);
}

}  // namespace
}  // namespace vardex
