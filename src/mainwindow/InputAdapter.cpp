// SPDX-License-Identifier: MIT
// The form's input handed to the domain functions and back: the input check, the JDN of the
// input date with its arithmetic, the input year, and the check on leaving an amount box.
#include "MainController.h"
#include "input/InputCheck.h"
#include "input/InputReading.h"
#include "input/TextUtils.h"

namespace vardex {

InputEntry MainController::Entry() const
{
    InputEntry e;
    e.monthDayYearChosen = f_.optInputDateWithoutAYN.value;
    e.yearMonthDayChosen = f_.optInputDateWithAYN.value;
    e.type = static_cast<InputType>(f_.intInputDateType);
    e.month = f_.cboMonthNames.listIndex;
    e.day = f_.cboDayNumbers.listIndex;
    e.year = f_.txbYearADBCetc.text;
    e.era = f_.cboYearDesADBCetc.Text();
    e.calendarEntry = f_.cboCalendar[0].listIndex;
    e.yearMonthDay = f_.txbYearCEJC.text;
    e.ymdCalendarEntry = f_.cboCalendar[1].listIndex;
    e.sign = f_.optPlus.value    ? ArithmeticSign::Plus
             : f_.optMinus.value ? ArithmeticSign::Minus
                                 : ArithmeticSign::None;
    e.arithmeticOffered = f_.fraPlusMinus.visible;
    for (size_t i = 0; i < e.amounts.size(); ++i)
        e.amounts[i] = f_.txbArith[i].text;
    e.ymdParts = f_.strYMDParts;
    e.lastDate = f_.udtInputDate.date;
    e.lastCalendar = f_.udtInputDate.calendar;
    e.lastJdn = f_.udtInputDate.jdn;
    e.lastAmounts = f_.lngArith;
    return e;
}

void MainController::Apply(const InputEntry &e)
{
    const auto setText = [](TextBox &box, const QString &text) {
        if (box.text == text)
            return;
        box.text = text;
        box.caret = std::min(box.caret, text.size());
    };
    setText(f_.txbYearADBCetc, e.year);
    setText(f_.txbYearCEJC, e.yearMonthDay);
    for (size_t i = 0; i < e.amounts.size(); ++i)
        setText(f_.txbArith[i], e.amounts[i]);
    f_.strYMDParts = e.ymdParts;
    f_.udtInputDate = {e.lastDate, e.lastCalendar, e.lastJdn};
    f_.lngArith = e.lastAmounts;
}

InputContext MainController::Context() const
{
    return {f_.deeVariant, f_.cmdCalculate.caption, NumberFormat::Regional()};
}

void MainController::Show(const std::vector<Message> &messages)
{
    for (const Message &message : messages)
        seams_.dialogs.Show(message);
}

void MainController::ApplyReading(const InputEntry &entry, const std::optional<int32_t> &jdn)
{
    Apply(entry);
    if (jdn)
        f_.lngJDN = *jdn;
}

bool MainController::InputDateOK()
{
    const InputCheck check = CheckInputDate(Entry(), Context());
    Apply(check.entry);
    if (check.fault)
        seams_.dialogs.Show(*check.fault);
    return check.Ok();
}

bool MainController::GetJDN(const QString &strCalendar, bool blnDisplayMessageIfDateInvalid)
{
    const std::optional<Calendar> calendar =
        strCalendar.isEmpty() ? std::nullopt : CalendarOfLetter(strCalendar.front().unicode());
    const DayReading reading = ReadInputDay(Entry(), calendar, blnDisplayMessageIfDateInvalid, Context());
    ApplyReading(reading.entry, reading.jdn);
    Show(reading.messages);
    return reading.jdn.has_value();
}

int32_t MainController::GetYear() const { return InputYear(Entry()); }

void MainController::PutDateYMD(const CalendarDate &date)
{
    f_.txbYearCEJC.text = YearMonthDayText(date, f_.cboCalendar[1].listIndex, Context());
}

void MainController::txbArith_LostFocus(int index)
{
    if (index < 0 || index >= static_cast<int>(f_.txbArith.size()))
        return;
    TextBox &box = f_.txbArith[static_cast<size_t>(index)];
    const AmountCheck check = CheckAmountBox(box.text);
    if (check.message)
        seams_.dialogs.Show(*check.message);
    if (check.clearBox) {
        box.text.clear();
        box.caret = 0;
    }
}

}  // namespace vardex
