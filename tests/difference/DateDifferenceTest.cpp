// SPDX-License-Identifier: MIT
// The difference between two dates: its definition checked against the main window's arithmetic,
// and the edges where the calendars part. (Its texts: the transcripts of tests/cli/diff.txt.)
#include <gtest/gtest.h>

#include <QFile>
#include <cstdio>
#include <limits>

#include "difference/DateDifferenceResult.h"
#include "difference/DifferenceReading.h"
#include "input/InputReading.h"

namespace vardex::test {
namespace {

constexpr Calendar kG = Calendar::Gregorian, kJ = Calendar::Julian, kD = Calendar::Dee;
constexpr DeeVariant kCecil = DeeVariant::DeeCecil;
const InputContext kContext{kCecil, QStringLiteral("Date difference"), NumberFormat::Commas()};

int32_t Jdn(Calendar calendar, CalendarDate date) { return DateToJDN(calendar, date, kCecil).value(); }

// From moved by the main window's arithmetic, the difference typed as a user would type it.
std::optional<int32_t> AddedBack(Calendar calendar, int32_t from, const YearsMonthsDays &d)
{
    InputEntry e;
    const CalendarDate date = JDNToDate(calendar, from, kCecil);
    e.yearMonthDayChosen = true;
    e.type = InputType::YearMonthDay;
    e.ymdCalendarEntry = calendar == kG ? 1 : calendar == kJ ? 2 : 3;
    e.ymdParts = {QString::number(date.year), QString::number(date.month), QString::number(date.day)};
    e.sign = d.days < 0 || d.months < 0 || d.years < 0 ? ArithmeticSign::Minus : ArithmeticSign::Plus;
    e.amounts = {QString::number(std::abs(d.years)), QString::number(std::abs(d.months)), "",
                 QString::number(std::abs(d.days))};
    return ReadInputDay(e, calendar, true, kContext).jdn;
}

// Month ends, 29 February, Dee leap days, year 0, negative years: as defined, and added back.
TEST(DateDifference, EdgesAreAsDefinedAndAddBack)
{
    const std::tuple<Calendar, CalendarDate, CalendarDate, YearsMonthsDays> edges[] = {
        {kG, {2024, 1, 31}, {2024, 2, 29}, {0, 1, 0}},   {kG, {2024, 3, 1}, {2024, 1, 31}, {0, -1, -1}},
        {kG, {2024, 3, 31}, {2024, 2, 29}, {0, -1, 0}},  {kG, {2024, 2, 29}, {2025, 2, 28}, {1, 0, 0}},
        {kG, {2024, 2, 29}, {2028, 2, 29}, {4, 0, 0}},   {kG, {2023, 3, 1}, {2024, 2, 29}, {0, 11, 28}},
        {kJ, {1900, 2, 29}, {1901, 3, 1}, {1, 0, 1}},    {kD, {2021, 2, 29}, {2022, 2, 28}, {1, 0, 0}},
        {kD, {2024, 2, 28}, {2024, 3, 1}, {0, 0, 1}},    {kG, {-1, 12, 31}, {0, 1, 1}, {0, 0, 1}},
        {kJ, {-43, 3, 15}, {2024, 3, 15}, {2067, 0, 0}}, {kJ, {-43, 3, 15}, {-44, 3, 16}, {0, -11, -30}}};
    for (const auto &[calendar, fromDate, toDate, expected] : edges) {
        const int32_t from = Jdn(calendar, fromDate), to = Jdn(calendar, toDate);
        EXPECT_EQ(CalendarDifference(calendar, from, to, kCecil), expected) << from << " to " << to;
        EXPECT_EQ(AddedBack(calendar, from, expected), to) << from;
    }
}

// Gregorian pairs, near and far, against python3-dateutil's relativedelta (relativedelta-pairs.txt),
// each also typed back into the main window's arithmetic; the same days in the other calendars
// must add back too.
TEST(DateDifference, AgreesWithRelativedeltaAndAddsBack)
{
    QFile file(QStringLiteral(RELATIVEDELTA_PAIRS));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int pairs = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.startsWith(u'#'))
            continue;
        int fy, fm, fd, ty, tm, td, years, months, days;
        ASSERT_EQ(std::sscanf(line.toLatin1().constData(), "%d-%d-%d %d-%d-%d %d %d %d", &fy, &fm, &fd, &ty,
                              &tm, &td, &years, &months, &days),
                  9);
        const int32_t from = Jdn(kG, {fy, fm, fd}), to = Jdn(kG, {ty, tm, td});
        EXPECT_EQ(CalendarDifference(kG, from, to, kCecil), (YearsMonthsDays{years, months, days}))
            << line.toStdString();
        for (const Calendar calendar : kDifferenceCalendars)
            ASSERT_EQ(AddedBack(calendar, from, CalendarDifference(calendar, from, to, kCecil)), to)
                << line.toStdString();
        ++pairs;
    }
    EXPECT_EQ(pairs, 600);
}

// From the first JDN to the last: figures worked out with big integers (Richards' conversions and
// the month count above, in Python).
TEST(DateDifference, SpansTheWholeRangeOfDays)
{
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
    const DateDifferenceResult r = DifferenceOf(kMin, kMax, kCecil);
    EXPECT_EQ(r.days, 4'294'967'295);
    EXPECT_EQ(r.weeks, (WeeksDays{613'566'756, 3}));
    EXPECT_EQ(r.inCalendars[0], (YearsMonthsDays{11'759'221, 0, 19}));
    EXPECT_EQ(r.inCalendars[1], (YearsMonthsDays{11'758'979, 7, 1}));
    EXPECT_EQ(DifferenceOf(kMax, kMin, kCecil).weeks, (WeeksDays{-613'566'756, -3}));
}

// Each date is read as the main window reads its input: the same messages, its own title.
TEST(DifferenceReading, ReadsEitherFormAsTheMainWindowDoes)
{
    InputEntry mdy;
    std::tie(mdy.monthDayYearChosen, mdy.month, mdy.day, mdy.year, mdy.era, mdy.calendarEntry) =
        std::tuple(true, 3, 15, QString("44"), QString("BC"), 2);
    EXPECT_EQ(ReadDifferenceDate(mdy, kContext).jdn, Jdn(kJ, {-43, 3, 15}));
    mdy.calendarEntry = 4;  // a weekday: no search here
    EXPECT_FALSE(ReadDifferenceDate(mdy, kContext).jdn);

    // Neither form chosen is the year-month-day form; the main window's arithmetic stays out.
    const auto ymd = [](const QString &text) {
        InputEntry e;
        e.yearMonthDay = text;
        e.sign = ArithmeticSign::Plus;
        e.arithmeticOffered = true;
        e.amounts = {"-1", "", "", "1"};
        const DayReading r = ReadDifferenceDate(e, kContext);
        return std::pair(r.jdn,
                         r.messages.empty() ? QString() : r.messages[0].title + ": " + r.messages[0].text);
    };
    EXPECT_EQ(ymd("2021-2-29 dc"), std::pair(std::optional(Jdn(kD, {2021, 2, 29})), QString()));
    EXPECT_EQ(ymd("2024-3-5").second, "Date difference: Please specify calendar for year-month-day date.");
    EXPECT_EQ(ymd("2024-3-5 D").second, "Date difference: Invalid input date") << "D is the other variant's";
}

}  // namespace
}  // namespace vardex::test
