#include <gtest/gtest.h>

#include "RecordingSeams.h"  // readable QString failures
#include "sequence/NumberWords.h"

namespace vardex {
namespace {

struct WordsCase {
    const char *name;
    int n;
    const char *words;
};

class NumberWordsTest : public testing::TestWithParam<WordsCase> {};

TEST_P(NumberWordsTest, Text)
{
    EXPECT_EQ(NumberWords(GetParam().n, NumberFormat::Commas()), QString::fromUtf8(GetParam().words));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, NumberWordsTest,
    testing::Values(WordsCase{"zero", 0, "No"}, WordsCase{"one", 1, "One"}, WordsCase{"eleven", 11, "Eleven"},
                    WordsCase{"nineteen", 19, "Nineteen"}, WordsCase{"twenty", 20, "Twenty"},
                    WordsCase{"twentyOne", 21, "Twenty one"}, WordsCase{"thirty", 30, "Thirty"},
                    WordsCase{"fortyFive", 45, "Forty five"}, WordsCase{"seventyTwo", 72, "Seventy two"},
                    WordsCase{"ninety", 90, "Ninety"}, WordsCase{"ninetyNine", 99, "Ninety nine"},
                    WordsCase{"hundred", 100, "100"}, WordsCase{"eightHundred", 800, "800"},
                    WordsCase{"thousand", 1000, "1,000"}, WordsCase{"million", 1234567, "1,234,567"}),
    [](const testing::TestParamInfo<WordsCase> &info) { return info.param.name; });

}  // namespace
}  // namespace vardex
