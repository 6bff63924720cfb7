// SPDX-License-Identifier: MIT
// The church feasts, Jewish holidays and Islamic months on calendar pages: against python3-dateutil's
// and python3-convertdate's computations (data/, made by tools/oracles/calendar_marks_tables.py), and
// on days that historians give for places.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "engine/Calendars.h"
#include "history/WrittenDayReading.h"
#include "pages/ChurchFeasts.h"
#include "pages/PageMarks.h"

namespace vardex::test {
namespace {

using Texts = std::multiset<std::string>;

// The rows of a table in data/, its fields separated by tabs where it has them, else by spaces.
std::vector<std::vector<std::string>> Rows(const std::string &name, size_t atLeast = 1000)
{
    std::ifstream file(std::string(PAGES_DATA) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field;
             std::getline(fields, field, line.find('\t') != std::string::npos ? '\t' : ' ');)
            rows.back().push_back(field);
    }
    EXPECT_GE(rows.size(), atLeast) << name;
    return rows;
}

PageCalendar CalendarNamed(const std::string &name)
{
    static const PlaceTable table = LoadPlaceTable(CALENDAR_HISTORY_FOLDER);
    const auto place = std::ranges::find(table.places, name, &Place::id);
    if (place != table.places.end())
        return {PageCalendarKind::Place, &*place};
    return {name == "julian" ? PageCalendarKind::Julian
            : name == "dee"  ? PageCalendarKind::Dee
                             : PageCalendarKind::Gregorian};
}

// The marks of a month page (of the kinds vardex-cli names) as "id YYYY-MM-DD", the date as the page
// wrote it; or those of a day of the month (every day for 0) as "kind id name".
Texts Marked(const std::string &calendar, int32_t year, int32_t month, const std::string &kinds,
             int32_t day = -1)
{
    const PageCalendar page = CalendarNamed(calendar);
    const MonthPage days = BuildMonthPage(page, year, month).value();
    const auto marks = MarksOfMonth(days, page, MarkChoiceNamed(kinds).value());
    Texts texts;
    for (size_t i = 0; i < days.days.size(); ++i) {
        const CalendarDate &d = days.days[i].date;
        char date[40];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", d.year, d.month, d.day);
        for (const DayMark &mark : marks[i]) {
            if (day < 0)
                texts.insert(mark.id + " " + date);
            else if (day == 0 || d.day == day)
                texts.insert(std::string(MarkKindId(mark.kind)) + " " + mark.id + " " + mark.name);
        }
    }
    return texts;
}

// Easter on a page, or at a place, by the reckoning it kept: the Julian page and Russia always the
// Julian computus, England's until 1752.
TEST(ChurchFeasts, EasterInEachReckoningWhereThePageOrPlaceKeptIt)
{
    const auto easter = [](const std::string &calendar, const std::string &date) {
        Texts texts = Marked(calendar, std::stoi(date), std::stoi(date.substr(date.size() - 5)), "feasts");
        std::erase_if(texts, [](const std::string &text) { return !text.starts_with("easter "); });
        EXPECT_EQ(texts, Texts{"easter " + date}) << calendar;
    };
    for (const auto &row : Rows("easter-dateutil.tsv")) {
        const std::string &western = row[1], &julian = row[2], &orthodox = row[3];
        easter("julian", julian);
        easter("russia", std::stoi(row[0]) < 1918 || orthodox == "-" ? julian : orthodox);
        if (western != "-") {
            easter("gregorian", western);
            easter("england", std::stoi(row[0]) <= 1752 ? julian : western);
        }
    }
}

// Every mark of whole years: the Western feasts on the Gregorian pages, the Orthodox on Greece's
// (Gregorian from 1923), the Jewish holidays and the tabular Islamic months.
TEST(PageMarks, WholeYears)
{
    std::map<std::string, Texts> expected, marked;
    for (const auto &row : Rows("year-marks.tsv")) {
        const std::string key = row[0] + " " + row[1];
        for (int32_t month = 1; month <= 12 && !expected.contains(key); ++month)
            marked[key].merge(Marked(row[0] == "greece" ? "greece" : "gregorian", std::stoi(row[1]), month,
                                     row[0] == "jewish" || row[0] == "islamic" ? row[0] : "feasts"));
        expected[key].insert(row[2] + " " + row[3]);
    }
    for (const auto &[key, marks] : expected)
        EXPECT_EQ(marked[key], marks) << key;
}

// Days as places wrote them (the sources in the file), each with its marks: names, quarter and term
// days, gaps, the ends of the range and of the Umm al-Qura table.
TEST(PageMarks, DaysAsWritten)
{
    for (const auto &row : Rows("days-as-written.tsv", 20)) {
        Texts marks;
        for (size_t at = 0, end = 0; row[3] != "-" && end != std::string::npos; at = end + 3)
            marks.insert(row[3].substr(at, (end = row[3].find(" | ", at)) - at));
        EXPECT_EQ(Marked(row[0], std::stoi(row[2]), std::stoi(row[2].substr(row[2].size() - 5)), row[1],
                         std::stoi(row[2].substr(row[2].size() - 2))),
                  marks)
            << row[0] << " " << row[2];
    }
    // The Dee page's fixed feasts by the Gregorian calendar.
    const CalendarDate dee =
        JDNToDate(Calendar::Dee, *DateToJDN(Calendar::Gregorian, {2024, 12, 25}, {}), DeeVariant::DeeCecil);
    EXPECT_EQ(Marked("dee", dee.year, dee.month, "feasts", dee.day), Texts{"feast christmas Christmas"});
}

TEST(ChurchFeasts, RulesTextForTheFooter)
{
    const std::string gregorian = "Western church; Easter by the Gregorian reckoning";
    const struct {
        const char *calendar;
        int32_t year;
        std::string text;
    } cases[] = {
        {"dee", 1500, gregorian},
        {"julian", 2024, "Western church; Easter by the Julian reckoning"},
        {"russia", 2024, "Orthodox church; Easter by the Julian reckoning"},
        {"england", 1752,
         "Western church; Easter by the Julian reckoning until the change of 1752, the Gregorian after"},
        {"friesland", 1701, gregorian},  // 31 December 1700 was followed by 12 January 1701
        {"germany-protestant", 1725, gregorian},
        {"germany-protestant", 1744,
         gregorian + " (the Protestant states kept Easter 1744 on another Sunday by their own astronomical "
                     "reckoning, not shown)"},
    };
    EXPECT_EQ(FeastRulesText({PageCalendarKind::Place, nullptr}, 2024), "");
    for (const auto &c : cases)
        EXPECT_EQ(FeastRulesText(CalendarNamed(c.calendar), c.year), c.text) << c.calendar << " " << c.year;
}

}  // namespace
}  // namespace vardex::test
