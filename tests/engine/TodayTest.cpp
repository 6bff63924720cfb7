#include <gtest/gtest.h>

#include "engine/Today.h"

namespace vardex {
namespace {

TEST(Today, ReadsBothLayouts)
{
    for (const char *text : {"12/31/2021", "12-31-2021", "12.31.2021", "2021-12-31", "2021/12/31"}) {
        const TodayDate today = GetTodayDate(text);
        EXPECT_EQ(today.date, (CalendarDate{2021, 12, 31})) << text;
        EXPECT_EQ(today.jdn, 2459580) << text;
        EXPECT_EQ(TodayJDN(text), 2459580) << text;
    }
}

TEST(Today, SingleDigitFieldsAtFixedPlaces)
{
    // Fixed places: " 3/ 5/2024" month-first with blanks reads as 5 March 2024.
    EXPECT_EQ(GetTodayDate(" 3/ 5/2024").date, (CalendarDate{2024, 3, 5}));
}

TEST(Today, TextInNeitherLayoutDoesNoHarm)
{
    for (const char *text : {"", "x", "Friday", "99999999999999999999", "1/2/3", "-/-/-"})
        EXPECT_EQ(GetTodayDate(text).jdn, 0) << text;
}

}  // namespace
}  // namespace vardex
