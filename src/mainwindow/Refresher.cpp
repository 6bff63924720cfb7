// SPDX-License-Identifier: MIT
// Timer1: twice a second the window re-derives from its input which commands are enabled,
// what is shown, the unit labels and the designator explanation, so no handler has to.
#include "MainController.h"
#include "input/InputSync.h"
#include "input/TextUtils.h"

namespace vardex {

void MainController::CheckInputComplete()
{
    const InputEntry entry = DeriveInputType(Entry());
    TextBox &year = f_.txbYearADBCetc;
    if (entry.year != year.text) {
        year.text = entry.year;
        year.caret = std::min(year.caret, year.text.size());
    }
    f_.intInputDateType = static_cast<int16_t>(entry.type);
    f_.blnInputComplete = entry.type != InputType::Incomplete;
}

void MainController::SettleRefresher()
{
    // A tick enables Calculate before it lets a designator choose its calendar, and finds a
    // designator typed in lower case only once it has upper-cased it: the third tick after a
    // change is the first to change nothing.
    for (int tick = 0; tick < 3; ++tick)
        Timer1_Timer();
}

void MainController::Timer1_Timer()
{
    CheckInputComplete();
    f_.cmdCalculate.enabled = f_.blnInputComplete;
    const bool weekdaySearch = f_.intInputDateType == static_cast<int16_t>(InputType::MonthDayYear) &&
                               f_.cboCalendar[0].listIndex >= kFirstWeekdayEntry && f_.cmdCalculate.enabled;
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
        QString unit = f_.lblArith[i].caption;
        while (unit.endsWith(u's'))
            unit.chop(1);
        const bool one = LeadingNumber(f_.txbArith[i].text) == 1;
        f_.lblArith[i].caption = one ? unit : unit + u's';
    }

    TextBox &ymd = f_.txbYearCEJC;
    const DesignatorSync sync =
        SyncDesignator(ymd.text, f_.cboCalendar[1].listIndex, ymd.visible, f_.deeVariant);
    f_.lblCE.visible = sync.legendIndex >= 0;
    f_.lblCE.caption =
        f_.lblCE.visible ? f_.strDesignatorLegend[static_cast<size_t>(sync.legendIndex)] : QString();

    f_.cmdClear[0].visible =
        (!ymd.text.isEmpty() && ymd.visible) || (f_.cboMonthNames.listIndex > 0 && f_.cboMonthNames.visible);
    bool anyAmount = false;
    for (const TextBox &box : f_.txbArith)
        anyAmount = anyAmount || !box.text.isEmpty();
    f_.cmdClear[1].visible = anyAmount;

    ymd.text = ymd.text.toUpper();  // the caret stays where it was
    ymd.caret = std::min(ymd.caret, ymd.text.size());
    if (sync.ymdCalendarEntry != f_.cboCalendar[1].listIndex)
        SelectListEntry(f_.cboCalendar[1], sync.ymdCalendarEntry);  // its click re-designates the text

    f_.cmdCopyResult.bold = false;
    f_.cmdCopyResult.enabled = f_.txbOutputGC.visible;
}

}  // namespace vardex
