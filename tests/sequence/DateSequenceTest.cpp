// SPDX-License-Identifier: MIT
// The date-sequence table: a whole run, the summary, the box's capacity, the ends of the JDN range.
#include <gtest/gtest.h>

#include <limits>

#include "RecordingSeams.h"
#include "sequence/DateSequence.h"
#include "sequence/NumberOfDays.h"
#include "sequence/NumberWords.h"

namespace vardex {
namespace {

constexpr int32_t kFeb27of2024 = 2460368;  // a Tuesday; 2024 is a Gregorian leap year, not a Dee one
const QString kHeader =
    "   Common Era date      Dee-Cecil date         Julian day number    Day of week\r\n\r\n";
const QString kTwoDays = "   2024-02-27 CE        2024-02-27 DC          2,460,368            Tuesday\r\n"
                         "   2024-02-28 CE        2024-02-28 DC          2,460,369            Wednesday\r\n";
// Five days around the leap day, Dee-Cecil: 29 February 2024 has no Dee-Cecil twin.
const QString kFiveDays = kHeader + kTwoDays +
                          "   2024-02-29 CE        2024-03-01 DC  <--     2,460,370            Thursday\r\n"
                          "   2024-03-01 CE        2024-03-02 DC          2,460,371            Friday\r\n"
                          "   2024-03-02 CE        2024-03-03 DC          2,460,372            Saturday\r\n"
                          "\r\nTwo days (40%) have the same date in the two calendars.\r\n";

class DateSequence : public testing::Test {
protected:
    SequenceResult Run(int32_t start, int days, int capacityKB = 63)
    {
        const auto first = [&] { return ++startCalls, outputWhenStarted = output, start; };
        return RunDateSequence(first, days, DeeVariant::DeeCecil, NumberFormat::Commas(), output, capacityKB,
                               dialogs);
    }
    void Fresh() { output.clear(), dialogs.shown.clear(); }
    test::RecordingDialogs dialogs;
    QString output;
    int startCalls = 0;
    QString outputWhenStarted;
};

TEST_F(DateSequence, FiveDaysFromTheLeapDayAndASecondRunAfterABlankLine)
{
    const SequenceResult result = Run(kFeb27of2024, 5);
    EXPECT_EQ(output, kFiveDays);
    // The start is read after the header is written.
    ASSERT_EQ(std::tuple(outputWhenStarted, result.sameDateCount, result.rows.size()),
              std::tuple(kHeader, 2, size_t{5}));
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(std::pair(result.rows[i].sameDate, result.rows[i].changeMark), std::pair(i < 2, i == 2))
            << i;
    Run(kFeb27of2024, 2);
    EXPECT_EQ(output, kFiveDays + "\r\n" + kTwoDays) << "no summary for two days";
}

TEST(SequenceSummary, CountsInWordsAndRoundedPercentages)
{
    const QString same = " have the same date in the two calendars.";
    // clang-format off
    const std::tuple<int, int, QString> cases[] = {
        {0, 5, "All days have different dates in the two calendars."}, {5, 5, "All days" + same},
        {1, 5, "Only one day has the same date in the two calendars"}, {3, 8, "Three days (38%)" + same},
        {21, 30, "Twenty one days (70%)" + same}, {150, 300, "150 days (50%)" + same}, {1, 2, ""}, {6, 5, ""},
        {2, 7, "Two days (29%)" + same}, {5, 7, "Five days (71%)" + same},
        {799, 800, "799 days (100%)" + same}, {-1, 5, ""}};
    const std::pair<int, const char *> words[] = {{0, "No"}, {11, "Eleven"}, {19, "Nineteen"}, {20, "Twenty"},
        {45, "Forty five"}, {90, "Ninety"}, {99, "Ninety nine"}, {100, "100"}, {1000, "1,000"}, {-3, "-3"}};
    // clang-format on
    for (const auto &[count, days, text] : cases)
        EXPECT_EQ(SequenceSummary(count, days, NumberFormat::Commas()), text) << count << " of " << days;
    for (const auto &[n, text] : words)
        EXPECT_EQ(NumberWords(n, NumberFormat::Commas()), text);
}

// A box over its capacity is cleared on Yes and kept on No. Before each row the run stops when the
// text is longer than the capacity, so the row that crosses it is the last (and no summary follows).
TEST_F(DateSequence, TheCapacityOfTheBoxAndTheEndsOfTheJdnRangeAndOfTheNumberOfDays)
{
    const QString full = QString(63 * 1024, u'x') + "CE";
    dialogs.replies = {MessageReply::No, MessageReply::Yes};
    output = full;
    EXPECT_TRUE(Run(kFeb27of2024, 5).clearDeclined);
    EXPECT_EQ(std::pair(output, startCalls), std::pair(full, 0));
    Run(kFeb27of2024, 5);
    EXPECT_EQ(output, kFiveDays);
    output = QString(1024, u'x');  // not over, so no question; no "CE", no blank line; not empty, no header
    EXPECT_TRUE(Run(kFeb27of2024, 5, 1).textboxFull);
    EXPECT_EQ(output, QString(1024, u'x') + kTwoDays.left(kTwoDays.indexOf('\n') + 1));
    test::ShownMessage clearIt{"Textbox is full.  Clear it?", "Do it", MessageIcon::None,
                               MessageButtons::YesNo},
        noRoom{"Textbox is full.", "Do it", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(dialogs.shown, std::vector({clearIt, clearIt, noRoom}));
    Fresh();
    EXPECT_EQ(Run(kFeb27of2024, 800, 2).rows.size(), 26u);  // 80 + 25 x 77 <= 2,048
    Fresh();
    EXPECT_TRUE(Run(std::numeric_limits<int32_t>::max() - 1, 5).lastDayReached);
    noRoom.text = "The date sequence cannot go beyond Julian day number 2,147,483,647.";
    EXPECT_EQ(dialogs.shown, std::vector({noRoom}));
    Fresh();
    Run(std::numeric_limits<int32_t>::min(), 1);
    EXPECT_EQ(output,
              kHeader + "   -5,884,323-05-15 CE  -5,884,324-02-24 DC     -2,147,483,648       Saturday\r\n");
    Fresh();
    Run(kFeb27of2024, 0);
    Run(kFeb27of2024, 801);
    EXPECT_TRUE(output.isEmpty());
    for (QString typed : {"801", "1a", "800"})
        CheckNumberOfDays(typed, dialogs);
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"Too many days", "Too many days", "Invalid input for number of days."}));
}

}  // namespace
}  // namespace vardex
