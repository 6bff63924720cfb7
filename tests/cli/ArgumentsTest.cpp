#include <gtest/gtest.h>

#include "Arguments.h"

namespace vardex::cli {
namespace {

TEST(Arguments, ParseInt32)
{
    EXPECT_EQ(ParseInt32("0"), 0);
    EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt32("+2147483647"), INT32_MAX);
    EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
    EXPECT_EQ(ParseInt32("-2147483649"), std::nullopt);
    EXPECT_EQ(ParseInt32("99999999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseInt32(""), std::nullopt);
    EXPECT_EQ(ParseInt32("-"), std::nullopt);
    EXPECT_EQ(ParseInt32(" 5"), std::nullopt);
}

TEST(Arguments, ConvertWithDate)
{
    const ParseResult r =
        ParseArguments({"--variant", "dee", "convert", "--date", "-43-3-15", "--calendar", "julian"});
    ASSERT_TRUE(r.Ok()) << r.error;
    EXPECT_EQ(r.arguments.command, Command::Convert);
    EXPECT_EQ(r.arguments.variant, DeeVariant::Dee);
    ASSERT_TRUE(r.arguments.date.has_value());
    EXPECT_EQ(r.arguments.date->year, -43);
    EXPECT_EQ(r.arguments.date->month, 3);
    EXPECT_EQ(r.arguments.date->day, 15);
    EXPECT_EQ(r.arguments.calendar, Calendar::Julian);
}

}  // namespace
}  // namespace vardex::cli
