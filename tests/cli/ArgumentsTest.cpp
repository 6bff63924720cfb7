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

// A message quotes an argument with its bytes that are no UTF-8, and control characters, escaped;
// well-formed UTF-8 passes.
TEST(Arguments, InvalidBytesAreEscapedInMessages)
{
    const ParseResult r = ParseArguments({"calc", "--ymd", "1-1-1 CE", "--x\xe9t\xc3\xa9\x01\xed\xa0\x80"});
    EXPECT_EQ(r.error, "unknown option '--x\\xE9t\xc3\xa9\\x01\\xED\\xA0\\x80'");
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
