// The two input forms, the calendar designators kept in step with the calendar list, Enter in
// a year box, and writing a date back into the month,day,year controls.
#include "RegionalFormat.h"
#include "TextUtils.h"
#include "mainwindow/MainController.h"

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
    SetFocusIfPossible(f_.cmdCalculate);
}

void MainController::optInputDateWithAYN_Click()
{
    ShowMonthDayYearForm(f_, false);
    if (f_.cboCalendar[1].listIndex == 0) {
        const QString &date = f_.txbYearCEJC.text;
        if (date.indexOf(QStringLiteral("CE")) >= 1)
            SelectListEntry(f_.cboCalendar[1], 1);
        else if (date.indexOf(QStringLiteral("JC")) >= 1)
            SelectListEntry(f_.cboCalendar[1], 2);
    }
    SetFocusIfPossible(f_.cmdCalculate);
}

void MainController::cboCalendar_Click(int index)
{
    if (index != 1)
        return;
    QString &date = f_.txbYearCEJC.text;
    date = date.toUpper();
    const QString &dee = f_.strDeeCalendarDesignation;
    const QString ce = QStringLiteral("CE");
    const QString jc = QStringLiteral("JC");
    auto replace = [&date](const QString &from, const QString &to) {
        if (!from.isEmpty())
            date.replace(from, to, Qt::CaseSensitive);
    };
    switch (f_.cboCalendar[1].listIndex) {
    case 1:
        replace(jc, ce);
        replace(dee, ce);
        break;
    case 2:
        replace(ce, jc);
        replace(dee, jc);
        break;
    case 3:
        replace(ce, dee);
        replace(jc, dee);
        break;
    default:
        break;
    }
    f_.txbYearCEJC.caret = std::min(f_.txbYearCEJC.caret, date.size());
}

void MainController::txbYearCEJC_LostFocus() { f_.txbYearCEJC.text = f_.txbYearCEJC.text.toUpper(); }

void MainController::txbYearCEJC_KeyUp(int keyCode)
{
    if (keyCode == kEnterKey && f_.cmdCalculate.enabled)
        cmdCalculate_Click();
}

void MainController::txbYearADBCetc_KeyUp(int keyCode) { txbYearCEJC_KeyUp(keyCode); }

void MainController::SetTodayCalendar()
{
    int deciding = 0;
    if (f_.optInputDateWithoutAYN.value) {
        if (f_.cboCalendar[0].listIndex <= 0 || f_.cboCalendar[0].listIndex > 3)
            SelectListEntry(f_.cboCalendar[0], 1);
        deciding = f_.cboCalendar[0].listIndex;
        SelectListEntry(f_.cboCalendar[1], deciding);
    } else {
        if (f_.cboCalendar[1].listIndex <= 0)
            SelectListEntry(f_.cboCalendar[1], 1);
        deciding = f_.cboCalendar[1].listIndex;
        SelectListEntry(f_.cboCalendar[0], deciding);
    }
    f_.udtTodayDate.calendar = deciding == 2 ? kCalendarJulian : deciding == 3 ? kCalendarDee : kCalendarGregorian;
}

void MainController::PutDateMDY(const EuroDate &record)
{
    SelectListEntry(f_.cboMonthNames, record.month);
    SelectListEntry(f_.cboDayNumbers, record.day);
    const QString era = f_.cboYearDesADBCetc.Text();
    QString newEra = era;
    if (record.year < 1) {
        const int64_t shown = 1 - int64_t{record.year};
        QString text = GroupedNumber(shown);
        if (record.year >= -9999)
            text = KeepChars(text, QStringLiteral("0123456789-"));
        f_.txbYearADBCetc.text = text;
        if (era.isEmpty() || era == QStringLiteral("CE"))
            newEra = QStringLiteral("BCE");
        else if (era == QStringLiteral("AD"))
            newEra = QStringLiteral("BC");
    } else {
        QString text = GroupedNumber(record.year);
        if (record.year <= 9999)
            text = KeepChars(text, QStringLiteral("0123456789-"));
        f_.txbYearADBCetc.text = text;
        if (era.isEmpty() || era == QStringLiteral("BCE"))
            newEra = QStringLiteral("CE");
        else if (era == QStringLiteral("BC"))
            newEra = QStringLiteral("AD");
    }
    f_.txbYearADBCetc.caret = f_.txbYearADBCetc.text.size();
    if (newEra != era)
        SelectListEntry(f_.cboYearDesADBCetc, EraListIndex(newEra));
}

int16_t MainController::EraListIndex(const QString &era) const
{
    return static_cast<int16_t>(f_.cboYearDesADBCetc.items.indexOf(era));
}

}  // namespace vardex
