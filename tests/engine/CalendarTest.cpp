#include <gtest/gtest.h>

#include "engine/Calendar.h"
#include "engine/CalendarState.h"

namespace vardex {
namespace {

EuroDate Record(int32_t calendar, int32_t y, int32_t m, int32_t d)
{
    EuroDate date{};
    date.year = y;
    date.month = m;
    date.day = d;
    date.calendar = calendar;
    return date;
}

TEST(Calendar, DispatchesByCalendarCode)
{
    DeeEpochJDN = kDeeCecilEpochJDN;
    EuroDate dee = Record(kCalendarDee, 2024, 3, 5);
    EXPECT_EQ(DateToJDN(dee), -1);
    EuroDate gregorian = Record(kCalendarGregorian, 2024, 3, 5);
    EXPECT_EQ(DateToJDN(gregorian), 1);
    EXPECT_EQ(gregorian.jdn, 2460375);
    EXPECT_EQ(dee.jdn, 2460374);  // Dee-Cecil runs a day ahead of Gregorian after its 2024 leap day

    // Only the Dee side follows the epoch, so a Dee record never reached the library.
    DeeEpochJDN = kDeeEpochJDN;
    EuroDate deeAgain = Record(kCalendarDee, 2024, 3, 5);
    DateToJDN(deeAgain);
    EXPECT_EQ(deeAgain.jdn, dee.jdn - 1);
    EuroDate gregorianAgain = Record(kCalendarGregorian, 2024, 3, 5);
    DateToJDN(gregorianAgain);
    EXPECT_EQ(gregorianAgain.jdn, gregorian.jdn);
    DeeEpochJDN = kDeeCecilEpochJDN;
}

TEST(Calendar, InvalidDeeDateReturnsZero)
{
    EuroDate date = Record(kCalendarDee, 2024, 2, 29);  // 2024 is not a Dee leap year
    EXPECT_EQ(DateToJDN(date), 0);
    EXPECT_EQ(date.valid, 0);
}

TEST(Calendar, JdnToDateInEachCalendar)
{
    DeeEpochJDN = kDeeCecilEpochJDN;
    const struct {
        int32_t calendar, year, month, day;
    } expected[] = {{kCalendarGregorian, 2024, 3, 5}, {kCalendarJulian, 2024, 2, 21}, {kCalendarDee, 2024, 3, 6}};
    for (const auto &e : expected) {
        EuroDate date{};
        date.jdn = 2460375;
        date.calendar = e.calendar;
        JDNToDate(date);
        EXPECT_EQ(date.year, e.year);
        EXPECT_EQ(date.month, e.month);
        EXPECT_EQ(date.day, e.day);
    }
}

TEST(Calendar, MonthNames)
{
    InitCalendarTables();
    InitCalendarTables();
    EXPECT_EQ(MonthNames[0], "");
    EXPECT_EQ(MonthNames[1], "January");
    EXPECT_EQ(MonthNames[3], "March");
    EXPECT_EQ(MonthNames[12], "December");
}

}  // namespace
}  // namespace vardex
