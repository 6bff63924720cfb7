// Timer1: twice a second the window re-derives from its input which commands are enabled,
// what is shown, the unit labels and the designator explanation, so no handler has to.
#include "input/Numbers.h"
#include "input/TextUtils.h"
#include "mainwindow/MainController.h"

namespace vardex {

void MainController::CheckInputComplete()
{
    f_.blnInputComplete = false;
    f_.intInputDateType = -1;
    if (f_.optInputDateWithoutAYN.value) {
        TextBox &year = f_.txbYearADBCetc;
        const QString trimmed = TrimBlanks(year.text);
        if (trimmed != year.text) {
            year.text = trimmed;
            year.caret = std::min(year.caret, trimmed.size());
        }
        if (f_.cboMonthNames.listIndex > 0 && f_.cboDayNumbers.listIndex > 0 && !year.text.isEmpty() &&
            f_.cboYearDesADBCetc.listIndex > 0 && f_.cboCalendar[0].listIndex > 0) {
            f_.blnInputComplete = true;
            f_.intInputDateType = 0;
        }
    } else if (f_.optInputDateWithAYN.value) {
        if (!f_.txbYearCEJC.text.isEmpty() && f_.cboCalendar[1].listIndex > 0) {
            f_.blnInputComplete = true;
            f_.intInputDateType = 1;
        }
    }
}

void MainController::Timer1_Timer()
{
    CheckInputComplete();
    f_.cmdCalculate.enabled = f_.blnInputComplete;
    const bool weekdaySearch =
        f_.intInputDateType == 0 && f_.cboCalendar[0].listIndex >= 4 && f_.cmdCalculate.enabled;
    f_.cmdDateSequence.enabled = f_.blnInputComplete && !weekdaySearch;
    f_.optPlus.enabled = f_.cmdCalculate.enabled;
    f_.optMinus.enabled = f_.cmdCalculate.enabled;
    f_.cmdVernalEquinoxes.enabled = f_.cmdDateSequence.enabled;
    f_.fraPlusMinus.visible = !weekdaySearch;

    const bool arithmetic = f_.optPlus.value || f_.optMinus.value;
    for (size_t i = 0; i < f_.txbArith.size(); ++i) {
        f_.txbArith[i].enabled = arithmetic;
        if (!arithmetic)
            continue;
        const QString unit = TrimTrailingChars(f_.lblArith[i].caption, QStringLiteral("s"));
        const bool one = LeadingNumber(f_.txbArith[i].text) == 1;
        f_.lblArith[i].caption = one ? unit : unit + u's';
    }

    const QString &date = f_.txbYearCEJC.text;
    const QString &dee = f_.strDeeCalendarDesignation;
    const bool hasDee = !dee.isEmpty() && date.contains(dee);
    const bool hasJulian = date.contains(QStringLiteral("JC"));
    const bool hasGregorian = date.contains(QStringLiteral("CE"));
    f_.lblCE.visible = f_.txbYearCEJC.visible && (hasGregorian || hasJulian || hasDee);
    if (!f_.lblCE.visible)
        f_.lblCE.caption.clear();
    else if (hasDee)
        f_.lblCE.caption = f_.strDesignatorLegend[2];
    else if (hasJulian)
        f_.lblCE.caption = f_.strDesignatorLegend[1];
    else
        f_.lblCE.caption = f_.strDesignatorLegend[0];

    f_.cmdClear[0].visible = (!date.isEmpty() && f_.txbYearCEJC.visible) ||
                             (f_.cboMonthNames.listIndex > 0 && f_.cboMonthNames.visible);
    bool anyAmount = false;
    for (const TextBox &box : f_.txbArith)
        anyAmount = anyAmount || !box.text.isEmpty();
    f_.cmdClear[1].visible = anyAmount;

    TextBox &ymd = f_.txbYearCEJC;  // upper-case what is typed, the caret staying where it was
    const qsizetype caret = ymd.caret;
    ymd.text = ymd.text.toUpper();
    ymd.caret = std::min(caret, ymd.text.size());

    const QString &legend = f_.lblCE.caption;
    if (f_.cboCalendar[1].listIndex == 0 && !legend.isEmpty()) {
        if (!dee.isEmpty() && legend.contains(dee))
            SelectListEntry(f_.cboCalendar[1], 3);
        else if (legend.contains(QStringLiteral("JC")))
            SelectListEntry(f_.cboCalendar[1], 2);
        else if (legend.contains(QStringLiteral("CE")))
            SelectListEntry(f_.cboCalendar[1], 1);
    }

    f_.cmdCopyResult.bold = false;
    f_.cmdCopyResult.enabled = f_.txbOutputGC.visible;
}

}  // namespace vardex
