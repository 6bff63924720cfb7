#include <gtest/gtest.h>

#include "engine/Calendars.h"

namespace vardex {
namespace {

TEST(Calendars, OnlyTheDeeCalendarFollowsTheVariant)
{
    const CalendarDate date{2024, 3, 5};
    EXPECT_EQ(DateToJDN(Calendar::Gregorian, date, DeeVariant::DeeCecil), 2460375);
    EXPECT_EQ(DateToJDN(Calendar::Gregorian, date, DeeVariant::Dee), 2460375);
    EXPECT_EQ(DateToJDN(Calendar::Julian, date, DeeVariant::Dee), 2460388);
    // Dee-Cecil runs a day ahead of Gregorian after its 2024 leap day; Dee one more.
    EXPECT_EQ(DateToJDN(Calendar::Dee, date, DeeVariant::DeeCecil), 2460374);
    EXPECT_EQ(DateToJDN(Calendar::Dee, date, DeeVariant::Dee), 2460373);
}

TEST(Calendars, ADateThatDoesNotExistHasNoJdn)
{
    EXPECT_FALSE(DateToJDN(Calendar::Dee, {2024, 2, 29}, DeeVariant::DeeCecil));  // no Dee leap year
    EXPECT_FALSE(DateToJDN(Calendar::Gregorian, {1900, 2, 29}, DeeVariant::DeeCecil));
    EXPECT_TRUE(DateToJDN(Calendar::Julian, {1900, 2, 29}, DeeVariant::DeeCecil));
}

TEST(Calendars, JdnToDateInEachCalendar)
{
    EXPECT_EQ(JDNToDate(Calendar::Gregorian, 2460375, DeeVariant::DeeCecil), (CalendarDate{2024, 3, 5}));
    EXPECT_EQ(JDNToDate(Calendar::Julian, 2460375, DeeVariant::DeeCecil), (CalendarDate{2024, 2, 21}));
    EXPECT_EQ(JDNToDate(Calendar::Dee, 2460375, DeeVariant::DeeCecil), (CalendarDate{2024, 3, 6}));
    EXPECT_EQ(JDNToDate(Calendar::Dee, 2460375, DeeVariant::Dee), (CalendarDate{2024, 3, 7}));
}

TEST(Calendars, NamesAndLetters)
{
    EXPECT_EQ(CalendarOfLetter(U'G'), Calendar::Gregorian);
    EXPECT_EQ(CalendarOfLetter(U'J'), Calendar::Julian);
    EXPECT_EQ(CalendarOfLetter(U'D'), Calendar::Dee);
    EXPECT_FALSE(CalendarOfLetter(U'S'));  // "Sunday": a weekday names no calendar
    EXPECT_STREQ(CalendarDesignator(Calendar::Dee, DeeVariant::Dee), "D");
    EXPECT_STREQ(CalendarDesignator(Calendar::Dee, DeeVariant::DeeCecil), "DC");
    EXPECT_STREQ(CalendarDesignator(Calendar::Julian, DeeVariant::Dee), "JC");
    EXPECT_STREQ(MonthName(0), "");
    EXPECT_STREQ(MonthName(1), "January");
    EXPECT_STREQ(MonthName(12), "December");
    EXPECT_STREQ(MonthName(13), "");
}

}  // namespace
}  // namespace vardex
