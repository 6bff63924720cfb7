// SPDX-License-Identifier: MIT
// The two input forms, the calendar designators kept in step with the calendar list, Enter in
// a year box, and writing a date back into the month,day,year controls.
#include "MainController.h"
#include "input/InputSync.h"

namespace vardex {

namespace {

constexpr int kEnterKey = 13;

void ShowMonthDayYearForm(MainForm &f, bool show)
{
    for (Control *c : std::initializer_list<Control *>{&f.cboMonthNames, &f.cboDayNumbers, &f.txbYearADBCetc,
                                                       &f.cboYearDesADBCetc, &f.cboCalendar[0]})
        c->visible = show;
    f.txbYearCEJC.visible = !show;
    f.cboCalendar[1].visible = !show;
    f.optInputDateWithoutAYN.bold = show;
    f.optInputDateWithAYN.bold = !show;
}

}  // namespace

void MainController::optInputDateWithoutAYN_Click()
{
    ShowMonthDayYearForm(f_, true);
    FocusCalculate();
}

void MainController::optInputDateWithAYN_Click()
{
    ShowMonthDayYearForm(f_, false);
    const int entry = EntryWhenYmdFormChosen(f_.txbYearCEJC.text, f_.cboCalendar[1].listIndex);
    if (entry != f_.cboCalendar[1].listIndex)
        SelectListEntry(f_.cboCalendar[1], entry);
    FocusCalculate();
}

void MainController::cboCalendar_Click(int index)
{
    if (index != 1)
        return;
    TextBox &box = f_.txbYearCEJC;
    box.text = Redesignated(box.text, f_.cboCalendar[1].listIndex, f_.deeVariant);
    box.caret = std::min(box.caret, box.text.size());
}

void MainController::txbYearCEJC_LostFocus() { f_.txbYearCEJC.text = f_.txbYearCEJC.text.toUpper(); }

void MainController::txbYearCEJC_KeyUp(int keyCode)
{
    if (keyCode == kEnterKey && f_.cmdCalculate.enabled)
        cmdCalculate_Click();
}

void MainController::txbYearADBCetc_KeyUp(int keyCode) { txbYearCEJC_KeyUp(keyCode); }

Calendar MainController::SetTodayCalendar()
{
    const TodayCalendar today = ChooseTodayCalendar(f_.optInputDateWithoutAYN.value,
                                                    f_.cboCalendar[0].listIndex, f_.cboCalendar[1].listIndex);
    // The deciding list first, each selection with its click, as the user would make them.
    ComboBox &deciding = f_.optInputDateWithoutAYN.value ? f_.cboCalendar[0] : f_.cboCalendar[1];
    ComboBox &other = &deciding == &f_.cboCalendar[0] ? f_.cboCalendar[1] : f_.cboCalendar[0];
    if (deciding.listIndex != today.entry)
        SelectListEntry(deciding, today.entry);
    SelectListEntry(other, today.entry);
    return today.calendar;
}

void MainController::PutDateMDY(const CalendarDate &date)
{
    SelectListEntry(f_.cboMonthNames, date.month);
    SelectListEntry(f_.cboDayNumbers, date.day);
    const QString era = f_.cboYearDesADBCetc.Text();
    const MonthDayYearFields fields = MonthDayYearFieldsOf(date, era, NumberFormat::Regional());
    f_.txbYearADBCetc.text = fields.year;
    f_.txbYearADBCetc.caret = fields.year.size();
    SelectListEntry(f_.cboYearDesADBCetc, EraListIndex(fields.era));
}

int16_t MainController::EraListIndex(const QString &era) const
{
    return static_cast<int16_t>(f_.cboYearDesADBCetc.items.indexOf(era));
}

}  // namespace vardex
