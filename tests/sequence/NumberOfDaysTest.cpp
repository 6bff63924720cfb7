#include <gtest/gtest.h>

#include <optional>

#include "RecordingSeams.h"
#include "sequence/NumberOfDays.h"

namespace vardex {
namespace {

struct DaysCase {
    const char *name;
    QString typed;
    std::optional<int> days;
    const char *message;  // nullptr: nothing shown
    QString keptText;     // the box's text afterwards
};

class NumberOfDaysTest : public testing::TestWithParam<DaysCase> {};

TEST_P(NumberOfDaysTest, Check)
{
    const DaysCase &c = GetParam();
    test::RecordingDialogs dialogs;
    QString text = c.typed;

    EXPECT_EQ(CheckNumberOfDays(text, dialogs), c.days);
    EXPECT_EQ(text, c.keptText);
    if (c.message == nullptr) {
        EXPECT_TRUE(dialogs.shown.empty());
    } else {
        ASSERT_EQ(dialogs.shown.size(), 1U);
        EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Do it"));
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok);
    }
}

const char *const kInvalid = "Invalid input for number of days.";
const char *const kTooMany = "Too many days";

INSTANTIATE_TEST_SUITE_P(Typed, NumberOfDaysTest,
                         testing::Values(DaysCase{"fourteen", "14", 14, nullptr, "14"},
                                         DaysCase{"blanksAround", " 14 ", 14, nullptr, "14"},
                                         DaysCase{"leadingZero", "05", 5, nullptr, "05"},
                                         DaysCase{"limit", "800", 800, nullptr, "800"},
                                         DaysCase{"empty", "", std::nullopt, nullptr, ""},
                                         DaysCase{"blanksOnly", "   ", std::nullopt, nullptr, ""},
                                         DaysCase{"zero", "0", std::nullopt, nullptr, "0"},
                                         DaysCase{"zeros", "000", std::nullopt, nullptr, "000"},
                                         DaysCase{"plusSign", "+5", std::nullopt, kInvalid, "+5"},
                                         DaysCase{"minusSign", "-5", std::nullopt, kInvalid, "-5"},
                                         DaysCase{"comma", "1,2", std::nullopt, kInvalid, "1,2"},
                                         DaysCase{"letter", "1a", std::nullopt, kInvalid, "1a"},
                                         DaysCase{"innerBlank", "1 2", std::nullopt, kInvalid, "1 2"},
                                         DaysCase{"tab", "\t5", std::nullopt, kInvalid, "\t5"},
                                         DaysCase{"otherDigits", QStringLiteral("\u0665"), std::nullopt,
                                                  kInvalid, QStringLiteral("\u0665")},
                                         DaysCase{"overLimit", "801", std::nullopt, kTooMany, "801"},
                                         DaysCase{"fourDigits", "1000", std::nullopt, kTooMany, "1000"},
                                         DaysCase{"beyondInt16", "40000", std::nullopt, kTooMany, "40000"},
                                         DaysCase{"fiveThousandNines", QString(5000, u'9'), std::nullopt,
                                                  kTooMany, QString(5000, u'9')},
                                         DaysCase{"fiveThousandDigitSeven", QString(4999, u'0') + u'7', 7,
                                                  nullptr, QString(4999, u'0') + u'7'}),
                         [](const testing::TestParamInfo<DaysCase> &info) { return info.param.name; });

}  // namespace
}  // namespace vardex
