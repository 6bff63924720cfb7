#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "RecordingSeams.h"
#include "engine/Calendars.h"
#include "sequence/DateSequence.h"

namespace vardex {
namespace {

constexpr int32_t kFeb27of2024 = 2460368;  // a Tuesday; 2024 is a Gregorian leap year, not a Dee one
constexpr int kProgramCapacityKB = 63;

const QString kDeeCecilHeader =
    QStringLiteral("   Common Era date      Dee-Cecil date         Julian day number    Day of week\r\n\r\n");
const QString kDeeHeader =
    QStringLiteral("   Common Era date      Dee date              Julian day number    Day of week\r\n\r\n");

// Five days around the leap day, Dee-Cecil: 29 February 2024 has no Dee-Cecil twin.
const QString kFiveDays =
    kDeeCecilHeader +
    QStringLiteral("   2024-02-27 CE        2024-02-27 DC          2,460,368            Tuesday\r\n"
                   "   2024-02-28 CE        2024-02-28 DC          2,460,369            Wednesday\r\n"
                   "   2024-02-29 CE        2024-03-01 DC  <--     2,460,370            Thursday\r\n"
                   "   2024-03-01 CE        2024-03-02 DC          2,460,371            Friday\r\n"
                   "   2024-03-02 CE        2024-03-03 DC          2,460,372            Saturday\r\n"
                   "\r\n"
                   "Two days (40%) have the same date in the two calendars.\r\n");

class DateSequenceTest : public testing::Test {
protected:
    SequenceResult Run(int32_t start, int days, DeeVariant variant = DeeVariant::DeeCecil,
                       int capacityKB = kProgramCapacityKB)
    {
        return RunDateSequence(
            [&] {
                ++startCalls;
                outputWhenStarted = output;
                return start;
            },
            days, variant, NumberFormat::Commas(), output, capacityKB, dialogs);
    }

    // The row lines of the output, without the header lines and the summary.
    QStringList RowLines() const
    {
        QStringList rows;
        for (const QString &line : output.split(QStringLiteral("\r\n")))
            if (line.contains(QStringLiteral("CE")))
                rows << line;
        return rows;
    }

