// SPDX-License-Identifier: MIT
// The one reader of numbers in texts, and its rounding.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/NumberReading.h"

namespace vardex {
namespace {

TEST(Numbers, LeadingNumberAndRoundingHalvesToEven)
{
    // clang-format off
    const std::pair<std::string_view, double> cases[] = {
        {"-1000-01-01 JC", -1000}, {"1 500-03-21 CE", 1500}, {"12,345-03-05 CE", 12}, {"  +7", 7},
        {"1.5.5", 1.5}, {".25", 0.25}, {"1.", 1}, {"", 0}, {"abc", 0}, {"--5", 0}, {"- 5", -5}, {"007", 7},
        {"12\xC2\xA0" "3", 12}};
    // clang-format on
    for (const auto &[text, number] : cases)
        EXPECT_EQ(LeadingNumber(text), number) << text;
    EXPECT_EQ(LeadingNumber(u"12\u202F345\u00A06"), 123456) << "no-break spaces group digits, in UTF-16 only";
    EXPECT_TRUE(std::isfinite(LeadingNumber(std::string(5000, '9'))));
    EXPECT_GT(LeadingNumber(std::string(5000, '9')), 1e18);
    // Rounding halves to even.
    const std::pair<double, double> halves[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {-0.5, 0},
                                                {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (const auto &[value, rounded] : halves)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    // clang-format off
    const std::pair<double, std::optional<int32_t>> ints[] = {{3.5, 4}, {2147483647.0, INT32_MAX},
        {2147483647.5, std::nullopt}, {-2147483648.0, INT32_MIN}, {-2147483649.0, std::nullopt},
        {std::nan(""), std::nullopt}};
    // clang-format on
    for (const auto &[value, whole] : ints)
        EXPECT_EQ(ToInt32(value), whole) << value;
    EXPECT_EQ(
        std::tuple(WholeNumber(1e300), WholeNumber(-1e300), WholeNumber(std::nan("")), WholeNumber(-2.5)),
        std::tuple(INT32_MAX, INT32_MIN, 0, -2));
}

}  // namespace
}  // namespace vardex
