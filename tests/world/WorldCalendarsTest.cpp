// SPDX-License-Identifier: MIT
// The day in the world's calendars against published dates: new years, leap months and leap
// years, the first days of eras and of each calendar's range, and the ends of the JDN range.
#include <gtest/gtest.h>

#include <limits>

#include "engine/Calendars.h"
#include "world/HandCalendars.h"
#include "world/WorldCalendars.h"

namespace vardex::test {
namespace {

int32_t Gregorian(int32_t y, int32_t m, int32_t d)
{
    return DateToJDN(Calendar::Gregorian, {y, m, d}, DeeVariant::DeeCecil).value();
}

WorldDay Row(int32_t jdn, const std::string &id)
{
    for (WorldDay &day : DayInWorldCalendars(jdn, DeeVariant::DeeCecil)) {
        if (day.id == id)
            return day;
    }
    ADD_FAILURE() << "no calendar " << id;
    return {};
}

struct Published {
    int32_t year, month, day;  // Gregorian
    const char *calendar;
    const char *text;
};

// Sources: the calendars' published tables (hebcal.com, the Umm al-Qura calendar of Saudi Arabia,
// the Iranian calendar centre, the Hong Kong Observatory, the Coptic and Ethiopian churches,
// the Indian national calendar's rules, the Japanese era proclamations, the French decree of
// 1793 and dated events of the Revolution, the GMT correlation of the Maya calendar).
const Published kPublished[] = {
    {2024, 10, 3, "hebrew", "1 Tishrei 5785"},
    {2024, 4, 9, "hebrew", "1 Nisan 5784"},
    {2024, 2, 10, "hebrew", "1 Adar I 5784"},
    {2024, 3, 24, "hebrew", "14 Adar II 5784"},
    {2025, 3, 14, "hebrew", "14 Adar 5785"},
    {2046, 10, 1, "hebrew", "1 Tishrei 5807"},  // after the 384 days of 5806, a molad late on Sunday
    {2045, 11, 10, "hebrew", "1 Kislev 5806"},
    {1799, 9, 30, "hebrew", "1 Tishrei 5560"},
    {2024, 7, 7, "islamic_umalqura", "1 Muharram 1446 AH"},
    {2024, 3, 11, "islamic_umalqura", "1 Ramadan 1445 AH"},
    {2024, 3, 20, "persian", "1 Farvardin 1403 SH"},
    {2025, 3, 21, "persian", "1 Farvardin 1404 SH"},
    {2024, 2, 10, "chinese", "cycle 78, year 41 Jia-Chen (Dragon), month 1, day 1"},
    {2023, 3, 22, "chinese", "cycle 78, year 40 Gui-Mao (Rabbit), leap month 2, day 1"},
    {2025, 1, 29, "chinese", "cycle 78, year 42 Yi-Si (Snake), month 1, day 1"},
    {2024, 9, 11, "coptic", "1 Thout 1741"},
    {2024, 9, 11, "ethiopian", "1 Meskerem 2017"},
    {2025, 1, 7, "ethiopian", "29 Tahsas 2017"},
    {2024, 3, 21, "indian", "1 Chaitra 1946 Saka"},
    {2025, 3, 22, "indian", "1 Chaitra 1947 Saka"},
    {2019, 5, 1, "japanese", "1 May Reiwa 1"},
    {2019, 4, 30, "japanese", "30 April Heisei 31"},
    {1989, 1, 7, "japanese", "7 January Shōwa 64"},
    {1873, 1, 1, "japanese", "1 January Meiji 6"},
    {1872, 12, 31, "japanese", "out of range"},
    {1912, 1, 1, "roc", "1 January Minguo 1"},
    {1911, 12, 31, "roc", "31 December before Minguo 1"},
    {2024, 1, 1, "buddhist", "1 January 2567 BE"},
    {1792, 9, 22, "french_republican", "1 Vendémiaire 1"},
    {1792, 9, 21, "french_republican", "out of range"},
    {1794, 7, 27, "french_republican", "9 Thermidor 2"},
    {1795, 9, 22, "french_republican", "6 Sansculottides 3"},
    {1799, 11, 9, "french_republican", "18 Brumaire 8"},
    {1804, 12, 2, "french_republican", "11 Frimaire 13"},
    {1806, 1, 1, "french_republican", "11 Nivôse 14"},
    {1644, 12, 31, "chinese", "out of range"},
    {1645, 1, 1, "chinese", "cycle 72, year 21 Jia-Shen (Monkey), month 12, day 4"},
    {2100, 12, 31, "chinese",
     "cycle 79, year 57 Geng-Shen (Monkey), month 12, day 1"},  // the range's last day
    {2101, 1, 1, "chinese", "out of range"},
    {1882, 11, 12, "islamic_umalqura", "1 Muharram 1300 AH"},
    {1882, 11, 11, "islamic_umalqura", "out of range"},
    {-542, 1, 1, "buddhist", "1 January 1 BE"},
    {-543, 12, 31, "buddhist", "out of range"},
    {2012, 12, 21, "mayan", "13.0.0.0.0 4 Ajaw 3 Kʼankʼin"},
    {2026, 12, 6, "mayan", "13.0.14.2.18 6 Etzʼnabʼ 11 Mak"},
    {2024, 12, 30, "iso_week", "2025-W01-1"},
    {2021, 1, 3, "iso_week", "2020-W53-7"},
    {2024, 12, 31, "day_of_year", "366"},
    {1858, 11, 17, "mjd", "0"},
    {1582, 10, 15, "lilian", "1"},
    {1, 1, 1, "rata_die", "1"},
    {1970, 1, 2, "unix", "86400"},
    {2000, 1, 1, "jd", "2451544.5"},
};

TEST(WorldCalendars, AgreeWithPublishedDates)
{
    for (const Published &p : kPublished) {
        EXPECT_EQ(Row(Gregorian(p.year, p.month, p.day), p.calendar).text, p.text)
            << p.calendar << " on " << p.year << '-' << p.month << '-' << p.day;
    }
    EXPECT_EQ(Row(1948440, "islamic_civil").text, "1 Muharram 1 AH") << "16 July 622 (Julian), its epoch";
    EXPECT_EQ(Row(1948439, "islamic_civil").text, "out of range");
    EXPECT_EQ(Row(347998, "hebrew").text, "1 Tishrei 1") << "the epoch, 7 October 3761 BC (Julian)";
    EXPECT_EQ(Row(584283, "mayan").text, "13.0.0.0.0 4 Ajaw 8 Kumkʼu") << "the creation, GMT correlation";
    EXPECT_EQ(Row(1825030, "coptic").text, "1 Thout 1") << "29 August 284 (Julian), the era's first day";
    EXPECT_EQ(Row(1825029, "coptic").text, "out of range");
    EXPECT_EQ(Row(1724221, "ethiopian").text, "1 Meskerem 1") << "29 August 8 (Julian)";
    EXPECT_EQ(Row(1724220, "ethiopian").text, "out of range");
    EXPECT_EQ(Row(584282, "mayan").json, "null");
}

TEST(WorldCalendars, JsonNumbersMonthsAsTheCalendarsDo)
{
    const int32_t purim5784 = Gregorian(2024, 3, 24);
    EXPECT_EQ(Row(purim5784, "hebrew").json,
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
    EXPECT_EQ(Row(Gregorian(2026, 12, 6), "iso_week").json,
              R"j({"year": 2026, "week": 49, "weekday": 7, "text": "2026-W49-7"})j");
    EXPECT_EQ(Row(Gregorian(1970, 1, 1), "unix").json, R"j({"value": 0, "text": "0"})j");
    EXPECT_EQ(Row(Gregorian(2024, 9, 11), "coptic").json,
              R"j({"era": "Era of Martyrs", "year": 1741, "month": 1, "month_name": "Thout", "day": 1, )j"
              R"j("text": "1 Thout 1741"})j");
}

// Every day of the first 420 years and back: the sextile years as kept, then Romme's rule.
TEST(WorldCalendars, FrenchRepublicanRoundTripsAndLeapYears)
{
    int32_t jdn = kFrenchRepublicanEpochJdn;
    for (int64_t year = 1; year <= 420; ++year) {
        const int32_t days = 365 + IsFrenchRepublicanLeapYear(year);
        for (int32_t i = 0; i < days; ++i, ++jdn) {
            const std::optional<FrenchRepublicanDate> date = FrenchRepublicanOf(jdn);
            ASSERT_TRUE(date && date->year == year) << jdn;
            ASSERT_EQ(FrenchRepublicanToJdn(*date), jdn);
        }
    }
    for (const int64_t year : {3, 7, 11, 16, 20, 400})
        EXPECT_TRUE(IsFrenchRepublicanLeapYear(year)) << year;
    for (const int64_t year : {4, 8, 12, 15, 100, 300})
        EXPECT_FALSE(IsFrenchRepublicanLeapYear(year)) << year;
    EXPECT_FALSE(FrenchRepublicanToJdn({3, 13, 7, true})) << "no seventh complementary day";
    EXPECT_FALSE(FrenchRepublicanToJdn({4, 13, 6, false})) << "year 4 is no sextile year";
}

TEST(WorldCalendars, EveryCalendarAnswersAtTheEndsOfTheRangeAndBetween)
{
    std::vector<int32_t> days = {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0};
    for (int64_t jdn = std::numeric_limits<int32_t>::min(); jdn < std::numeric_limits<int32_t>::max();
         jdn += 21'474'837)
        days.push_back(static_cast<int32_t>(jdn));
    for (const int32_t jdn : days) {
        for (const WorldDay &day : DayInWorldCalendars(jdn, DeeVariant::Dee)) {
            EXPECT_FALSE(day.text.empty()) << day.id << " at " << jdn;
            EXPECT_EQ(day.json == "null", !day.inRange) << day.id << " at " << jdn;
        }
    }
    EXPECT_EQ(Row(std::numeric_limits<int32_t>::min(), "hebrew").text, "out of range");
    EXPECT_EQ(Row(std::numeric_limits<int32_t>::max(), "unix").text, "185331720297600");
}

// The Julian Date is JDN - 0.5 on either side of 0; the ISO week date holds the last JDNs, whose
// weeks' Thursdays lie beyond them, and 1 and 2 January of the second year (kMin + 231, 232),
// whose lie in the first; the Hebrew calendar holds the last JDN, the ROC's "before Minguo" years
// reach back to ICU's first day (5,838,390 BC).
TEST(WorldCalendars, DayCountsAndWeeksAtTheEdges)
{
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t jdn;
        const char *calendar, *text;
    } cases[] = {
        {1, "jd", "0.5"},
        {0, "jd", "-0.5"},
        {-1, "jd", "-1.5"},
        {kMin, "jd", "-2147483648.5"},
        {kMax, "jd", "2147483646.5"},
        {kMax, "iso_week", "5874898-W23-2"},
        {kMax - 1, "iso_week", "5874898-W23-1"},
        {kMax - 2, "iso_week", "5874898-W22-7"},
        {kMin + 232, "iso_week", "-5884323-W52-7"},
        {kMin + 230, "iso_week", "out of range"},
        {kMax, "hebrew", "21 Kislev 5878589"},
        {-2130706432, "roc", "30 October before Minguo 5840301"},
        {-2130706433, "roc", "out of range"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Row(c.jdn, c.calendar).text, c.text) << c.calendar << " at " << c.jdn;
    EXPECT_EQ(Row(0, "jd").json, R"j({"value": -0.5, "text": "-0.5"})j");
    EXPECT_EQ(Row(kMax, "iso_week").json,
              R"j({"year": 5874898, "week": 23, "weekday": 2, "text": "5874898-W23-2"})j");
}

}  // namespace
}  // namespace vardex::test
