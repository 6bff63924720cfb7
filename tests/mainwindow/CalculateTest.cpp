#include "MainWindowFixture.h"

namespace vardex::test {
namespace {

struct Outputs {
    QString gc, gcAyn, dee, deeAyn, jc, jcAyn, jdn, weekday;
};

Outputs Read(const MainForm &f)
{
    return {f.txbOutputGC.text, f.txbOutputGCwithAYN.text, f.txbOutputDEE.text, f.txbOutputDEEwithAYN.text,
            f.txbOutputJC.text, f.txbOutputJCwithAYN.text, f.txbJDN.text,       f.txbDayOfWeek.text};
}

void ExpectOutputs(const MainForm &f, const Outputs &e)
{
    const Outputs o = Read(f);
    EXPECT_EQ(o.gc, e.gc);
    EXPECT_EQ(o.gcAyn, e.gcAyn);
    EXPECT_EQ(o.dee, e.dee);
    EXPECT_EQ(o.deeAyn, e.deeAyn);
    EXPECT_EQ(o.jc, e.jc);
    EXPECT_EQ(o.jcAyn, e.jcAyn);
    EXPECT_EQ(o.jdn, e.jdn);
    EXPECT_EQ(o.weekday, e.weekday);
}

bool AllOutputsVisible(MainForm &f)
{
    for (TextBox *box : f.OutputBoxes()) {
        if (!box->visible)
            return false;
    }
    return true;
}

bool AllOutputsHidden(MainForm &f)
{
    for (TextBox *box : f.OutputBoxes()) {
        if (box->visible || !box->text.isEmpty())
            return false;
    }
    return true;
}

TEST_F(MainWindowTest, IdesOfMarch)
{
    EnterMDY(3, 15, "44", "BC", kJulian);
    Calculate();
    EXPECT_TRUE(dialogs.shown.empty());
    ExpectOutputs(form, {"March 13, 44 BC", "-43-03-13 CE", "March 13, 44 BC", "-43-03-13 DC",
                         "March 15, 44 BC", "-43-03-15 JC", "1,705,426", "Wednesday"});
    EXPECT_TRUE(AllOutputsVisible(form));
    EXPECT_FALSE(form.lblGregorian.bold);
    EXPECT_FALSE(form.lblJulian.bold);
    controller.Timer1_Timer();
    EXPECT_TRUE(form.cmdCopyResult.enabled) << "enabled while a result is shown";
}

TEST_F(MainWindowTest, YearMonthDayInputSelectsTheCommonEraStyle)
{
    controller.SelectListEntry(form.cboYearDesADBCetc, 0);
    EnterYMD("2021-3-15", kGregorian);
    Calculate();
    EXPECT_EQ(form.cboYearDesADBCetc.Text(), "CE");
    ExpectOutputs(form, {"March 15, 2021 CE", "2021-03-15 CE", "March 15, 2021 CE", "2021-03-15 DC",
                         "March 2, 2021 CE", "2021-03-02 JC", "2,459,289", "Monday"});
    EXPECT_EQ(form.txbYearCEJC.text, "2021-03-15 CE");
}

TEST_F(MainWindowTest, YearMonthDayTakesTheCalendarPathWhateverTheWeekdayList)
{
    controller.SelectListEntry(form.cboCalendar[0], kFriday);
    EnterYMD("1-1-1 DC", kDee);
    Calculate();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form.txbJDN.text, "1,721,426");
    EXPECT_EQ(form.txbOutputDEE.text, "January 1, 1 CE");
}

TEST_F(MainWindowTest, GroupingAboveNineThousandNineHundredNinetyNine)
{
    EnterYMD("10000-1-1 CE", kGregorian);
    Calculate();
    EXPECT_EQ(form.txbOutputGC.text, "January 1, 10,000 CE");
    EXPECT_EQ(form.txbOutputGCwithAYN.text, "10,000-01-01 CE");
    EnterYMD("9999-12-31 CE", kGregorian);
    Calculate();
    EXPECT_EQ(form.txbOutputGC.text, "December 31, 9999 CE");
    EXPECT_EQ(form.txbOutputGCwithAYN.text, "9999-12-31 CE");
    EnterYMD("-99999-1-1 JC", kJulian);
    Calculate();
    EXPECT_EQ(form.txbOutputJCwithAYN.text, "-99,999-01-01 JC");
    EXPECT_EQ(form.txbOutputJC.text, "January 1, 100,000 BCE");
    EXPECT_EQ(form.txbJDN.text.front(), u'-') << "a negative JDN keeps its sign";
}

TEST_F(MainWindowTest, FarResultOfArithmetic)
{
    EnterYMD("99999-12-31 JC", kJulian);
    Arithmetic(true, "99999", "", "", "");
    Calculate();
    EXPECT_EQ(form.txbOutputJCwithAYN.text, "199,998-12-31 JC");
}

TEST_F(MainWindowTest, InvalidDateLeavesOutputsHidden)
{
    EnterMDY(2, 30, "2024", "AD", kGregorian);
    Calculate();
    EXPECT_EQ(OnlyMessage(), "The input date is invalid.");
    EXPECT_TRUE(AllOutputsHidden(form));
}

// 5 March 2024: Tuesday in the Gregorian reading, Monday in the Julian one (18 March Gregorian).
TEST_F(MainWindowTest, WeekdayMatchingOnlyTheGregorianReading)
{
    EnterMDY(3, 5, "2024", "AD", kTuesday);
    Calculate();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form.txbOutputGCwithAYN.text, "2024-03-05 CE");
    EXPECT_TRUE(form.lblGregorian.bold);
    EXPECT_FALSE(form.lblJulian.bold);
}

