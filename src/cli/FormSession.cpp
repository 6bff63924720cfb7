#include "FormSession.h"

namespace vardex::cli {

namespace {

int ListEntry(CalendarName calendar)
{
    switch (calendar) {
    case CalendarName::Gregorian: return 1;
    case CalendarName::Julian: return 2;
    case CalendarName::Dee: break;
    }
    return 3;
}

}  // namespace

FormSession::FormSession(bool deeVariant)
    : controller_(form_, MainSeams{dialogs_, clipboard_, clock_, popUps_, screen_, {}})
{
    controller_.StartUp({});
    if (deeVariant)
        controller_.SelectOption(form_.optDee);
    dialogs_.messages.clear();
}

void FormSession::EnterDate(const DateInput &date)
{
    MainController &c = controller_;
    MainForm &f = form_;
    switch (date.form) {
    case DateInput::Form::Today:
        if (date.calendar)
            c.SelectListEntry(f.cboCalendar[0], ListEntry(*date.calendar));
        c.cmdToday_Click();
        break;
    case DateInput::Form::MonthDayYear:
        c.SelectOption(f.optInputDateWithoutAYN);
        c.SelectListEntry(f.cboMonthNames, date.month);
        c.SelectListEntry(f.cboDayNumbers, date.day);
        f.txbYearADBCetc.text = QString::fromStdString(date.yearText);
        f.txbYearADBCetc.caret = f.txbYearADBCetc.text.size();
        c.SelectListEntry(f.cboYearDesADBCetc, c.EraListIndex(QString::fromStdString(date.era)));
        c.SelectListEntry(f.cboCalendar[0], date.calendarEntry);
        break;
    case DateInput::Form::YearMonthDay:
        c.SelectOption(f.optInputDateWithAYN);
        // Without a calendar the empty entry lets the typed designator choose, as in the window.
        c.SelectListEntry(f.cboCalendar[1], date.calendar ? ListEntry(*date.calendar) : 0);
        f.txbYearCEJC.text = QString::fromStdString(date.ymdText);
        f.txbYearCEJC.caret = f.txbYearCEJC.text.size();
        break;
    }
}

std::optional<std::string> FormSession::Enter(const DateInput &date, const std::optional<ArithInput> &arithmetic)
{
    EnterDate(date);
    if (arithmetic) {
        controller_.SelectOption(arithmetic->plus ? form_.optPlus : form_.optMinus);
        for (size_t i = 0; i < arithmetic->amounts.size(); ++i) {
            form_.txbArith[i].text = QString::fromStdString(arithmetic->amounts[i]);
            form_.txbArith[i].caret = form_.txbArith[i].text.size();
        }
    }
    // A user waits for the window to settle, as ticks follow each other every half second: a
    // designator typed in lower case alone is upper-cased on the first tick, chooses its calendar
    // on the second, and the third enables Calculate for it. Further ticks change nothing.
    for (int tick = 0; tick < 3; ++tick)
        controller_.Timer1_Timer();
    if (form_.cmdCalculate.enabled)
        return std::nullopt;
    if (date.form == DateInput::Form::YearMonthDay)
        return "the input date is incomplete: it needs a designator (CE, JC, D or DC) or --calendar";
    return "the input date is incomplete";
}

}  // namespace vardex::cli
