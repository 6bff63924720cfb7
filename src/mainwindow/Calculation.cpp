// Calculate: the input date's JDN shown in the three calendars, or the weekday search that finds
// in which of the Gregorian and Julian calendars the input date has the chosen weekday.
#include "engine/Calendar.h"
#include "engine/TextForms.h"
#include "input/DateTexts.h"
#include "input/RegionalFormat.h"
#include "mainwindow/MainController.h"
#include "support/Dialogs.h"

namespace vardex {

namespace {

int32_t CalendarCode(const QString &calendar) { return calendar.isEmpty() ? 0 : calendar.front().unicode(); }

QString Weekday(int index) { return QString::fromStdString(WeekdayText(static_cast<int16_t>(index))); }

}  // namespace

void MainController::cmdCalculate_Click()
{
    ClearOutputs();
    if (!InputDateOK())
        return;
    if (f_.intInputDateType != 0 && f_.intInputDateType != 1)
        return;  // incomplete input: nothing to calculate
    // Entries 1..3 of the month,day,year calendar list are calendars, 4..10 weekdays. (No entry
    // at all can only be stale input the next tick disables; GetJDN then reports it invalid.)
    const int k = f_.cboCalendar[0].listIndex;
    if (f_.intInputDateType == 1 || k < 4) {
        if (GetJDN(InputCalendarText(), true))
            ShowOutputs();
        else
            ClearOutputs();
        return;
    }

    const int weekday = k - 4;  // 0 = Sunday
    bool gregorian = GetJDN(QStringLiteral("G"), false);
    if (gregorian)
        gregorian = DayOfWeek(f_.lngJDN) == weekday;
    bool julian = GetJDN(QStringLiteral("J"), false);
    if (julian)
        julian = DayOfWeek(f_.lngJDN) == weekday;

    const QString title = f_.cmdCalculate.caption;
    if (!gregorian && !julian) {
        seams_.dialogs.ShowMessage(QStringLiteral("The input date is not a ") + Weekday(weekday) +
                                       QStringLiteral(" in either ") +
                                       QStringLiteral("the Gregorian Calendar or the Julian."),
                                   title, MessageIcon::Information);
        return;
    }
    if (gregorian && julian) {
        seams_.dialogs.ShowMessage(QStringLiteral("The input date is a ") + Weekday(weekday) +
                                       QStringLiteral(" in both the Gregorian and ") +
                                       QStringLiteral("the Julian calendars."),
                                   title, MessageIcon::Information);
    }
    const bool showJulian = julian;  // when both match, the Julian reading is shown
    GetJDN(showJulian ? QStringLiteral("J") : QStringLiteral("G"), false);
    ShowOutputs();
    SetWeekdaySearchResult(!showJulian, showJulian);
}

void MainController::SetWeekdaySearchResult(bool gregorianBold, bool julianBold)
{
    f_.lblGregorian.bold = gregorianBold;
    f_.lblJulian.bold = julianBold;
}

void MainController::ClearOutputs()
{
    for (TextBox *box : f_.OutputBoxes()) {
        box->text.clear();
        box->visible = false;
    }
    f_.lblGregorian.bold = false;
    f_.lblJulian.bold = false;
    f_.lblDee.bold = false;
}

void MainController::ShowOutputs()
{
    auto show = [](TextBox &box, const QString &text) {
        box.text = text;
        box.visible = true;
    };
    const int32_t jdn = f_.lngJDN;
    show(f_.txbOutputGC, MDYDate(QStringLiteral("G"), jdn));
    show(f_.txbOutputJC, MDYDate(QStringLiteral("J"), jdn));
    show(f_.txbOutputDEE, MDYDate(QStringLiteral("D"), jdn));
    show(f_.txbOutputGCwithAYN, AYNDate(QStringLiteral("G"), jdn));
    show(f_.txbOutputJCwithAYN, AYNDate(QStringLiteral("J"), jdn));
    show(f_.txbOutputDEEwithAYN, AYNDate(QStringLiteral("D"), jdn));
    show(f_.txbJDN, GroupedNumber(jdn));
    show(f_.txbDayOfWeek, QString::fromStdString(WeekdayText(DayOfWeek(jdn))));
}

QString MainController::MDYDate(const QString &strCalendar, int32_t jdn)
{
    f_.udtOutputDate.jdn = jdn;
    f_.udtOutputDate.calendar = CalendarCode(strCalendar);
    JDNToDate(f_.udtOutputDate);
    if (f_.cboYearDesADBCetc.listIndex <= 0)
        SelectListEntry(f_.cboYearDesADBCetc, 3);  // "CE": the style follows the user's era list
    const QString era = f_.cboYearDesADBCetc.Text();
    const bool adStyle = era == QStringLiteral("AD") || era == QStringLiteral("BC");
    return MonthDayYearText(f_.udtOutputDate, adStyle ? EraStyle::ADBC : EraStyle::CEBCE);
}

QString MainController::AYNDate(const QString &strCalendar, int32_t jdn) const
{
    const int32_t calendar = CalendarCode(strCalendar);
    const EuroDate date = DateOfJdn(jdn, calendar);
    QString designator = QStringLiteral("CE");
    if (calendar == kCalendarJulian)
        designator = QStringLiteral("JC");
    else if (calendar == kCalendarDee)
        designator = f_.strDeeCalendarDesignation;
    return AstronomicalDateText(date, designator);
}

}  // namespace vardex
