// SPDX-License-Identifier: MIT
// Dates as they were written: Easter against published tables, each year-start style at its
// boundaries, the dual year texts, and the Swedish calendar of 1700-1712.
#include <gtest/gtest.h>

#include "engine/Calendars.h"
#include "history/Easter.h"
#include "history/SwedishCalendar.h"
#include "history/YearStart.h"

namespace vardex::test {
namespace {

// Easter Sunday in both reckonings, each as a month and day of its own calendar. Sources: the
// tables of the Astronomical Society of South Australia (Gregorian, and its worked examples of the
// Julian reckoning: 1994, 1995) and of the Orthodox Paschalion. Any year's: a Sunday, 22 March to 25 April.
TEST(Easter, BothReckoningsAgreeWithPublishedTablesAndFallOnASundayBetween22MarchAnd25April)
{
    const int32_t easters[][5] = {{2024, 4, 22, 3, 31}, {2025, 4, 7, 4, 20},  {2019, 4, 15, 4, 21},
                                  {2000, 4, 17, 4, 23}, {1818, 4, 14, 3, 22}, {2038, 4, 12, 4, 25},
                                  {1583, 3, 31, 4, 10}, {325, 4, 18, 4, 19},  {1994, 4, 18, 4, 3},
                                  {1995, 4, 10, 4, 16}};
    for (const auto &[year, jm, jd, gm, gd] : easters) {
        EXPECT_EQ(JulianEaster(year), (CalendarDate{year, jm, jd})) << year;
        EXPECT_EQ(GregorianEaster(year), (CalendarDate{year, gm, gd})) << year;
    }
    for (int32_t year = -3000; year <= 6000; ++year) {
        for (const auto &[calendar, easter] : {std::pair{Calendar::Julian, JulianEaster(year)},
                                               std::pair{Calendar::Gregorian, GregorianEaster(year)}}) {
            const int32_t jdn = DateToJDN(calendar, easter, DeeVariant::DeeCecil).value();
            ASSERT_EQ((jdn + 1) % 7, 0) << year << ": not a Sunday";
            ASSERT_TRUE((easter.month == 3 && easter.day >= 22) || (easter.month == 4 && easter.day <= 25))
                << year;
        }
    }
}

// Each style on the day before its new year and on the new year's day, in calendar year 1700: the
// last day of written year 1699 or 1700 and the first of the next.
TEST(YearStart, EachStyleChangesItsNumberOnItsNewYearsDay)
{
    const std::tuple<YearStart, CalendarDate, CalendarDate, int32_t> boundaries[] = {
        {YearStart::Circumcision, {1699, 12, 31}, {1700, 1, 1}, 1699},
        {YearStart::Annunciation, {1700, 3, 24}, {1700, 3, 25}, 1699},
        {YearStart::Pisan, {1700, 3, 24}, {1700, 3, 25}, 1700},
        {YearStart::Nativity, {1700, 12, 24}, {1700, 12, 25}, 1700},
        {YearStart::Venetian, {1700, 2, 28}, {1700, 3, 1}, 1699},
        {YearStart::Byzantine, {1700, 8, 31}, {1700, 9, 1}, 1700},
        {YearStart::Easter, {1700, 3, 30}, {1700, 3, 31}, 1699},  // Julian Easter 1700: 31 March
    };
    for (const auto &[style, before, first, written] : boundaries) {
        const char *name = YearStartName(style);
        EXPECT_EQ(YearStartNamed(name), style);
        EXPECT_EQ(WrittenYear(style, before), written) << name;
        EXPECT_EQ(WrittenYear(style, first), written + 1) << name;
        EXPECT_EQ(CalendarYears(style, written, before.month, before.day), std::vector{before.year}) << name;
    }
    // Julian Easter fell on 31 March 1700 and 20 April 1701: written year 1700 held 31 March to
    // 19 April twice. (A date it never held: the missing dates of PlaceHistoryTest.)
    EXPECT_EQ(CalendarYears(YearStart::Easter, 1700, 4, 1), (std::vector<int32_t>{1700, 1701}));
    EXPECT_EQ(CalendarYears(YearStart::Easter, 1700, 4, 20), (std::vector<int32_t>{1700}));
    EXPECT_EQ(CalendarYears(YearStart::Easter, 1700, 3, 30), (std::vector<int32_t>{1701}));
}

TEST(YearStart, DualYearsAreShortenedAsHistoriansWriteThem)
{
    // Before AD 1 both numbers whole, as BC years count down (45/44 BC: PlaceHistoryTest).
    const std::tuple<int32_t, int32_t, const char *> cases[] = {{1709, 1710, "1709/10"},
                                                                {1699, 1700, "1699/1700"},
                                                                {999, 1000, "999/1000"},
                                                                {1752, 1752, "1752"},
                                                                {-8, -9, "9/10 BC"},
                                                                {0, 1, "1 BC/1 AD"},
                                                                {0, 0, "1 BC"},
                                                                {1, 2, "1/2"},
                                                                {2, 1, "2/1"}};
    for (const auto &[year, other, text] : cases)
        EXPECT_EQ(DualYearText(year, other), text);
    EXPECT_EQ(YearText(INT32_MIN), "2147483649 BC") << "1 - year without overflow";
}

TEST(SwedishCalendar, OneDayAheadOfTheJulianFrom1700To30February1712)
{
    EXPECT_EQ(DateToJDN(Calendar::Julian, {1700, 2, 29}, {}), kFirstSwedishJdn);
    EXPECT_FALSE(SwedishDate(kFirstSwedishJdn - 1)) << "28 February 1700 is still Julian";
    EXPECT_EQ(SwedishDate(kLastSwedishJdn - 1), (CalendarDate{1712, 2, 29}));
    EXPECT_FALSE(SwedishDate(kLastSwedishJdn + 1)) << "1 March 1712 is Julian again";
    for (int32_t jdn = kFirstSwedishJdn; jdn <= kLastSwedishJdn; ++jdn)
        ASSERT_EQ(SwedishJdn(*SwedishDate(jdn)), jdn);
    EXPECT_FALSE(SwedishJdn({1712, 3, 1}));
}

}  // namespace
}  // namespace vardex::test
