// SPDX-License-Identifier: MIT
// The vernal-equinox table: runs one after another, the year limit, the box's capacity. Whole runs
// and the columns: tests/cli/tables.txt.
#include <gtest/gtest.h>

#include <QLocale>

#include "RecordingSeams.h"
#include "equinox/EquinoxTable.h"

namespace vardex {
namespace {

EquinoxRunInputs Inputs(int32_t firstYear, int years, int32_t capacityKB = 63,
                        SolarTime solarTime = SolarTime::Apparent)
{
    return {firstYear, years, 77, 0, solarTime, DeeVariant::Dee, capacityKB, NumberFormat::Commas()};
}

QString Header(const QString &name)
{
    return "  Year      Astronomical      Gregorian Calendar      " + name +
           " Calendar\r\n            Julian date             London            'Washington'\r\n\r\n";
}

// A run's text, its result and its messages.
struct TableRun {
    explicit TableRun(const EquinoxRunInputs &inputs, QString earlier = {},
                      std::deque<MessageReply> replies = {})
        : output(std::move(earlier))
    {
        dialogs.replies = std::move(replies);
        result = RunVernalEquinoxes(inputs, output, dialogs);
    }
    QString output;
    test::RecordingDialogs dialogs;
    EquinoxRunResult result;
};

// What a run gives beside its text, and its regional format.
TEST(EquinoxRun, RowsAsDataRegionalFormatLaterRunsUnderTheHeaderTheyFindAndTheYearLimits)
{
    const TableRun run(Inputs(2044, 8));
    EXPECT_EQ(std::tuple(run.result.status, run.result.offTargetCount, run.result.rows.at(1).offTarget),
              std::tuple(EquinoxRunStatus::Completed, 1, true));
    EXPECT_NEAR(run.result.rows[1].jd, 2468059.7132, 1e-4);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EquinoxRunInputs german = Inputs(2044, 8);
    german.format = NumberFormat::Regional();
    QLocale::setDefault(saved);
    const TableRun regional(german);
    EXPECT_TRUE(regional.output.contains("  2044     2.467.694,4725     2044-03-19 CE"))
        << regional.output.toStdString();
    EXPECT_TRUE(regional.output.endsWith(": 1 of 8 (12,50%)\r\n"));
    QString output = "stray text";
    WriteTableHeader(output, "Dee");
    EXPECT_EQ(output, Header("Dee"));
    const TableRun first(Inputs(2025, 1), output);
    EXPECT_FALSE(first.result.summaryWritten) << "one year, no summary";
    const TableRun second(Inputs(2026, 1, 63, SolarTime::Mean), first.output);
    const QString rows =
        "  2025     2,460,754.8761     2025-03-20 CE 08:54 a   2025-03-21 D 03:46 a 12*\r\n\r\n"
        "  2026     2,461,120.1149     2026-03-20 CE 14:45 m   2026-03-21 D 09:37 m 13\r\n";
    EXPECT_EQ(second.output, Header("Dee") + rows);
    output = second.output;
    WriteTableHeader(output, "Dee-Cecil");
    EXPECT_EQ(output, Header("Dee") + rows) << "rows are kept";
    // The window opens for years 1..4000 only, but the main window's input can move below 1 while it
    // is open: only the upper limit stops a run, and years -9..0 have their own column widths. The
    // window counts the marked years out of the years asked (vardex-cli's count: tests/cli).
    EquinoxRunInputs inputs = Inputs(3995, 12);
    const TableRun late(inputs);
    EXPECT_EQ(std::pair(late.result.status, late.result.rows.size()),
              std::pair(EquinoxRunStatus::StoppedAtYearLimit, size_t{6}));
    EXPECT_TRUE(late.output.endsWith(
        "  4000     3,182,108.5404     4000-03-20 CE 00:50     4000-03-21 D 19:42    7\r\n\r\n"
        "Number of VE not on March 21 in Dee Calendar for 77d0m W: 0 of 12\r\n"));
    EXPECT_EQ(late.dialogs.shown, std::vector<test::ShownMessage>(
                                      {{"Vernal equinoxes are calculated only for years in the "
                                        "range 1 through 4000.",
                                        "Out of range", MessageIcon::Information, MessageButtons::Ok}}));
    EXPECT_TRUE(TableRun(Inputs(4001, 2)).output.endsWith(": 0 of 2\r\n"));
    inputs = Inputs(3990, 20);
    EXPECT_TRUE(TableRun(inputs).output.endsWith(": 1 of 20 (5.00%)\r\n"));
    const TableRun early(Inputs(-9, 11));
    EXPECT_TRUE(early.dialogs.shown.empty());
    EXPECT_EQ(early.result.rows.at(0).text,
              "  -9     1,717,851.9958      -9-03-21 CE 11:46 a    -9-03-21 D 06:38 a  -9*");
    EXPECT_TRUE(early.result.rows.at(9).text.startsWith("   0     "));
    EXPECT_EQ(early.result.rows[9].text.indexOf(" CE "), early.result.rows[10].text.indexOf(" CE "));
}

// The CSV and JSON carry the place in the cycle and the leap year as values: the place counts
// from the year 33 k that ends a cycle, also before year 1, where the text shows the remainder.
TEST(EquinoxRow, ThePlaceInTheDeeCycleAndItsLeapYear)
{
    const std::tuple<int32_t, int, bool, QString> cases[] = {
        {-33, 33, false, " 33"}, {-9, 24, true, " -9*"},   {-1, 32, true, " -1*"}, {0, 33, false, " 33"},
        {1, 1, false, "  1"},    {4, 4, true, "  4*"},     {32, 32, true, " 32*"}, {33, 33, false, " 33"},
        {34, 1, false, "  1"},   {2025, 12, true, " 12*"}, {4000, 7, false, "  7"}};
    for (const auto &[year, place, leap, shown] : cases) {
        const EquinoxRow row = ComputeEquinoxRow(year, 1, Inputs(year, 1));
        EXPECT_EQ(std::pair(row.cycle, row.deeLeapYear), std::pair(place, leap)) << year;
        EXPECT_TRUE(row.text.endsWith(shown) || row.text.endsWith(shown + "  <--")) << row.text.toStdString();
    }
}

// A full box is cleared on Yes and kept on No. Before each row the run stops when the text is
// longer than the capacity, so the row that crosses it is the last; a box exactly full is not asked
// about, but the blank line between runs tips it. Counts and longitudes no list offers write nothing.
TEST(EquinoxCapacity, AFullBoxAndTheRowThatCrossesTheCapacity)
{
    const QString full = "  2024 ... 2024-03-20 CE 02:58\r\n" + QString(63 * 1024, u'x');
    EXPECT_EQ(TableRun(Inputs(2025, 1), full, {MessageReply::No}).output, full);
    const TableRun cleared(Inputs(2025, 1), full, {MessageReply::Yes});
    EXPECT_EQ(cleared.output,
              Header("Dee") +
                  "  2025     2,460,754.8761     2025-03-20 CE 08:54 a   2025-03-21 D 03:46 a 12*\r\n");
    const TableRun all(Inputs(2024, 40));
    QString expected = Header("Dee");
    for (size_t row = 0; expected.size() <= 2048; ++row)
        expected += all.result.rows[row].text + "\r\n";
    const TableRun cut(Inputs(2024, 40, 2));
    EXPECT_TRUE(cut.result.CutByCapacity());
    EXPECT_EQ(cut.output, expected);
    EXPECT_EQ(cleared.dialogs.shown,
              std::vector({test::ShownMessage{"Textbox is full.  Clear it?", "Do it", MessageIcon::None,
                                              MessageButtons::YesNo}}));
    EXPECT_EQ(cut.dialogs.shown,
              std::vector({test::ShownMessage{"Textbox is full.", "Do it", MessageIcon::Exclamation,
                                              MessageButtons::Ok}}));
    const QString exactlyFull = "  2024 CE " + QString(1014, u'x');
    EXPECT_EQ(TableRun(Inputs(2025, 12, 1), exactlyFull).output, exactlyFull + "\r\n");
    EXPECT_EQ(TableRun(Inputs(2024, 801), "kept").result.status, EquinoxRunStatus::TooManyYears);
    EXPECT_EQ(TableRun(Inputs(2024, 0), "kept").output, "kept");
    for (const auto &[degrees, minutes] : {std::pair{69, 0}, {80, 0}, {77, -1}, {77, 60}}) {
        EquinoxRunInputs inputs = Inputs(2024, 5);
        std::tie(inputs.degrees, inputs.minutes) = std::pair(degrees, minutes);
        EXPECT_EQ(TableRun(inputs, "kept").output, "kept");
    }
}

}  // namespace
}  // namespace vardex