    test::RecordingDialogs dialogs;
    QString output;
    int startCalls = 0;
    QString outputWhenStarted;
};

TEST_F(DateSequenceTest, FiveDaysFromTheLeapDayWholeText)
{
    const SequenceResult result = Run(kFeb27of2024, 5);

    EXPECT_EQ(output, kFiveDays);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(result.sameDateCount, 2);
    EXPECT_EQ(result.summary, QStringLiteral("Two days (40%) have the same date in the two calendars."));
    EXPECT_FALSE(result.textboxFull || result.clearDeclined || result.lastDayReached);
}

TEST_F(DateSequenceTest, RowsAsData)
{
    const SequenceResult result = Run(kFeb27of2024, 5);

    ASSERT_EQ(result.rows.size(), 5U);
    const SequenceRow &leapDay = result.rows[2];
    EXPECT_EQ(leapDay.jdn, kFeb27of2024 + 2);
    EXPECT_EQ(leapDay.gregorian, QStringLiteral("2024-02-29 CE"));
    EXPECT_EQ(leapDay.dee, QStringLiteral("2024-03-01 DC"));
    EXPECT_EQ(leapDay.weekday, QStringLiteral("Thursday"));
    const bool same[] = {true, true, false, false, false};
    const bool marked[] = {false, false, true, false, false};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(result.rows[i].sameDate, same[i]) << "row " << i;
        EXPECT_EQ(result.rows[i].changeMark, marked[i]) << "row " << i;
    }
}

TEST_F(DateSequenceTest, DeeVariantKeepsTheJdnColumnInPlace)
{
    const SequenceResult result = Run(kFeb27of2024, 3, DeeVariant::Dee);

    // The Dee calendar runs a day ahead of Dee-Cecil, so none of these days agree.
    EXPECT_EQ(
        output,
        kDeeHeader +
            QStringLiteral("   2024-02-27 CE        2024-02-28 D           2,460,368            Tuesday\r\n"
                           "   2024-02-28 CE        2024-03-01 D           2,460,369            Wednesday\r\n"
                           "   2024-02-29 CE        2024-03-02 D           2,460,370            Thursday\r\n"
                           "\r\n"
                           "All days have different dates in the two calendars.\r\n"));
    EXPECT_EQ(result.sameDateCount, 0);

    const QStringList deeRows = RowLines();
    output.clear();
    Run(kFeb27of2024, 3, DeeVariant::DeeCecil);
    const QStringList deeCecilRows = RowLines();
    ASSERT_EQ(deeRows.size(), 3);
    ASSERT_EQ(deeCecilRows.size(), 3);
    for (qsizetype i = 0; i < 3; ++i) {
        EXPECT_EQ(deeRows[i].indexOf(QStringLiteral("2,460,3")),
                  deeCecilRows[i].indexOf(QStringLiteral("2,460,3")))
            << "row " << i;
        EXPECT_EQ(deeRows[i].size(), deeCecilRows[i].size()) << "row " << i;
    }
}

struct WidthCase {
    const char *name;
    int32_t start;
    const char *rows;  // three rows, each ending in "\r\n"
};

class FirstRowWidthsTest : public DateSequenceTest, public testing::WithParamInterface<WidthCase> {};

// The gaps after the Gregorian date and after the JDN are measured on the first row only, so a
// text that grows or shrinks later moves the columns to its right.
TEST_P(FirstRowWidthsTest, LaterColumnsFollowTheTextLength)
{
    Run(GetParam().start, 3);
    EXPECT_EQ(output, kDeeCecilHeader + QString::fromUtf8(GetParam().rows) +
                          QStringLiteral("\r\nAll days have the same date in the two calendars.\r\n"));
    EXPECT_FALSE(output.contains(QStringLiteral("<--")));
}

INSTANTIATE_TEST_SUITE_P(
    Years, FirstRowWidthsTest,
    testing::Values(
        WidthCase{"yearGrowsTo1000", 2086301,
                  "   999-12-30 CE         999-12-30 DC          2,086,301            Monday\r\n"
                  "   999-12-31 CE         999-12-31 DC          2,086,302            Tuesday\r\n"
                  "   1000-01-01 CE         1000-01-01 DC          2,086,303            Wednesday\r\n"},
        WidthCase{"yearShrinksToMinus999", 1356182,
                  "   -1000-12-31 CE       -1000-12-31 DC          1,356,182            Wednesday\r\n"
                  "   -999-01-01 CE       -999-01-01 DC          1,356,183            Thursday\r\n"
                  "   -999-01-02 CE       -999-01-02 DC          1,356,184            Friday\r\n"},
        WidthCase{"jdnGrowsToAMillion", 999998,
                  "   -1975-10-19 CE       -1975-10-19 DC            999,998              Sunday\r\n"
                  "   -1975-10-20 CE       -1975-10-20 DC            999,999              Monday\r\n"
                  "   -1975-10-21 CE       -1975-10-21 DC          1,000,000              Tuesday\r\n"}),
    [](const testing::TestParamInfo<WidthCase> &info) { return info.param.name; });

TEST_F(DateSequenceTest, SummaryOnlyFromThreeDays)
{
    // 28 February 2024 agrees, the two days after it do not.
    const char *const summaries[] = {"", "", "Only one day has the same date in the two calendars"};
    for (int days = 1; days <= 3; ++days) {
        output.clear();
        const SequenceResult result = Run(kFeb27of2024 + 1, days);
        EXPECT_EQ(result.summary, QString::fromUtf8(summaries[days - 1])) << days << " days";
        EXPECT_EQ(RowLines().size(), days);
        EXPECT_EQ(output.endsWith(QStringLiteral("day\r\n")), days < 3) << days << " days";
    }
}

struct SummaryCase {
    const char *name;
    int count;
    int days;
    const char *text;
};

class SequenceSummaryTest : public testing::TestWithParam<SummaryCase> {};

TEST_P(SequenceSummaryTest, Sentence)
{
    EXPECT_EQ(SequenceSummary(GetParam().count, GetParam().days, NumberFormat::Commas()),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SequenceSummaryTest,
    testing::Values(
        SummaryCase{"none", 0, 5, "All days have different dates in the two calendars."},
        SummaryCase{"all", 5, 5, "All days have the same date in the two calendars."},
        SummaryCase{"one", 1, 5, "Only one day has the same date in the two calendars"},
        SummaryCase{"twoOfFive", 2, 5, "Two days (40%) have the same date in the two calendars."},
        SummaryCase{"twentyOneOfThirty", 21, 30,
                    "Twenty one days (70%) have the same date in the two calendars."},
        SummaryCase{"hundredFiftyOfThreeHundred", 150, 300,
                    "150 days (50%) have the same date in the two calendars."},
        SummaryCase{"halfRoundsUp", 3, 8, "Three days (38%) have the same date in the two calendars."},
        SummaryCase{"belowHalfRoundsDown", 2, 7, "Two days (29%) have the same date in the two calendars."},
        SummaryCase{"nearlyAll", 799, 800, "799 days (100%) have the same date in the two calendars."},
        SummaryCase{"twoDays", 1, 2, ""}, SummaryCase{"countAboveDays", 6, 5, ""}),
    [](const testing::TestParamInfo<SummaryCase> &info) { return info.param.name; });

TEST_F(DateSequenceTest, SecondRunFollowsABlankLineUnderTheSameHeader)
{
    Run(kFeb27of2024, 5);
    EXPECT_EQ(outputWhenStarted, kDeeCecilHeader);  // the input date is converted after the header

    const SequenceResult second = Run(kFeb27of2024 + 5, 2);
    EXPECT_EQ(outputWhenStarted, kFiveDays + QStringLiteral("\r\n"));
    EXPECT_EQ(
        output,
        kFiveDays +
            QStringLiteral("\r\n"
                           "   2024-03-03 CE        2024-03-04 DC          2,460,373            Sunday\r\n"
                           "   2024-03-04 CE        2024-03-05 DC          2,460,374            Monday\r\n"));
    EXPECT_EQ(startCalls, 2);
    EXPECT_TRUE(second.summary.isEmpty());
}

TEST_F(DateSequenceTest, FullBoxAnsweredNoLeavesEverythingAlone)
{
    output = QString(kProgramCapacityKB * 1024 + 1, u'x');
    const QString before = output;
    dialogs.replies = {MessageReply::No};

    const SequenceResult result = Run(kFeb27of2024, 5);

    EXPECT_TRUE(result.clearDeclined);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(output, before);
    EXPECT_EQ(startCalls, 0);
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Textbox is full.  Clear it?"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Do it"));
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
}

