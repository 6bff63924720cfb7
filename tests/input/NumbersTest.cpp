#include <gtest/gtest.h>

#include <cmath>

#include "input/TextUtils.h"

namespace vardex {
namespace {

using namespace std::string_view_literals;

TEST(Numbers, LeadingNumber)
{
    EXPECT_EQ(LeadingNumber("-1000-01-01 JC"sv), -1000);
    EXPECT_EQ(LeadingNumber("1 500-03-21 CE"sv), 1500);
    EXPECT_EQ(LeadingNumber(QStringLiteral("12 345")), 12345);
    EXPECT_EQ(LeadingNumber("12,345-03-05 CE"sv), 12);
    EXPECT_EQ(LeadingNumber("  +7"sv), 7);
    EXPECT_EQ(LeadingNumber("1.5"sv), 1.5);
    EXPECT_EQ(LeadingNumber("1.5.5"sv), 1.5);
    EXPECT_EQ(LeadingNumber(""sv), 0);
    EXPECT_EQ(LeadingNumber("abc"sv), 0);
    EXPECT_EQ(LeadingNumber("--5"sv), 0);
    EXPECT_TRUE(std::isfinite(LeadingNumber(std::string(5000, '9'))));
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
