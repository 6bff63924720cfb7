// Checks and tidies the typed input date before anything converts it.
#include "TextUtils.h"
#include "Numbers.h"
#include "mainwindow/MainController.h"
#include "support/Dialogs.h"

namespace vardex {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Whether text occurs in s after its first character (the designator never starts the text).
bool FoundAfterStart(const QString &s, const QString &text) { return s.indexOf(text) >= 1; }

QString Designator(QString s)
{
    StripChars(s, QStringLiteral("0123456789-,.' "));
    return s;
}

}  // namespace

bool MainController::InputDateOK()
{
    Dialogs &dialogs = seams_.dialogs;
    const QString title = f_.cmdCalculate.caption;
    auto fail = [&](const QString &text, MessageIcon icon) {
        dialogs.ShowMessage(text, title, icon);
        return false;
    };

    if (!f_.optInputDateWithoutAYN.value && !f_.optInputDateWithAYN.value)
        return fail(QStringLiteral("Please select type of input date"), MessageIcon::None);

    if (f_.intInputDateType == 0) {
        QString &year = f_.txbYearADBCetc.text;
        year = TrimBlanks(year);
        if (year.startsWith(u'+') || !IsNumberWithChars(year, true, QStringLiteral(",. ")) ||
            CountOccurrences(year, QStringLiteral("-"), true) > 1)
            return fail(QStringLiteral("Invalid year value"), MessageIcon::Exclamation);
        StripLeading(year, QStringLiteral("0"));
        if (year.isEmpty())
            year = QStringLiteral("0");
        if (year.startsWith(u'-') || year == QStringLiteral("0"))
            return fail(QStringLiteral("Zero and negative years not accepted.") + kCrLf +
                            QStringLiteral("Input the date as year-month-day."),
                        MessageIcon::Information);
        QString digits = year;
        StripChars(digits, QStringLiteral("-,.' "));
        if (LeadingNumber(digits) <= 99999)
            return true;
        return fail(QStringLiteral("Year is out of permitted range"), MessageIcon::Exclamation);
    }

    if (f_.intInputDateType != 1)
        return true;  // incomplete input: nothing to check

    QString &date = f_.txbYearCEJC.text;
    date = TrimBlanks(date).toUpper();
    const int list = f_.cboCalendar[1].listIndex;
    const bool ce = FoundAfterStart(date, QStringLiteral("CE"));
    const bool jc = FoundAfterStart(date, QStringLiteral("JC"));
    const bool dee = FoundAfterStart(date, QStringLiteral("D"));
    if ((list == 1 && (jc || dee)) || (list == 2 && (ce || dee)) || (list == 3 && (ce || jc)))
        return fail(QStringLiteral("Inconsistent calendar designations in year-month-day date."),
                    MessageIcon::Exclamation);

    if (Designator(date).isEmpty()) {
        if (list == 1)
            date += QStringLiteral(" CE");
        else if (list == 2)
            date += QStringLiteral(" JC");
        else
            return fail(QStringLiteral("Please specify calendar for year-month-day date."), MessageIcon::None);
    }

    const QString designator = Designator(date);
    if (designator != QStringLiteral("CE") && designator != QStringLiteral("JC") &&
        designator != f_.strDeeCalendarDesignation) {
        if (designator == QStringLiteral("AD") || designator == QStringLiteral("BC"))
            return fail(QStringLiteral("The calendar designators 'AD' and 'BC'") + kCrLf +
                            QStringLiteral("can only be used with month,day,year dates."),
                        MessageIcon::Information);
        return fail(QStringLiteral("Invalid input date"), MessageIcon::Exclamation);
    }

    QString numbers = date;
    const bool negative = numbers.startsWith(u'-');
    if (negative)
        numbers.remove(0, 1);
    StripChars(numbers, QStringLiteral("CDEJ,.' "));
    const int parts = SplitText(numbers, QStringLiteral("-"), 1, f_.strYMDParts, true, 0, 0);
    if (parts != 3)
        return fail(QStringLiteral("Invalid input date"), MessageIcon::Exclamation);
    if (negative)
        f_.strYMDParts[0].prepend(u'-');
    if (std::abs(LeadingNumber(f_.strYMDParts[0])) > 99999)
        return fail(QStringLiteral("Input date is out of permitted range."), MessageIcon::Exclamation);
    const double month = LeadingNumber(f_.strYMDParts[1]);
    const double day = LeadingNumber(f_.strYMDParts[2]);
    if (month >= 1 && month <= 12 && day >= 1 && day <= 31)
        return true;
    return fail(QStringLiteral("Invalid input date"), MessageIcon::Exclamation);
}

}  // namespace vardex
