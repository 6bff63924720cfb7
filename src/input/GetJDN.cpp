// The JDN of the input date: read in the chosen calendar, checked, then moved by the date
// arithmetic (years and months on the calendar date, weeks and days on the day number).
#include <cstdlib>
#include <limits>

#include "Numbers.h"
#include "RegionalFormat.h"
#include "TextUtils.h"
#include "engine/Calendar.h"
#include "mainwindow/MainController.h"
#include "support/Dialogs.h"

namespace vardex {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kNegativeAmount = QStringLiteral("Negative values not permitted in the arithmetical function.");

int32_t CalendarCode(const QString &calendar) { return calendar.isEmpty() ? 0 : calendar.front().unicode(); }

bool IsBeforeCommonEra(const QString &era) { return era == QStringLiteral("BC") || era == QStringLiteral("BCE"); }

QString TwoDigits(int32_t value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

// 1 - year, the astronomical number of a year counted backwards from 1 BC, within 32 bits.
int32_t YearBeforeCommonEra(int32_t year)
{
    const int64_t astronomical = 1 - int64_t{year};
    return static_cast<int32_t>(std::max<int64_t>(astronomical, std::numeric_limits<int32_t>::min()));
}

bool FitsInt32(int64_t value)
{
    return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

}  // namespace

QString MainController::ArithmeticRangeMessage()
{
    return QStringLiteral("The date arithmetic goes beyond the range of dates that can be calculated.");
}

void MainController::ReportArithmeticRange()
{
    seams_.dialogs.ShowMessage(ArithmeticRangeMessage(), f_.cmdCalculate.caption, MessageIcon::Information);
}

bool MainController::GetJDN(const QString &strCalendar, bool blnDisplayMessageIfDateInvalid)
{
    EuroDate &date = f_.udtInputDate;
    const bool arithmeticChosen = f_.optPlus.value || f_.optMinus.value;
    if (f_.intInputDateType == 0) {
        date.month = f_.cboMonthNames.listIndex;
        date.day = f_.cboDayNumbers.listIndex;
        date.year = WholeNumber(LeadingNumber(DigitsOnly(f_.txbYearADBCetc.text)));
        f_.txbYearADBCetc.text = date.year >= 9999 ? GroupedNumber(date.year) : QString::number(date.year);
        if (IsBeforeCommonEra(f_.cboYearDesADBCetc.Text()))
            date.year = YearBeforeCommonEra(date.year);
        date.calendar = CalendarCode(strCalendar);
        if (!InputDateValid(blnDisplayMessageIfDateInvalid))
            return false;
        if (arithmeticChosen && !ArithInputOK())
            return false;
    } else if (f_.intInputDateType == 1) {
        auto part = [this](int i) {
            return i < f_.strYMDParts.size() ? WholeNumber(LeadingNumber(f_.strYMDParts[i])) : 0;
        };
        date.year = part(0);
        date.month = part(1);
        date.day = part(2);
        date.calendar = CalendarCode(strCalendar);
        if (!InputDateValid(blnDisplayMessageIfDateInvalid))
            return false;
        PutDateYMD(date);
        if (arithmeticChosen && !ArithInputOK())
            return false;
    }

    bool arithmeticEmpty = true;
    for (TextBox &box : f_.txbArith) {
        box.text = TrimBlanks(box.text);
        arithmeticEmpty = arithmeticEmpty && box.text.isEmpty();
    }
    if (f_.fraPlusMinus.visible && arithmeticChosen && !arithmeticEmpty) {
        if (!ApplyArithmetic())
            return false;
    } else {
        DateToJDN(date);
    }
    f_.lngJDN = date.jdn;
    return true;
}

bool MainController::ApplyArithmetic()
{
    // The amounts are read again. A sign that shows only now, after trimming, is reported but
    // does not stop the calculation; an amount beyond 32 bits cannot be used at all.
    if (CheckArithmetic() == ArithCheck::TooLarge)
        return false;
    if (!AddMonthsYears())
        return false;

    EuroDate &date = f_.udtInputDate;
    DateToJDN(date);
    while (date.valid != 1) {  // end of month: 31 January + 1 month = last day of February
        if (date.day <= 1) {
            ReportArithmeticRange();
            return false;
        }
        --date.day;
        DateToJDN(date);
    }
    const int64_t days = 7 * int64_t{f_.lngArith[2]} + f_.lngArith[3];
    const int64_t jdn = f_.optPlus.value ? int64_t{date.jdn} + days : int64_t{date.jdn} - days;
    if (!FitsInt32(jdn)) {
        ReportArithmeticRange();
        return false;
    }
    date.jdn = static_cast<int32_t>(jdn);
    return true;
}

bool MainController::AddMonthsYears()
{
    EuroDate &date = f_.udtInputDate;
    const int64_t years = f_.lngArith[0];
    const int64_t months = f_.lngArith[1];
    const int64_t sign = f_.optPlus.value ? 1 : -1;
    int64_t year = date.year;
    int64_t month = date.month;
    if (years > 0)
        year += sign * years;
    if (months >= 1) {
        year += sign * (months / 12);
        month += sign * (months % 12);
        if (month > 12) {
            year += 1;
            month -= 12;
        } else if (month < 1) {
            year -= 1;
            month += 12;
        }
    }
    if (!FitsInt32(year)) {
        ReportArithmeticRange();
        return false;
    }
    date.year = static_cast<int32_t>(year);
    date.month = static_cast<int32_t>(month);
    return true;
}

bool MainController::InputDateValid(bool blnDisplay)
{
    EuroDate &date = f_.udtInputDate;
    DateToJDN(date);
    const bool valid = date.valid == 1;
    if (!valid && blnDisplay) {
        QString text = QStringLiteral("The input date is invalid.");
        if (date.month == 2 && date.day == 29 && date.year >= 1) {
            QString name = QStringLiteral("Gregorian");
            if (date.calendar == kCalendarJulian)
                name = QStringLiteral("Julian");
            else if (date.calendar == kCalendarDee)
                name = f_.strDeeCalendarName;
            text += kCrLf + kCrLf + QStringLiteral("In the ") + name + QStringLiteral(" Calendar") + kCrLf +
                    QString::number(date.year) + QStringLiteral(" is not a leap year.");
        }
        seams_.dialogs.ShowMessage(text, QStringLiteral("Invalid input"), MessageIcon::Information);
    }
    return valid;
}

bool MainController::ArithInputOK() { return CheckArithmetic() == ArithCheck::Ok; }

MainController::ArithCheck MainController::CheckArithmetic()
{
    for (size_t i = 0; i < f_.txbArith.size(); ++i) {
        const QString &text = f_.txbArith[i].text;
        if (text.startsWith(u'-')) {
            seams_.dialogs.ShowMessage(kNegativeAmount, f_.cmdCalculate.caption, MessageIcon::Information);
            return ArithCheck::Negative;
        }
        const std::optional<int32_t> amount = ToInt32(LeadingNumber(DigitsOnly(text)));
        if (!amount) {
            ReportArithmeticRange();
            return ArithCheck::TooLarge;
        }
        f_.lngArith[i] = *amount;
    }
    return ArithCheck::Ok;
}

void MainController::PutDateYMD(const EuroDate &record)
{
    QString text = GroupedNumber(record.year);
    if (record.year >= -9999 && record.year <= 9999)
        text = KeepChars(text, QStringLiteral("0123456789-"));
    text += u'-' + TwoDigits(record.month) + u'-' + TwoDigits(record.day);
    const int list = f_.cboCalendar[1].listIndex;
    if (list == 1)
        text += QStringLiteral(" CE");
    else if (list == 2)
        text += QStringLiteral(" JC");
    else
        text += u' ' + f_.strDeeCalendarDesignation;
    f_.txbYearCEJC.text = text;
}

int32_t MainController::GetYear() const
{
    if (f_.intInputDateType != 0)
        return WholeNumber(LeadingNumber(TrimBlanks(f_.txbYearCEJC.text)));
    const int32_t year = WholeNumber(LeadingNumber(TrimBlanks(f_.txbYearADBCetc.text)));
    return IsBeforeCommonEra(f_.cboYearDesADBCetc.Text()) ? YearBeforeCommonEra(year) : year;
}

void MainController::txbArith_LostFocus(int index)
{
    if (index < 0 || index >= static_cast<int>(f_.txbArith.size()))
        return;
    TextBox &box = f_.txbArith[static_cast<size_t>(index)];
    QString text = TrimBlanks(box.text);
    const QString title = QStringLiteral("Invalid input");
    if (text.startsWith(u'-')) {
        seams_.dialogs.ShowMessage(kNegativeAmount, title, MessageIcon::Information);
        return;
    }
    StripChars(text, QStringLiteral("0123456789,.' "));
    if (!text.isEmpty()) {
        seams_.dialogs.ShowMessage(QStringLiteral("Invalid input in the arithmetical function."), title,
                                   MessageIcon::Information);
        box.text.clear();
        box.caret = 0;
    }
}

}  // namespace vardex
