// SPDX-License-Identifier: MIT
// What a calendar page shows beside its days, on published dates: the small second dates (the
// Julian calendar ran 11 days behind from 1700 to 1800 and 13 days from 1 March 1900; Rosh
// Hashanah 5785 fell on 3 October 2024, 1-1-1 D is JDN 1,721,425), the footer's notes on England's
// change of 1752, and the painter's cells: one for each day, inside the page, none over another.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

#include "engine/Calendars.h"
#include "history/WrittenDayReading.h"
#include "pages/CalendarPageDay.h"
#include "pages/CalendarPagePainter.h"
#include "pages/CalendarPageSheet.h"

namespace vardex::test {
namespace {

int32_t Gregorian(int32_t year, int32_t month, int32_t day)
{
    return *DateToJDN(Calendar::Gregorian, {year, month, day}, DeeVariant::Dee);
}

TEST(SecondDateText, TheMonthOnItsFirstDayAndThePagesTheYearWhereOneBegins)
{
    const struct {
        SecondCalendar calendar;
        int32_t jdn;
        DeeVariant variant;
        bool pageFirstDay;
        const char *text;
    } cases[] = {
        {SecondCalendar::Julian, Gregorian(1752, 9, 14), DeeVariant::Dee, false, "3"},
        {SecondCalendar::Julian, Gregorian(1752, 9, 14), DeeVariant::Dee, true, "3 Sep 1752"},
        {SecondCalendar::Julian, Gregorian(1900, 3, 14), DeeVariant::Dee, false, "1 Mar"},
        {SecondCalendar::Julian, Gregorian(1753, 1, 12), DeeVariant::Dee, false, "1 Jan 1753"},
        {SecondCalendar::Gregorian, Gregorian(1752, 9, 1), DeeVariant::Dee, false, "1 Sep"},
        {SecondCalendar::Hebrew, Gregorian(2024, 10, 3), DeeVariant::Dee, false, "1 Tishrei 5785"},
        {SecondCalendar::Hebrew, Gregorian(2024, 10, 4), DeeVariant::Dee, false, "2"},
        {SecondCalendar::Dee, 1721425, DeeVariant::Dee, true, "1 Jan 1"},
        {SecondCalendar::Dee, 1721425, DeeVariant::DeeCecil, true, "31 Dec 1 BC"},
        {SecondCalendar::None, Gregorian(2024, 10, 3), DeeVariant::Dee, true, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SecondDateText(c.calendar, c.jdn, c.variant, c.pageFirstDay), c.text) << c.text;
}

// The notes and the legend follow the marks chosen, and say what the page cannot show.
TEST(PageSheet, TheNotesAndTheLegendFollowTheMarks)
{
    const struct {
        MarkChoice marks;
        int32_t year;
        std::vector<std::string> notes;  // after the calendar's and the small figures'
        std::vector<MarkKind> legend;
    } cases[] = {
        {{false, false, false, false, false, IslamicReckoning::Tabular}, 2024, {}, {}},
        {{false, false, true, false, false, IslamicReckoning::Tabular},
         2024,
         {"Moon in local mean time at Greenwich (0\u00B000\u2032 E), \u0394T by Espenak and Meeus 2006"},
         {MarkKind::Moon}},
        {{false, true, false, false, false, IslamicReckoning::Tabular},
         9000,
         {"Seasons are shown for the years 4001 BC to 8000 only"},
         {}},
        {{false, false, false, true, true, IslamicReckoning::UmmAlQura},
         2024,
         {"Jewish holidays: first days, diaspora",
          "Islamic months by the Umm al-Qura calendar; in practice the sighting of the new crescent decides"},
         {MarkKind::Jewish, MarkKind::Islamic}},  // Purim on the 24th, 1 Ramadan 1445 on the 11th
    };
    for (const auto &c : cases) {
        PageRequest request;
        request.year = c.year;
        request.month = 3;  // March 2024: an equinox and every phase
        request.marks = c.marks;
        const std::optional<PageSheet> sheet = BuildPageSheet(request);
        ASSERT_TRUE(sheet);
        ASSERT_GE(sheet->notes.size(), 2u);
        EXPECT_EQ(sheet->notes[0], "Gregorian calendar");
        EXPECT_EQ(sheet->notes[1], "Small figures: Julian calendar");
        EXPECT_EQ(std::vector<std::string>(sheet->notes.begin() + 2, sheet->notes.end()), c.notes) << c.year;
        EXPECT_EQ(sheet->legend, c.legend) << c.year;
    }
}

class PlacePageTest : public testing::Test {
protected:
    void SetUp() override
    {
        table = LoadPlaceTable(VARDEX_DATA_FOLDER);
        england = Named("england");
        ASSERT_TRUE(england) << table.error;
    }
    const Place *Named(const std::string &id) const
    {
        for (const Place &place : table.places)
            if (place.id == id)
                return &place;
        return nullptr;
    }
    PageSheet Sheet(PageScope scope, int32_t year, int32_t month = 9, const Place *place = nullptr)
    {
        PageRequest request;
        request.calendar = {PageCalendarKind::Place, place ? place : england, DeeVariant::DeeCecil};
        request.scope = scope;
        request.year = year;
        request.month = month;
        std::optional<PageSheet> sheet = BuildPageSheet(request);
        EXPECT_TRUE(sheet);
        return sheet ? *sheet : PageSheet{};
    }
    PlaceTable table;
    const Place *england = nullptr;
};
using EnglandPageTest = PlacePageTest;

TEST_F(EnglandPageTest, TheFooterNamesTheChangeTheSmallDatesAndTheMeridian)
{
    const PageSheet sheet = Sheet(PageScope::Month, 1752);
    ASSERT_GE(sheet.notes.size(), 3u);
    EXPECT_EQ(sheet.notes[0],
              "Dates as written in England and Wales: Julian calendar until 2 September 1752, "
              "Gregorian calendar from 14 September 1752");
    EXPECT_EQ(sheet.notes[1], "Small figures: Gregorian dates, Julian from 14 September");
    EXPECT_EQ(sheet.notes.back(), "Seasons and Moon in local mean time at London (0\u00B008\u2032 W), "
                                  "\u0394T by Espenak and Meeus 2006");
    const SheetMonth &month = sheet.months.front();
    EXPECT_EQ(month.seconds[0], "12 Sep 1752") << "the Gregorian date beside the Old Style 1 September";
    EXPECT_EQ(month.seconds[2], "3 Sep 1752") << "the Julian beside 14 September, a new run";
    EXPECT_EQ(std::count(month.afterGap.begin(), month.afterGap.end(), true), 1);
    EXPECT_TRUE(month.afterGap[2]);
}

TEST_F(EnglandPageTest, TheYearBeforeBeganOnLadyDay)
{
    const PageSheet sheet = Sheet(PageScope::Year, 1751);
    ASSERT_EQ(sheet.months.size(), 12u);
    EXPECT_EQ(sheet.months[1].page.title, "February 1750/1");
    EXPECT_NE(sheet.yearStartNote.find("25 March"), std::string::npos) << sheet.yearStartNote;
}

TEST_F(EnglandPageTest, ThePainterDrawsEachDayOnceInsideThePage)
{
    for (const PageScope scope : {PageScope::Month, PageScope::Year}) {
        const PageSheet sheet = Sheet(scope, 1752);
        const CalendarPagePainter painter(sheet, PaperSize::A4);
        const QRectF page = painter.FittedPage(QRectF(0, 0, 1000, 1000));
        const std::vector<PageCell> cells = painter.Cells(page);
        ASSERT_EQ(cells.size(), scope == PageScope::Month ? 19u : 355u) << "the days England wrote in 1752";
        for (size_t i = 0; i < cells.size(); ++i) {
            EXPECT_TRUE(page.contains(cells[i].rect)) << i;
            if (i > 0) {
                EXPECT_FALSE(cells[i].rect.intersects(cells[i - 1].rect.adjusted(1, 1, -1, -1))) << i;
            }
        }
        EXPECT_EQ(cells.back().month, scope == PageScope::Month ? 0u : 11u);
    }
}

// Each note of the footer takes a line of its own: the Jewish and the Islamic notes raise the
// foot of the grid by two lines of 7-point type at least.
TEST_F(EnglandPageTest, EachNoteTakesALine)
{
    const auto gridFoot = [this](bool notes) {
        PageRequest request;
        request.calendar = {PageCalendarKind::Place, england, DeeVariant::DeeCecil};
        request.year = 1752;
        request.month = 9;
        request.sundays = false;
        request.marks = {false, false, false, notes, notes, IslamicReckoning::Tabular};
        const PageSheet sheet = *BuildPageSheet(request);
        const CalendarPagePainter painter(sheet, PaperSize::A4);
        return painter.Cells(QRectF(0, 0, 595, 842)).back().rect.bottom();  // in points
    };
    EXPECT_LT(gridFoot(true), gridFoot(false) - 2 * 7);
}

// Drawn, the page fills its rectangle down to the footer's notes, and a double rule in ink stands
// where the dates jump, between 2 and 14 September, and nowhere else in the week.
TEST_F(EnglandPageTest, ThePaintingReachesTheFooterAndRulesTheGap)
{
    const PageSheet sheet = Sheet(PageScope::Month, 1752);
    const CalendarPagePainter painter(sheet, PaperSize::A4);
    QImage image(595, 842, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter on(&image);
        painter.Paint(on, QRectF(image.rect()));
    }
    const auto darkest = [&](int x, int fromY, int toY) {
        int least = 255;
        for (int y = fromY; y < toY; ++y)
            least = std::min(least, qGray(image.pixel(x, y)));
        return least;
    };
    int inkInFooter = 0;
    for (int x = 0; x < image.width(); ++x)
        inkInFooter += darkest(x, 800, 815) < 160;
    EXPECT_GT(inkInFooter, 20) << "the notes' last line, 27 to 42 points above the paper's foot";
    const std::vector<PageCell> cells = painter.Cells(QRectF(image.rect()));
    const auto ruleAt = [&](size_t day) {
        const QRect cell = cells[day].rect.toRect();
        int darkestColumn = 255;
        for (int x = cell.left() - 3; x <= cell.left() + 3; ++x)
            darkestColumn =
                std::min(darkestColumn, darkest(x, cell.center().y() - 10, cell.center().y() + 10));
        return darkestColumn;
    };
    EXPECT_LT(ruleAt(2), 170) << "before 14 September";
    EXPECT_GT(ruleAt(3), 200) << "before 15 September: a hairline only";
}

}  // namespace
}  // namespace vardex::test

namespace vardex::test {
namespace {

// Alaska named the Thursday JDN 2,403,257 Friday 6 October 1867 (the date of Asia), and the next
// day Friday 18 October: two Fridays, each in a week row of its own, and the day's own weekday
// beside the one the place named.
TEST_F(PlacePageTest, AlaskasTwoFridaysOfOctober1867)
{
    const Place *alaska = Named("alaska");
    ASSERT_TRUE(alaska);
    const PageSheet sheet = Sheet(PageScope::Month, 1867, 10, alaska);
    EXPECT_NE(sheet.notes[0].find("dated a day ahead (the date of Asia) until 6 October 1867"),
              std::string::npos)
        << sheet.notes[0];
    const CalendarPagePainter painter(sheet, PaperSize::Letter);
    const std::vector<PageCell> cells = painter.Cells(painter.FittedPage(QRectF(0, 0, 800, 800)));
    ASSERT_EQ(cells.size(), sheet.months[0].page.days.size());
    for (size_t i = 1; i < cells.size(); ++i)
        EXPECT_FALSE(cells[i].rect.intersects(cells[i - 1].rect.adjusted(1, 1, -1, -1))) << i;
    const std::vector<DayDate> dates = DatesOfDay(2403257, DeeVariant::DeeCecil, alaska);
    EXPECT_EQ(dates[1].text, "Thursday");
    EXPECT_EQ(dates.back().calendar, "Alaska");
    EXPECT_EQ(dates.back().text, "6 October 1867 (O.S.), named Friday there");
    const QStringList tip = DayDatesLines(dates).split(u'\n');
    EXPECT_EQ(tip.size(), static_cast<qsizetype>(dates.size()));
    EXPECT_EQ(tip.front(), "JDN: 2,403,257");
    EXPECT_EQ(tip.back(), "Alaska: 6 October 1867 (O.S.), named Friday there");
}

}  // namespace
}  // namespace vardex::test
