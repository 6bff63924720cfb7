// The text of the vernal-equinox window: whole runs compared character for character, the number
// of years as typed, the capacity of the output box, the year limit and the column layout.
#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>

#include "RecordingSeams.h"
#include "engine/Calendars.h"
#include "equinox/EquinoxTable.h"

namespace vardex {
namespace {

using test::RecordingDialogs;

// Numbers are grouped in the user's regional format; these texts are written for English.
const bool kEnglishNumbers = [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return true;
}();

EquinoxRunInputs Inputs(int32_t firstYear, int years, DeeVariant variant = DeeVariant::Dee,
                        SolarTime solarTime = SolarTime::Apparent)
{
    EquinoxRunInputs inputs;
    inputs.firstYear = firstYear;
    inputs.numberOfYears = years;
    inputs.variant = variant;
    inputs.solarTime = solarTime;
    return inputs;
}

QString Header(const QString &name)
{
    return "  Year      Astronomical      Gregorian Calendar      " + name + " Calendar\r\n" +
           "            Julian date             London            'Washington'\r\n\r\n";
}

// --- Whole runs ---------------------------------------------------------------------------

// March equinoxes of 2024..2026 at 03:06:30.4, 09:01:31.2 and 14:45:30.0 UT; 77d0m W is 5h08m
// behind Greenwich, apparent time 8 minutes behind mean time, and exactly 30 seconds round down.
struct FullRun {
    const char *name;
    DeeVariant variant;
    const char *text;
    friend void PrintTo(const FullRun &c, std::ostream *out) { *out << c.name; }
};

class ShortRun : public testing::TestWithParam<FullRun> {};

TEST_P(ShortRun, WholeText)
{
    QString output;
    RecordingDialogs dialogs;
    const EquinoxRunResult result = RunVernalEquinoxes(Inputs(2024, 3, GetParam().variant), output, dialogs);
    EXPECT_EQ(output, QString::fromLatin1(GetParam().text));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(result.status, EquinoxRunStatus::Completed);
    EXPECT_TRUE(result.summaryWritten);
    EXPECT_EQ(result.offTargetCount, 0);
    ASSERT_EQ(result.rows.size(), 3u);
    EXPECT_NEAR(result.rows[1].jd, 2460754.87605548, 1e-7);
    EXPECT_EQ(result.rows[1].meridianTime, "03:46");
}

INSTANTIATE_TEST_SUITE_P(
    BothVariants, ShortRun,
    testing::Values(
        FullRun{"Dee", DeeVariant::Dee,
                "  Year      Astronomical      Gregorian Calendar      Dee Calendar\r\n"
                "            Julian date             London            'Washington'\r\n"
                "\r\n"
                "  2024     2,460,389.6295     2024-03-20 CE 02:58 a   2024-03-21 D 21:50 a 11\r\n"
                "  2025     2,460,754.8761     2025-03-20 CE 08:54     2025-03-21 D 03:46   12*\r\n"
                "  2026     2,461,120.1149     2026-03-20 CE 14:37     2026-03-21 D 09:29   13\r\n"
                "\r\n"
                "Number of VE not on March 21 in Dee Calendar for 77d0m W: 0 of 3\r\n"},
        FullRun{"DeeCecil", DeeVariant::DeeCecil,
                "  Year      Astronomical      Gregorian Calendar      Dee-Cecil Calendar\r\n"
                "            Julian date             London            'Washington'\r\n"
                "\r\n"
                "  2024     2,460,389.6295     2024-03-20 CE 02:58 a   2024-03-20 DC 21:50 a 11\r\n"
                "  2025     2,460,754.8761     2025-03-20 CE 08:54     2025-03-20 DC 03:46   12*\r\n"
                "  2026     2,461,120.1149     2026-03-20 CE 14:37     2026-03-20 DC 09:29   13\r\n"
                "\r\n"
                "Number of VE not on March 20 in Dee-Cecil Calendar for 77d0m W: 0 of 3\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EquinoxRun, OffTargetRowsAreMarkedAndCounted)
{
    // 2045: 23:51 apparent time on 19 March at 77d0m W, a day before the target in both variants.
    for (const DeeVariant variant : {DeeVariant::Dee, DeeVariant::DeeCecil}) {
        QString output;
        RecordingDialogs dialogs;
        const EquinoxRunResult result = RunVernalEquinoxes(Inputs(2044, 8, variant), output, dialogs);
        ASSERT_EQ(result.rows.size(), 8u);
        EXPECT_EQ(result.offTargetCount, 1);
        const EquinoxRow &row = result.rows[1];
        EXPECT_TRUE(row.offTarget);
        EXPECT_TRUE(row.text.endsWith("23:51   32*  <--"));
        EXPECT_EQ(row.meridianDate.day, variant == DeeVariant::Dee ? 20 : 19);
        EXPECT_EQ(output.count("<--"), 1);
        const QString summary =
            variant == DeeVariant::Dee
                ? "Number of VE not on March 21 in Dee Calendar for 77d0m W: 1 of 8 (12.50%)\r\n"
                : "Number of VE not on March 20 in Dee-Cecil Calendar for 77d0m W: 1 of 8 (12.50%)\r\n";
        EXPECT_TRUE(output.endsWith("\r\n\r\n" + summary)) << output.toStdString();
    }
}

TEST(EquinoxRun, NumbersFollowTheRegionalFormat)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QString output;
    RecordingDialogs dialogs;
    RunVernalEquinoxes(Inputs(2044, 8), output, dialogs);
    QLocale::setDefault(saved);
    EXPECT_TRUE(output.contains("  2044     2.467.694,4725     2044-03-19 CE")) << output.toStdString();
    EXPECT_TRUE(output.endsWith(": 1 of 8 (12,50%)\r\n")) << output.toStdString();
}

TEST(EquinoxRun, LaterRunsAppendAfterABlankLine)
{
    RecordingDialogs dialogs;
    QString output = Header("Dee");  // only the header: the first rows follow it directly
    EXPECT_FALSE(
        RunVernalEquinoxes(Inputs(2025, 1), output, dialogs).summaryWritten);  // one year, no summary
    RunVernalEquinoxes(Inputs(2026, 1, DeeVariant::Dee, SolarTime::Mean), output, dialogs);
    EXPECT_EQ(output,
              Header("Dee") +
                  "  2025     2,460,754.8761     2025-03-20 CE 08:54 a   2025-03-21 D 03:46 a 12*\r\n"
                  "\r\n"
                  "  2026     2,461,120.1149     2026-03-20 CE 14:45 m   2026-03-21 D 09:37 m 13\r\n");
}

TEST(EquinoxRun, HeaderKeepsResultsAndReplacesAnythingElse)
{
    QString output = "stray text";
    WriteTableHeader(output, "Dee-Cecil");
    EXPECT_EQ(output, Header("Dee-Cecil"));
    QString results = "  2025     2,460,754.8761     2025-03-20 CE 08:54\r\n";
    WriteTableHeader(results, "Dee");
    EXPECT_EQ(results, "  2025     2,460,754.8761     2025-03-20 CE 08:54\r\n");
}

// --- The year limit -------------------------------------------------------------------------

TEST(EquinoxRun, StopsAfterYear4000WithTheSummaryOutOfN)
{
    QString output;
    RecordingDialogs dialogs;
    const EquinoxRunResult result = RunVernalEquinoxes(Inputs(3995, 12), output, dialogs);
    EXPECT_EQ(result.status, EquinoxRunStatus::StoppedAtYearLimit);
    ASSERT_EQ(result.rows.size(), 6u);
    EXPECT_EQ(result.rows.back().year, 4000);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Vernal equinoxes are calculated only for years in the range 1 through 4000.");
    EXPECT_EQ(dialogs.shown[0].title, "Out of range");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(result.summaryWritten);
    EXPECT_TRUE(
        output.endsWith("  4000     3,182,108.5404     4000-03-20 CE 00:50     4000-03-21 D 19:42    7\r\n"
                        "\r\n"
                        "Number of VE not on March 21 in Dee Calendar for 77d0m W: 0 of 12\r\n"))
        << output.toStdString();
}

TEST(EquinoxRun, FirstYearAbove4000WritesNoRows)
{
    QString output;
    RecordingDialogs dialogs;
    const EquinoxRunResult result = RunVernalEquinoxes(Inputs(4001, 2), output, dialogs);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(dialogs.Texts(),
              QStringList{"Vernal equinoxes are calculated only for years in the range 1 through 4000."});
    EXPECT_TRUE(output.endsWith(": 0 of 2\r\n"));
}

// The window opens for years 1..4000 only, but the main window's input can move below 1 while it
// is open: only the upper limit stops a run, and years -9..0 have their own column widths.
TEST(EquinoxRun, YearsBelowOneAreWrittenWithTheirWidths)
{
    QString output;
    RecordingDialogs dialogs;
    const EquinoxRunResult result = RunVernalEquinoxes(Inputs(-9, 11), output, dialogs);
    ASSERT_EQ(result.rows.size(), 11u);
    EXPECT_TRUE(dialogs.shown.empty());
    QStringList rows;
    for (const EquinoxRow &row : result.rows)
        rows << row.text;
    EXPECT_EQ(rows[0], "  -9     1,717,851.9958      -9-03-21 CE 11:46 a    -9-03-21 D 06:38 a  -9*");
    EXPECT_TRUE(rows[9].startsWith("   0     ")) << rows[9].toStdString();
    EXPECT_EQ(rows[9].indexOf(" CE "), rows[10].indexOf(" CE ")) << "years 0 and 1 end their dates alike";
    EXPECT_TRUE(output.contains(" of 11")) << "with its summary";
}

// --- Number of years as typed ---------------------------------------------------------------

struct TypedYears {
    const char *name;
    QString typed;
    std::optional<int> years;
    QString writtenBack;
    QString message;  // empty: none
    friend void PrintTo(const TypedYears &c, std::ostream *out) { *out << c.name; }
};

class NumberOfYears : public testing::TestWithParam<TypedYears> {};

TEST_P(NumberOfYears, AsTyped)
{
    const TypedYears &c = GetParam();
    QString text = c.typed;
    RecordingDialogs dialogs;
    EXPECT_EQ(ReadNumberOfYears(text, dialogs), c.years);
    EXPECT_EQ(text, c.writtenBack);
    if (c.message.isEmpty()) {
        EXPECT_TRUE(dialogs.shown.empty());
    } else {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, c.message);
        EXPECT_EQ(dialogs.shown[0].title, "Do it");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
    }
}

const QString kInvalid = QStringLiteral("Invalid input for number of years.");
const QString kTooMany = QStringLiteral("Too many years");
const QString kHuge = QString(5000, u'9');
const QString kLongFive = QString(4999, u'0') + u'5';

INSTANTIATE_TEST_SUITE_P(
    Typed, NumberOfYears,
    testing::Values(
        TypedYears{"Twelve", "12", 12, "12", ""},
        TypedYears{"BlanksTrimmedAndWrittenBack", " 12 ", 12, "12", ""},
        TypedYears{"Empty", "", std::nullopt, "", ""}, TypedYears{"OnlyBlanks", "   ", std::nullopt, "", ""},
        TypedYears{"PlusSign", "+5", std::nullopt, "+5", kInvalid},
        TypedYears{"MinusSign", "-5", std::nullopt, "-5", kInvalid},
        TypedYears{"Comma", "1,2", std::nullopt, "1,2", kInvalid},
        TypedYears{"Letter", "1a", std::nullopt, "1a", kInvalid},
        TypedYears{"InnerBlank", "1 2", std::nullopt, "1 2", kInvalid},
        TypedYears{"Tab", "\t5", std::nullopt, "\t5", kInvalid},
        TypedYears{"Zero", "0", std::nullopt, "0", ""}, TypedYears{"Zeros", "000", std::nullopt, "000", ""},
        TypedYears{"Limit", "800", 800, "800", ""}, TypedYears{"LeadingZeros", "0800", 800, "0800", ""},
        TypedYears{"OverLimit", "801", std::nullopt, "801", kTooMany},
        TypedYears{"FourDigits", "1000", std::nullopt, "1000", kTooMany},
        TypedYears{"FiveThousandDigits", kHuge, std::nullopt, kHuge, kTooMany},
        TypedYears{"FiveThousandDigitsWorthFive", kLongFive, 5, kLongFive, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EquinoxRun, RefusesCountsAndLongitudesNoListOffers)
{
    RecordingDialogs dialogs;
    QString output = "kept";
    EquinoxRunInputs inputs = Inputs(2024, 801);
    EXPECT_EQ(RunVernalEquinoxes(inputs, output, dialogs).status, EquinoxRunStatus::TooManyYears);
    EXPECT_EQ(dialogs.Texts(), QStringList{"Too many years"});
    inputs.numberOfYears = 0;
    EXPECT_EQ(RunVernalEquinoxes(inputs, output, dialogs).status, EquinoxRunStatus::NothingToDo);
    inputs.numberOfYears = 5;
    for (const auto &[degrees, minutes] : {std::pair{69, 0}, {80, 0}, {77, -1}, {77, 60}}) {
        inputs.degrees = degrees;
        inputs.minutes = minutes;
        EXPECT_EQ(RunVernalEquinoxes(inputs, output, dialogs).status, EquinoxRunStatus::LongitudeOutOfRange);
    }
    EXPECT_EQ(output, "kept");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

// --- Capacity of the output box -------------------------------------------------------------

// A box holding earlier results and `length` characters in all.
QString EarlierResults(qsizetype length)
{
    QString text = "  2024 ... 2024-03-20 CE 02:58\r\n";
    text += QString(length - text.size(), u'x');
    return text;
}

TEST(EquinoxCapacity, FullBoxClearedOnYesKeptOnNo)
{
    const QString earlier = EarlierResults(63 * 1024 + 1);
    for (const MessageReply reply : {MessageReply::Yes, MessageReply::No}) {
        QString output = earlier;
        RecordingDialogs dialogs;
        dialogs.replies = {reply};
        const EquinoxRunResult result = RunVernalEquinoxes(Inputs(2025, 1), output, dialogs);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "Textbox is full.  Clear it?");
        EXPECT_EQ(dialogs.shown[0].title, "Do it");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
        if (reply == MessageReply::Yes) {
            EXPECT_EQ(result.status, EquinoxRunStatus::Completed);
            EXPECT_EQ(output, Header("Dee") + "  2025     2,460,754.8761     2025-03-20 CE 08:54 a   "
                                              "2025-03-21 D 03:46 a 12*\r\n");
        } else {
            EXPECT_EQ(result.status, EquinoxRunStatus::KeptFullBox);
            EXPECT_TRUE(result.rows.empty());
            EXPECT_EQ(output, earlier);
        }
    }
}

TEST(EquinoxCapacity, ExactlyFullIsNotAskedButStopsAtTheFirstRow)
{
    // Not longer than the capacity, so no question; the blank line between runs then tips it.
    QString output = EarlierResults(1024);
    const QString earlier = output;
    RecordingDialogs dialogs;
    EquinoxRunInputs inputs = Inputs(2025, 12);
    inputs.capacityKB = 1;
    const EquinoxRunResult result = RunVernalEquinoxes(inputs, output, dialogs);
    EXPECT_TRUE(result.CutByCapacity());
    EXPECT_TRUE(result.rows.empty());
    EXPECT_FALSE(result.summaryWritten);
    EXPECT_EQ(output, earlier + "\r\n");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Textbox is full.");
    EXPECT_EQ(dialogs.shown[0].title, "Do it");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
}

TEST(EquinoxCapacity, CutDuringTheRunAsIfCheckedBeforeEveryRow)
{
    EquinoxRunInputs inputs = Inputs(2024, 40);
    QString unlimited;
    RecordingDialogs quiet;
    const EquinoxRunResult all = RunVernalEquinoxes(inputs, unlimited, quiet);

    for (const int32_t kb : {1, 2, 3}) {
        // The rule: before each row, stop when the text is longer than the capacity.
        const qsizetype capacity = kb * 1024;
        QString expected = Header("Dee");
        size_t expectedRows = 0;
        while (expected.size() <= capacity)
            expected += all.rows[expectedRows++].text + "\r\n";

        inputs.capacityKB = kb;
        QString output;
        RecordingDialogs dialogs;
        const EquinoxRunResult result = RunVernalEquinoxes(inputs, output, dialogs);
        EXPECT_TRUE(result.CutByCapacity()) << kb;
        EXPECT_EQ(result.rows.size(), expectedRows) << kb;
        EXPECT_EQ(output, expected) << kb;
        EXPECT_FALSE(output.contains("Number of VE")) << kb;
        EXPECT_EQ(dialogs.Texts(), QStringList{"Textbox is full."}) << kb;
    }
}

// --- Layout ---------------------------------------------------------------------------------

TEST(EquinoxRows, TimeScaleMarkOnEveryTenthRowFromTheFirst)
{
    const QRegularExpression marks(R"( CE \d\d:\d\d(..)\s+\S+ DC? \d\d:\d\d(..) )");
    for (const SolarTime solarTime : {SolarTime::Apparent, SolarTime::Mean}) {
        const QString mark = solarTime == SolarTime::Apparent ? " a" : " m";
        QString output;
        RecordingDialogs dialogs;
        const EquinoxRunResult result =
            RunVernalEquinoxes(Inputs(2024, 23, DeeVariant::DeeCecil, solarTime), output, dialogs);
        ASSERT_EQ(result.rows.size(), 23u);
        for (size_t i = 0; i < result.rows.size(); ++i) {
            const QRegularExpressionMatch m = marks.match(result.rows[i].text);
            ASSERT_TRUE(m.hasMatch()) << result.rows[i].text.toStdString();
            const QString expected = i % 10 == 0 ? mark : "  ";
            EXPECT_EQ(m.captured(1), expected) << "row " << i + 1;
            EXPECT_EQ(m.captured(2), expected) << "row " << i + 1;
        }
    }
}

struct Columns {
    const char *name;
    int32_t year;
    qsizetype gregorianEnd;  // where " CE " starts
    qsizetype deeEnd;        // where " D " starts
    const char *cycle;
    friend void PrintTo(const Columns &c, std::ostream *out) { *out << c.name; }
};

class RowLayout : public testing::TestWithParam<Columns> {};

TEST_P(RowLayout, DateColumns)
{
    const EquinoxRow row = ComputeEquinoxRow(GetParam().year, 1, Inputs(GetParam().year, 1));
    EXPECT_EQ(row.text.indexOf(" CE "), GetParam().gregorianEnd) << row.text.toStdString();
    EXPECT_EQ(row.text.indexOf(" D "), GetParam().deeEnd) << row.text.toStdString();
    EXPECT_EQ(row.cycle, QString::fromLatin1(GetParam().cycle));
    EXPECT_TRUE(row.text.contains(" " + QString::fromLatin1(GetParam().cycle))) << row.text.toStdString();
}

// One- and two-digit years end their dates in the same column; three and four digits move them
// right.
INSTANTIATE_TEST_SUITE_P(Years, RowLayout,
                         testing::Values(Columns{"y1", 1, 36, 58, " 1"}, Columns{"y9", 9, 36, 58, " 9"},
                                         Columns{"y10", 10, 36, 58, "10"}, Columns{"y99", 99, 36, 58, "33"},
                                         Columns{"y100", 100, 38, 61, " 1"},
                                         Columns{"y999", 999, 38, 61, " 9"},
                                         Columns{"y1000", 1000, 40, 64, "10"},
                                         Columns{"y2017", 2017, 40, 64, " 4*"},
                                         Columns{"y2046", 2046, 40, 64, "33"},  // 62 * 33
                                         Columns{"y4000", 4000, 40, 64, " 7"}),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vardex