TEST_F(DateSequenceTest, FullBoxAnsweredYesStartsAfresh)
{
    output = QString(kProgramCapacityKB * 1024, u'x') + QStringLiteral("CE");
    dialogs.replies = {MessageReply::Yes};

    const SequenceResult result = Run(kFeb27of2024, 5);

    EXPECT_FALSE(result.clearDeclined);
    EXPECT_EQ(output, kFiveDays);
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Textbox is full.  Clear it?")});
}

TEST_F(DateSequenceTest, BoxAtExactlyTheCapacityTakesOneMoreRow)
{
    // Not over the capacity, so no question; no "CE", so no blank line; not empty, so no header.
    const QString filler(1024, u'x');
    output = filler;

    const SequenceResult result = Run(kFeb27of2024, 5, DeeVariant::DeeCecil, 1);

    EXPECT_TRUE(result.textboxFull);
    EXPECT_EQ(result.rows.size(), 1U);
    EXPECT_TRUE(result.summary.isEmpty());
    EXPECT_EQ(output,
              filler +
                  QStringLiteral(
                      "   2024-02-27 CE        2024-02-27 DC          2,460,368            Tuesday\r\n"));
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Textbox is full."));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Do it"));
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
}

TEST_F(DateSequenceTest, RunCutByTheCapacityKeepsItsRows)
{
    const SequenceResult result = Run(kFeb27of2024, 800, DeeVariant::DeeCecil, 2);

    ASSERT_TRUE(result.textboxFull);
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Textbox is full.")});
    const QStringList rows = RowLines();
    EXPECT_EQ(rows.size(), static_cast<qsizetype>(result.rows.size()));
    EXPECT_GT(output.size(), 2048);
    EXPECT_LE(output.size() - rows.last().size() - 2, 2048);  // the last row started within the box
    EXPECT_TRUE(output.endsWith(QStringLiteral("day\r\n")));  // no summary
}

TEST_F(DateSequenceTest, StopsAtTheLastJdn)
{
    const SequenceResult result = Run(std::numeric_limits<int32_t>::max() - 1, 5);

    EXPECT_TRUE(result.lastDayReached);
    ASSERT_EQ(result.rows.size(), 2U);
    EXPECT_EQ(result.rows[1].gregorian, QStringLiteral("5,874,898-06-03 CE"));
    EXPECT_EQ(result.rows[1].dee, QStringLiteral("5,874,899-08-22 DC"));
    EXPECT_TRUE(output.endsWith(QStringLiteral("2,147,483,647        Tuesday\r\n")));
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("The date sequence cannot go beyond Julian day number 2,147,483,647."));
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
}

TEST_F(DateSequenceTest, FirstJdnOfAll)
{
    const SequenceResult result = Run(std::numeric_limits<int32_t>::min(), 1);

    ASSERT_EQ(result.rows.size(), 1U);
    EXPECT_EQ(
        RowLines().value(0),
        QStringLiteral("   -5,884,323-05-15 CE  -5,884,324-02-24 DC     -2,147,483,648       Saturday"));
}

TEST_F(DateSequenceTest, DaysOutsideTheRangeWriteNothing)
{
    Run(kFeb27of2024, 0);
    EXPECT_TRUE(dialogs.shown.empty());
    Run(kFeb27of2024, 801);
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Too many days")});
    EXPECT_TRUE(output.isEmpty());
    EXPECT_EQ(startCalls, 0);
}

}  // namespace
}  // namespace vardex