TEST_F(MainWindowTest, WeekdayMatchingOnlyTheJulianReading)
{
    EnterMDY(3, 5, "2024", "AD", kMonday);
    Calculate();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form.txbOutputJCwithAYN.text, "2024-03-05 JC");
    EXPECT_FALSE(form.lblGregorian.bold);
    EXPECT_TRUE(form.lblJulian.bold);
}

TEST_F(MainWindowTest, WeekdayMatchingNeither)
{
    EnterMDY(3, 5, "2024", "AD", kSunday);
    Calculate();
    EXPECT_EQ(OnlyMessage(),
              "The input date is not a Sunday in either the Gregorian Calendar or the Julian.");
    EXPECT_EQ(dialogs.shown[0].title, "Calculate");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(AllOutputsHidden(form));
}

// From 2100 to 2200 the two calendars are 14 days apart, so both readings share the weekday.
TEST_F(MainWindowTest, WeekdayMatchingBothShowsTheJulianReading)
{
    EnterMDY(6, 1, "2150", "AD", kMonday);  // 1 June 2150 is a Monday in both calendars
    Calculate();
    EXPECT_EQ(OnlyMessage(), "The input date is a Monday in both the Gregorian and the Julian calendars.");
    EXPECT_EQ(form.txbOutputJCwithAYN.text, "2150-06-01 JC");
    EXPECT_FALSE(form.lblGregorian.bold);
    EXPECT_TRUE(form.lblJulian.bold);
    EXPECT_TRUE(AllOutputsVisible(form));
}

// 29 February 1900 exists only in the Julian calendar; its absence in the other is no message.
TEST_F(MainWindowTest, WeekdaySearchSkipsADateMissingFromOneCalendar)
{
    EnterMDY(2, 29, "1900", "AD", kTuesday);
    Calculate();
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().join('|').toStdString();
    EXPECT_EQ(form.txbOutputJCwithAYN.text, "1900-02-29 JC");
    EXPECT_TRUE(form.lblJulian.bold);
}

}  // namespace
}  // namespace vardex::test
