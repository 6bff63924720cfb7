#include <gtest/gtest.h>

#include "input/Numbers.h"

namespace vardex {
namespace {

TEST(Numbers, LeadingNumber)
{
    EXPECT_EQ(LeadingNumber("-1000-01-01 JC"), -1000);
    EXPECT_EQ(LeadingNumber("1 500-03-21 CE"), 1500);
    EXPECT_EQ(LeadingNumber("12,345-03-05 CE"), 12);
    EXPECT_EQ(LeadingNumber("  +7"), 7);
    EXPECT_EQ(LeadingNumber("1.5"), 1.5);
    EXPECT_EQ(LeadingNumber("1.5.5"), 1.5);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("--5"), 0);
    EXPECT_TRUE(std::isfinite(LeadingNumber(QString(5000, u'9'))));
}

TEST(Numbers, ToInt32)
{
    EXPECT_EQ(ToInt32(2.5), 2);
    EXPECT_EQ(ToInt32(3.5), 4);
    EXPECT_EQ(ToInt32(2147483647.0), INT32_MAX);
    EXPECT_EQ(ToInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(ToInt32(-2147483648.0), INT32_MIN);
    EXPECT_EQ(ToInt32(-2147483649.0), std::nullopt);
    EXPECT_EQ(ToInt32(1e300), std::nullopt);
}

TEST(Numbers, WholeNumberClamps)
{
    EXPECT_EQ(WholeNumber(1e300), INT32_MAX);
    EXPECT_EQ(WholeNumber(-1e300), INT32_MIN);
    EXPECT_EQ(WholeNumber(std::nan("")), 0);
    EXPECT_EQ(WholeNumber(0.5), 0);
}

}  // namespace
}  // namespace vardex
