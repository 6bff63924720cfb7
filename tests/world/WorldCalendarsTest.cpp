// SPDX-License-Identifier: MIT
// The day in the world's calendars against published dates: new years, leap months and leap
// years, the first days of eras and of each calendar's range, and the ends of the JDN range.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "engine/Calendars.h"
#include "world/HandCalendars.h"
#include "world/WorldCalendars.h"

namespace vardex::test {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();

int32_t Gregorian(int32_t y, int32_t m, int32_t d)
{
    return DateToJDN(Calendar::Gregorian, {y, m, d}, DeeVariant::DeeCecil).value();
}

WorldDay Row(int32_t jdn, const std::string &id)
{
    const std::vector<WorldDay> days = DayInWorldCalendars(jdn, DeeVariant::DeeCecil);
    const auto day = std::find_if(days.begin(), days.end(), [&](const WorldDay &d) { return d.id == id; });
    return day == days.end() ? WorldDay{} : *day;
}

// Published tables (hebcal.com, Umm al-Qura, the Iranian calendar centre, the Hong Kong Observatory, the
// Coptic and Ethiopian churches, the Indian national calendar, Japanese era proclamations, the French
// decree of 1793, the Maya GMT correlation); eras' first days as JDNs; the ends of the JDN range (the
// ISO weeks whose Thursdays lie beyond them, ICU's first "before Minguo" day); JSON.
TEST(WorldCalendars, AgreeWithPublishedDatesAndHoldTheEdges)
{
    struct Case {
        int32_t jdn;
        const char *calendar, *text;
    };
    const Case cases[] = {
        {Gregorian(2024, 10, 3), "hebrew", "1 Tishrei 5785"},
        {Gregorian(2025, 3, 14), "hebrew", "14 Adar 5785"},
        {Gregorian(2024, 7, 7), "islamic_umalqura", "1 Muharram 1446 AH"},
        {Gregorian(2024, 3, 11), "islamic_umalqura", "1 Ramadan 1445 AH"},
        {Gregorian(2024, 3, 20), "persian", "1 Farvardin 1403 SH"},
        {Gregorian(2024, 2, 10), "chinese", "cycle 78, year 41 Jia-Chen (Dragon), month 1, day 1"},
        {Gregorian(2024, 9, 11), "coptic", "1 Thout 1741"},
        {Gregorian(2024, 9, 11), "ethiopian", "1 Meskerem 2017"},
        {Gregorian(2025, 1, 7), "ethiopian", "29 Tahsas 2017"},
        {Gregorian(2024, 3, 21), "indian", "1 Chaitra 1946 Saka"},
        {Gregorian(2019, 5, 1), "japanese", "1 May Reiwa 1"},
        {Gregorian(1989, 1, 7), "japanese", "7 January Shōwa 64"},
        {Gregorian(1912, 1, 1), "roc", "1 January Minguo 1"},
        {Gregorian(1911, 12, 31), "roc", "31 December before Minguo 1"},
        {Gregorian(2024, 1, 1), "buddhist", "1 January 2567 BE"},
        {Gregorian(1794, 7, 27), "french_republican", "9 Thermidor 2"},
        {Gregorian(1795, 9, 22), "french_republican", "6 Sansculottides 3"},
        {Gregorian(1806, 1, 1), "french_republican", "11 Nivôse 14"},
        {Gregorian(2100, 12, 31), "chinese", "cycle 79, year 57 Geng-Shen (Monkey), month 12, day 1"},
        {Gregorian(2101, 1, 1), "chinese", "out of range"},
        {Gregorian(2012, 12, 21), "mayan", "13.0.0.0.0 4 Ajaw 3 Kʼankʼin"},
        {Gregorian(2024, 12, 30), "iso_week", "2025-W01-1"},
        {Gregorian(2021, 1, 3), "iso_week", "2020-W53-7"},
        {Gregorian(2024, 12, 31), "day_of_year", "366"},
        {Gregorian(2000, 1, 1), "jd", "2451544.5"},
        {Gregorian(1858, 11, 17), "mjd", "0"},
        {-1, "jd", "-1.5"},
        {kMin, "jd", "-2147483648.5"},
        {kMax - 2, "iso_week", "5874898-W22-7"},
        {kMin + 232, "iso_week", "-5884323-W52-7"},
        {kMin + 230, "iso_week", "out of range"}};
    for (const Case &c : cases)
        EXPECT_EQ(Row(c.jdn, c.calendar).text, c.text) << c.calendar << " at " << c.jdn;
    // The first day of each calendar's range; the day before has no date there.
    const Case firsts[] = {
        {Gregorian(1873, 1, 1), "japanese", "1 January Meiji 6"},
        {Gregorian(1792, 9, 22), "french_republican", "1 Vendémiaire 1"},
        {Gregorian(1645, 1, 1), "chinese", "cycle 72, year 21 Jia-Shen (Monkey), month 12, day 4"},
        {Gregorian(1882, 11, 12), "islamic_umalqura", "1 Muharram 1300 AH"},
        {Gregorian(-542, 1, 1), "buddhist", "1 January 1 BE"},
        {1948440, "islamic_civil", "1 Muharram 1 AH"},
        {1825030, "coptic", "1 Thout 1"},
        {1724221, "ethiopian", "1 Meskerem 1"},
        {347998, "hebrew", "1 Tishrei 1"},
        {584283, "mayan", "13.0.0.0.0 4 Ajaw 8 Kumkʼu"},
        {-2130706432, "roc", "30 October before Minguo 5840301"}};
    for (const Case &c : firsts) {
        EXPECT_EQ(Row(c.jdn, c.calendar).text, c.text) << c.calendar;
        EXPECT_EQ(Row(c.jdn - 1, c.calendar).text, "out of range") << c.calendar;
    }
    EXPECT_EQ(Row(kMax, "iso_week").json,
              R"j({"year": 5874898, "week": 23, "weekday": 2, "text": "5874898-W23-2"})j");
    // From the first JDN to the last in 85 steps: a text for every calendar, JSON null where it has none.
    for (int64_t jdn = kMin; jdn <= kMax; jdn += 50'529'027) {
        for (const WorldDay &day : DayInWorldCalendars(static_cast<int32_t>(jdn), DeeVariant::Dee)) {
            EXPECT_FALSE(day.text.empty()) << day.id << " at " << jdn;
            EXPECT_EQ(day.json == "null", !day.inRange) << day.id << " at " << jdn;
        }
    }
    // JSON numbers months as the calendars do.
    EXPECT_EQ(Row(Gregorian(2024, 3, 24), "hebrew").json,
              R"j({"year": 5784, "month": 13, "month_name": "Adar II", "day": 14, )j"
              R"j("leap_year": true, "text": "14 Adar II 5784"})j");
    EXPECT_EQ(
        Row(Gregorian(2023, 3, 22), "chinese").json,
        R"j({"cycle": 78, "year": 40, "year_name": "Gui-Mao (Rabbit)", "month": 2, "leap": true, "day": 1, )j"
        R"j("text": "cycle 78, year 40 Gui-Mao (Rabbit), leap month 2, day 1"})j");
    EXPECT_EQ(
        Row(Gregorian(2026, 12, 6), "mayan").json,
        R"j({"long_count": [13,0,14,2,18], "tzolkin": {"number": 6, "name_index": 18, "name": "Etzʼnabʼ"}, )j"
        R"j("haab": {"day": 11, "month_index": 13, "name": "Mak"}, "text": "13.0.14.2.18 6 Etzʼnabʼ 11 Mak"})j");
}

// The French republican calendar on every day of its first 420 years and back (the sextile years, then
// Romme's rule); the hand calendars at the last JDN (16 Prairial 306 plus 14,682 of Romme's 146,097-day
// cycles) and after it; dates the calendars do not have, month 0 among them.
TEST(WorldCalendars, HandCalendarsRoundTripHoldTheLastJdnAndRefuseDatesThatDoNotExist)
{
    int32_t jdn = kFrenchRepublicanEpochJdn;
    for (int64_t year = 1; year <= 420; ++year) {
        for (int32_t i = 0; i < 365 + IsFrenchRepublicanLeapYear(year); ++i, ++jdn) {
            const std::optional<FrenchRepublicanDate> date = FrenchRepublicanOf(jdn);
            ASSERT_TRUE(date && date->year == year) << jdn;
            ASSERT_EQ(FrenchRepublicanToJdn(*date), jdn);
        }
    }
    for (const int64_t year : {3, 7, 11, 16, 20, 400})
        EXPECT_TRUE(IsFrenchRepublicanLeapYear(year)) << year;
    for (const int64_t year : {4, 8, 12, 15, 100, 300})
        EXPECT_FALSE(IsFrenchRepublicanLeapYear(year)) << year;
    EXPECT_EQ(Row(kMax, "french_republican").text, "16 Prairial 5873106");
    EXPECT_EQ(Row(kMax, "mayan").text, "14909.0.9.6.4 3 Kʼan 7 Pop");
    EXPECT_EQ(FrenchRepublicanToJdn({5873106, 9, 16}), kMax);
    EXPECT_EQ(HebrewToJdn({5878589, 9, 21}), kMax);
    const HebrewDate missingHebrew[] = {
        {5878589, 9, 22},           {0, 7, 1}, {5785, 13, 1}, {5784, 14, 1}, {5784, 0, 1}, {5784, 7, 0},
        {kLastHebrewYear + 1, 7, 1}};
    for (const HebrewDate &d : missingHebrew)
        EXPECT_FALSE(HebrewToJdn(d)) << d.year << '-' << d.month << '-' << d.day;
    const FrenchRepublicanDate missingFrench[] = {{5873106, 9, 17}, {1, 0, 1}, {1, 0, 30},
                                                  {2, 14, 1},       {0, 1, 1}, {3, 13, 7},
                                                  {4, 13, 6},       {1, 1, 0}, {1, 1, 31}};
    for (const FrenchRepublicanDate &d : missingFrench)
        EXPECT_FALSE(FrenchRepublicanToJdn(d)) << d.year << '-' << d.month << '-' << d.day;
}

}  // namespace
}  // namespace vardex::test
