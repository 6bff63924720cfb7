// SPDX-License-Identifier: MIT
// Events as dated and timed at a meridian: the day boundaries, the rounding, the texts.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "astronomy/SkyEventRows.h"
#include "astronomy/SkyEvents.h"

namespace vardex {
namespace {

TEST(SkyEvents, ClockReadingRoundsToTheSecondAndCarriesMidnight)
{
    // JD 2451545.0 is noon of 1 January 2000 at Greenwich.
    const ClockReading noon = ReadClock(2451545.0, 0);
    EXPECT_EQ(GregorianIsoText(noon.jdn), "2000-01-01");
    EXPECT_EQ(ClockText(noon), "12:00:00");
    const ClockReading late = ReadClock(2451545.5 - 0.4 / 86400, 0);
    EXPECT_EQ(GregorianIsoText(late.jdn), "2000-01-02");  // 23:59:59.6 is midnight
    EXPECT_EQ(ClockText(late), "00:00:00");
    EXPECT_EQ(ClockText(ReadClock(2451545.5 - 0.6 / 86400, 0)), "23:59:59");
    // 90 degrees east is six hours ahead; 77 degrees 30 minutes west is 5 h 10 min behind.
    EXPECT_EQ(ClockText(ReadClock(2451545.0, 90)), "18:00:00");
    EXPECT_EQ(ClockText(ReadClock(2451545.0, Meridian{77, 30, false}.EastDegrees())), "06:50:00");
    const ClockReading dateLine = ReadClock(2451545.0, 180);
    EXPECT_EQ(GregorianIsoText(dateLine.jdn), "2000-01-02");
    EXPECT_EQ(ClockText(dateLine), "00:00:00");
}

TEST(SkyEvents, IsoDatesOfEveryEra)
{
    EXPECT_EQ(IsoDateText({-43, 3, 15}), "-0043-03-15");
    EXPECT_EQ(IsoDateText({0, 1, 1}), "0000-01-01");
    EXPECT_EQ(IsoDateText({-4000, 12, 31}), "-4000-12-31");
    EXPECT_EQ(IsoDateText({8000, 2, 9}), "8000-02-09");
}

TEST(SkyEvents, Meridians)
{
    const struct {
        Meridian meridian;
        bool valid;
    } cases[] = {{{0, 0, true}, true},     {{180, 0, false}, true}, {{180, 1, true}, false},
                 {{179, 59, false}, true}, {{10, 60, true}, false}, {{-1, 0, true}, false},
                 {{0, -1, true}, false},   {{181, 0, true}, false}};
    for (const auto &c : cases)
        EXPECT_EQ(IsValidMeridian(c.meridian), c.valid) << c.meridian.degrees << " " << c.meridian.minutes;
    EXPECT_EQ(MeridianText({12, 5, true}), "12\u00B005\u2032 E");
    EXPECT_EQ(MeridianText({77, 0, false}), "77\u00B000\u2032 W");
    EXPECT_DOUBLE_EQ((Meridian{12, 30, false}.EastDegrees()), -12.5);
}

TEST(SkyEvents, PhasesOfAMonthAreThoseWhoseLocalDayLiesInIt)
{
    // The full moon of 25 January 2024 is at 17:54 UT: in Auckland (174 degrees 46 minutes E) it
    // is already 26 January, and the last quarter of 4 January, 03:30 UT, is 3 January in the
    // Americas (100 degrees W), as is the first quarter of 18 January, 03:52 UT.
    const auto january = [](double east) {
        std::string days;
        for (const SkyEvent &event : MoonPhasesOfYear(2024, 1, DeltaTModel::EspenakMeeus2006, east))
            days += GregorianIsoText(ReadClock(event.jdUT, east).jdn).substr(8) + " ";
        return days;
    };
    EXPECT_EQ(january(0), "04 11 18 25 ");
    EXPECT_EQ(january(174 + 46 / 60.0), "04 11 18 26 ");
    EXPECT_EQ(january(-100), "03 11 17 25 ");
    // December ends with the year; the whole year is the twelve months.
    size_t months = 0;
    for (int month = 1; month <= 12; ++month)
        months += MoonPhasesOfYear(2024, month, DeltaTModel::Smh2016, 0).size();
    EXPECT_EQ(months, MoonPhasesOfYear(2024, std::nullopt, DeltaTModel::Smh2016, 0).size());
    EXPECT_EQ(months, 50U);
}

TEST(SkyEvents, PhasesAtTheEndsOfTheRange)
{
    // Delta-T reaches 30 hours in 4000 BC; the year still holds its whole lunations in order.
    for (int year : {kFirstSkyYear, kLastSkyYear}) {
        const auto events = MoonPhasesOfYear(year, std::nullopt, DeltaTModel::EspenakMeeus2006, 0);
        EXPECT_GE(events.size(), 48U) << year;
        EXPECT_LE(events.size(), 51U) << year;
        for (size_t i = 1; i < events.size(); ++i)
            EXPECT_LT(events[i - 1].jdUT, events[i].jdUT) << year;
        EXPECT_EQ(
            GregorianIsoText(ReadClock(events.front().jdUT, 0).jdn).substr(0, std::to_string(year).size()),
            std::to_string(year));
    }
}

TEST(SkyEvents, NothingOutsideTheOfferedYearsAndMonths)
{
    EXPECT_TRUE(SeasonsOfYear(kLastSkyYear + 1, DeltaTModel::EspenakMeeus2006).empty());
    EXPECT_TRUE(SeasonsOfYear(INT32_MIN, DeltaTModel::EspenakMeeus2006).empty());
    EXPECT_TRUE(MoonPhasesOfYear(kFirstSkyYear - 1, std::nullopt, DeltaTModel::EspenakMeeus2006, 0).empty());
    EXPECT_TRUE(MoonPhasesOfYear(2024, 13, DeltaTModel::EspenakMeeus2006, 0).empty());
    EXPECT_TRUE(MoonPhasesOfYear(2024, 0, DeltaTModel::EspenakMeeus2006, 0).empty());
    // December 2024 had two new moons, on the 1st and the 30th.
    EXPECT_EQ(MoonPhasesOfYear(2024, 12, DeltaTModel::EspenakMeeus2006, 0).size(), 5U);
}

TEST(SkyEvents, DeltaTTexts)
{
    const struct {
        DeltaTEstimate estimate;
        const char *text;
    } cases[] = {
        {{64.04, 0.1}, "64.0 s"},
        {{-2.79, 0.1}, "-2.8 s"},
        {{1570, 59.9}, "26 min 10 s"},
        {{1570, 90}, "26 min 10 s \u00B1 2 min"},
        {{10583.6, 265}, "2 h 56 min \u00B1 4 min"},
        {{108376, 2710}, "30 h 6 min \u00B1 45 min"},
        {{NAN, 1}, "?"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DeltaTText(c.estimate), c.text);
}

TEST(SkyEvents, RowsAndCsvCarryTheLocalDayInEachCalendar)
{
    // The March equinox of 2024, 03:06 UT: at 60 degrees W it is still 19 March.
    const SkyEvent equinox = SeasonsOfYear(2024, DeltaTModel::EspenakMeeus2006).front();
    const SkyEventRow row = RowOfEvent(equinox, -60, DeeVariant::DeeCecil);
    EXPECT_EQ(row.localDate, "2024-03-19");
    EXPECT_EQ(row.utDate, "2024-03-20");
    EXPECT_EQ(row.utTime.substr(0, 5), "03:06");
    EXPECT_EQ(row.gregorian, (CalendarDate{2024, 3, 19}));
    EXPECT_EQ(row.julian, (CalendarDate{2024, 3, 6}));
    EXPECT_FALSE(row.lunation);
    const std::string csv = SkyEventsCsv({equinox}, -60, DeeVariant::DeeCecil);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "event,local_date,local_time,ut_date,ut_time,gregorian,julian,dee,deltat_seconds,"
              "deltat_sigma_seconds,jd_tt,jd_ut,lunation");
    EXPECT_NE(csv.find("\r\nmarch_equinox,2024-03-19,23:06:"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",2024-03-19,2024-03-06,"), std::string::npos) << csv;
}

}  // namespace
}  // namespace vardex
