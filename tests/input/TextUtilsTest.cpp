#include <gtest/gtest.h>

#include "input/TextUtils.h"

namespace vardex {
namespace {

TEST(TextUtils, LCaseAccented)
{
    EXPECT_EQ(LCaseAccented(QStringLiteral("ÉCOLE")), QStringLiteral("école"));
    EXPECT_EQ(LCaseAccented(QStringLiteral("ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝ")),
              QStringLiteral("šÿàáâãäåçèéêëìíîïðñòóôõöøùúûüý"));
    EXPECT_EQ(LCaseAccented(QStringLiteral("HTTP://X")), QStringLiteral("http://x"));
    // One character for one, so positions found in the folded text hold in the original.
    EXPECT_EQ(LCaseAccented(QStringLiteral("İSTANBUL")).size(), 8);
}

TEST(TextUtils, StripAndKeepChars)
{
    QString s = "-1,000 AD";
    StripChars(s, "-,.' ");
    EXPECT_EQ(s, "1000AD");
    QString t = "a-b-c";
    StripChars(t, "-", 3);
    EXPECT_EQ(t, "a-bc");
    EXPECT_EQ(KeepChars("12,345-03-05 CE", "0123456789-"), "12345-03-05");
}

TEST(TextUtils, DigitsOnly)
{
    EXPECT_EQ(DigitsOnly("1,000"), "1000");
    EXPECT_EQ(DigitsOnly("-12"), "12");
    EXPECT_EQ(DigitsOnly("1.5"), "15");
    EXPECT_EQ(DigitsOnly("-12", true), "-12");
    EXPECT_EQ(DigitsOnly("--12", true), "-12");
    EXPECT_EQ(DigitsOnly("+12", false, true), "+12");
    EXPECT_EQ(DigitsOnly("1-2+3", true, true), "123");
    EXPECT_EQ(DigitsOnly("abc"), "");
}

TEST(TextUtils, SplitText)
{
    QStringList parts;
    EXPECT_EQ(SplitText("2024-1-5", "-", 1, parts, true, 0, 0), 3);
    EXPECT_EQ(parts, QStringList({"2024", "1", "5"}));
    EXPECT_EQ(SplitText("-2024-1-5", "-", 1, parts, true, 0, 0), 3);
    EXPECT_EQ(parts, QStringList({"2024", "1", "5"}));
    EXPECT_EQ(SplitText("2024-1-5-", "-", 1, parts, true, 0, 0), 3);
    EXPECT_EQ(SplitText("2024--5", "-", 1, parts, true, 0, 0), 3);
    EXPECT_EQ(parts, QStringList({"2024", "", "5"}));
    EXPECT_EQ(SplitText(" 1 - 2 ", "-", 1, parts, true, 0, 0), 2);
    EXPECT_EQ(parts, QStringList({"1", "2"}));
    EXPECT_EQ(SplitText("a--b", "-", 1, parts, false, 0, 1), 2) << "short parts skipped";
    EXPECT_EQ(SplitText("a-b-c-d", "-", 1, parts, false, 2, 0), 2);
    EXPECT_EQ(parts, QStringList({"a", "b"}));
    EXPECT_EQ(SplitText("a   b c", " ", 1, parts, false, 0, 0), 3) << "blanks run together";
    EXPECT_EQ(SplitText("x-y", "-", 3, parts, false, 0, 0), 1);
    EXPECT_EQ(parts, QStringList({"y"}));

    parts = QStringList({"kept"});
    EXPECT_EQ(SplitText("", "-", 1, parts, true, 0, 0), 0);
    EXPECT_EQ(parts, QStringList({"kept"}));
    EXPECT_EQ(SplitText("abc", "", 1, parts, true, 0, 0), 1) << "an empty delimiter never matches";
    EXPECT_EQ(parts, QStringList({"abc"}));
    EXPECT_EQ(SplitText("a---", "--", 1, parts, false, 0, 0), 2) << "overlapping delimiters end";
}

TEST(TextUtils, CountOccurrences)
{
    EXPECT_EQ(CountOccurrences("-5-3", "-", true), 2);
    EXPECT_EQ(CountOccurrences("aaaa", "aa", true), 2);
    EXPECT_EQ(CountOccurrences("AaaA", "aa", true), 1);
    EXPECT_EQ(CountOccurrences("AaaA", "aa", false), 2);
    EXPECT_EQ(CountOccurrences("", "a", true), 0);
    EXPECT_EQ(CountOccurrences("a", "", true), 0);
}

TEST(TextUtils, StripLeading)
{
    QString zeros = "000";
    StripLeading(zeros, "0");
    EXPECT_EQ(zeros, "");
    QString seventy = "0070";
    StripLeading(seventy, "0");
    EXPECT_EQ(seventy, "70");
    QString unchanged = "0070";
    StripLeading(unchanged, "");
    EXPECT_EQ(unchanged, "0070");
}

TEST(TextUtils, TrimTrailingChars)
{
    EXPECT_EQ(TrimTrailingChars("weeks", "s"), "week");
    EXPECT_EQ(TrimTrailingChars("days.;;", ";."), "days");
    EXPECT_EQ(TrimTrailingChars("days", ""), "days");
    EXPECT_EQ(TrimTrailingChars("sss", "s"), "");
}

TEST(TextUtils, WholeNumberTests)
{
    EXPECT_FALSE(IsNumberWithChars("", true, ",. "));
    EXPECT_FALSE(IsNumberWithChars("   ", true, ",. "));
    EXPECT_TRUE(IsNumberWithChars("-", true, ""));
    EXPECT_FALSE(IsNumberWithChars("5-", true, ""));
    EXPECT_TRUE(IsNumberWithChars(" 99 999 ", true, ",. "));
    EXPECT_TRUE(IsNumberWithChars("1,,2", false, ","));
    EXPECT_FALSE(IsNumberWithChars("1'000", true, ",. "));
    EXPECT_FALSE(IsNumberWithChars("-5", false, ""));
    EXPECT_TRUE(IsNumberWithCommas("12", false, false));
    EXPECT_FALSE(IsNumberWithCommas("1,2", false, false));
    EXPECT_TRUE(IsNumberWithCommas("1,2", false, true));
    EXPECT_FALSE(IsNumberWithCommas("+5", false, false));
    EXPECT_FALSE(IsNumberWithCommas("1a", false, false));
}

TEST(TextUtils, ReplaceNoCase)
{
    EXPECT_EQ(ReplaceNoCase("HTTP://example.org/a.HTM", "http:", "https:"), "https://example.org/a.HTM");
    EXPECT_EQ(ReplaceNoCase("https://x", "http:", "https:"), "https://x");
    EXPECT_EQ(ReplaceNoCase("aAa", "a", "aa"), "aaaaaa") << "replacements are not searched again";
    EXPECT_EQ(ReplaceNoCase("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceNoCase("Öl und öl", "ÖL", "oil"), "oil und oil");
}

TEST(TextUtils, TrimBlanks)
{
    EXPECT_EQ(TrimBlanks("  2024  "), "2024");
    EXPECT_EQ(TrimBlanks("\t2024 "), "\t2024");
    EXPECT_EQ(TrimBlanks("    "), "");
}

}  // namespace
}  // namespace vardex
