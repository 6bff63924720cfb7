#include <gtest/gtest.h>

#include "engine/Today.h"

namespace vardex {
namespace {

class ScriptedClock : public Clock {
public:
    explicit ScriptedClock(std::string text) : text_(std::move(text)) {}
    std::string ShortDateText() const override { return text_; }

private:
    std::string text_;
};

TEST(Today, ReadsBothLayouts)
{
    for (const char *text : {"12/31/2021", "12-31-2021", "12.31.2021", "2021-12-31", "2021/12/31"}) {
        EuroDate date{};
        date.calendar = kCalendarJulian;
        GetTodayDate(date, ScriptedClock(text));
        EXPECT_EQ(date.year, 2021) << text;
        EXPECT_EQ(date.month, 12) << text;
        EXPECT_EQ(date.day, 31) << text;
        EXPECT_EQ(date.calendar, kCalendarGregorian) << "always Gregorian";
        EXPECT_EQ(date.jdn, 2459580) << text;
        EXPECT_EQ(TodayJDN(ScriptedClock(text)), 2459580) << text;
    }
}

TEST(Today, SingleDigitFieldsAtFixedPlaces)
{
    // Fixed places: " 5/ 3/2024" month-first with blanks reads as 5 March 2024.
    EuroDate date{};
    GetTodayDate(date, ScriptedClock(" 3/ 5/2024"));
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 5);
    EXPECT_EQ(date.year, 2024);
}

TEST(Today, TextInNeitherLayoutDoesNoHarm)
{
    for (const char *text : {"", "x", "Friday", "99999999999999999999", "1/2/3", "-/-/-"}) {
        EuroDate date{};
        GetTodayDate(date, ScriptedClock(text));
        EXPECT_EQ(date.calendar, kCalendarGregorian) << text;
    }
}

}  // namespace
}  // namespace vardex
