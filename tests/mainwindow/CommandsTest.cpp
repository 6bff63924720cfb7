#include "MainWindowFixture.h"

namespace vardex::test {
namespace {

TEST_F(MainWindowTest, CopyResultText)
{
    EnterMDY(3, 15, "44", "BC", kJulian);
    Calculate();
    controller.cmdCopyResult_Click();
    const QString expected =
        "Gregorian Calendar: March 13, 44 BC             -43-03-13 CE                \r\n"
        "Julian Calendar:    March 15, 44 BC             -43-03-15 JC                \r\n"
        "Julian day number:  1,705,426\r\n"
        "Day of week:        Wednesday\r\n\r\n";
    EXPECT_EQ(clipboard.text, expected);
    EXPECT_EQ(clipboard.clears, 1);
    const QStringList lines = clipboard.text.split("\r\n");
    EXPECT_EQ(lines[0].size(), 76);
    EXPECT_EQ(lines[1].size(), 76);
    ASSERT_EQ(popUps.shown.size(), 1u);
    EXPECT_EQ(popUps.shown[0].message, "Result copied to clipboard");
    EXPECT_EQ(popUps.shown[0].width, 2920);
    EXPECT_EQ(popUps.shown[0].height, 300);
    EXPECT_EQ(popUps.shown[0].intervalMs, 2000);
    EXPECT_EQ(popUps.shown[0].top, 3900);
    EXPECT_EQ(popUps.shown[0].left, 8050);
    EXPECT_TRUE(form.cmdCopyResult.visible);
    EXPECT_EQ(form.focusRequest, &form.cmdCalculate);
}

TEST_F(MainWindowTest, CopyResultCutsLongTexts)
{
    Calculate();
    form.txbOutputGC.text = "November 22, 4,999,999 BCE and more";
    controller.CopyResultToClipboard();
    EXPECT_EQ(clipboard.text.split("\r\n")[0].mid(20, 28), "November 22, 4,999,999 BCE a");
}

struct YearRangeCase {
    const char *name;
    const char *ymd;
    bool opens;
};

class VernalEquinoxYears : public MainWindowTest, public testing::WithParamInterface<YearRangeCase> {};

TEST_P(VernalEquinoxYears, OpenOnlyFromOneTo4000)
{
    EnterYMD(GetParam().ymd, kGregorian);
    EXPECT_EQ(controller.cmdVernalEquinoxes_Click(), GetParam().opens);
    if (GetParam().opens) {
        EXPECT_TRUE(dialogs.shown.empty());
    } else {
        EXPECT_EQ(OnlyMessage(),
                  "Vernal equinoxes are calculated only for years in the range 1 through 4000.");
        EXPECT_EQ(dialogs.shown[0].title, "Out of range");
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, VernalEquinoxYears,
                         testing::Values(YearRangeCase{"YearZero", "0-3-20 CE", false},
                                         YearRangeCase{"Year4001", "4001-3-20 CE", false},
                                         YearRangeCase{"YearOne", "1-3-20 CE", true},
                                         YearRangeCase{"Year4000", "4000-3-20 CE", true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, DateSequenceNeedsAValidDate)
{
    EnterYMD("2023-2-29 JC", kJulian);
    EXPECT_FALSE(controller.cmdDateSequence_Click());
    EXPECT_EQ(OnlyMessage(),
              "The input date is invalid.\r\n\r\nIn the Julian Calendar\r\n2023 is not a leap year.");
    dialogs.shown.clear();
    EnterYMD("2024-2-29 JC", kJulian);
    EXPECT_TRUE(controller.cmdDateSequence_Click());
    EXPECT_EQ(form.lngJDN, 2460383);  // 13 March 2024, Gregorian
}

}  // namespace
}  // namespace vardex::test
