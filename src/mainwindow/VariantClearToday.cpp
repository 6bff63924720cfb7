// SPDX-License-Identifier: MIT
// The Dee variant, clearing the input, and entering today's date.
#include "MainController.h"
#include "engine/Today.h"
#include "input/InputSync.h"
#include "seams/Clock.h"

namespace vardex {

void MainController::optDee_Click() { SetDeeVariant(DeeVariant::Dee); }

void MainController::optDeeCecil_Click() { SetDeeVariant(DeeVariant::DeeCecil); }

void MainController::SetDeeVariant(DeeVariant variant)
{
    const bool dee = variant == DeeVariant::Dee;
    f_.deeVariant = variant;
    f_.strDeeCalendarDesignation = QString::fromLatin1(DeeCalendarDesignation(variant));
    f_.strDeeCalendarName = QString::fromLatin1(DeeCalendarName(variant));
    QString &date = f_.txbYearCEJC.text;
    QString &legend = f_.lblCE.caption;
    if (dee) {
        date.replace(QStringLiteral(" DC"), QStringLiteral(" D"));
        legend.replace(QStringLiteral("'DC'"), QStringLiteral("'D'"));
        legend.replace(QStringLiteral(" Dee-Cecil"), QStringLiteral(" Dee"));
    } else {
        date.replace(QStringLiteral(" D"), QStringLiteral(" DC"));
        legend.replace(QStringLiteral("'D'"), QStringLiteral("'DC'"));
        legend.replace(QStringLiteral(" Dee"), QStringLiteral(" Dee-Cecil"));
    }
    f_.txbYearCEJC.caret = std::min(f_.txbYearCEJC.caret, date.size());
    DeeVariantChanged();
}

void MainController::DeeVariantChanged()
{
    const QString &name = f_.strDeeCalendarName;
    f_.lblDee.caption = name + u':';
    if (f_.cboCalendar[0].items.size() > 3)
        f_.cboCalendar[0].items[3] = name + QStringLiteral(" Calendar");
    if (f_.cboCalendar[1].items.size() > 3)
        f_.cboCalendar[1].items[3] = QStringLiteral("Proleptic ") + name;
    f_.strDesignatorLegend[2] = DeeLegend(f_.strDeeLegendTemplate, f_.deeVariant);
    if (!f_.txbOutputGC.text.isEmpty() && f_.blnStartupCompleted && f_.cmdCalculate.enabled)
        cmdCalculate_Click();  // a result on the screen follows the new epoch
    else
        ClearOutputs();
}

void MainController::ClearAmounts()
{
    for (TextBox &box : f_.txbArith) {
        box.text.clear();
        box.caret = 0;
    }
    f_.optPlus.value = false;
    f_.optMinus.value = false;
}

void MainController::ClearInput()
{
    f_.txbYearADBCetc.text.clear();
    f_.txbYearADBCetc.caret = 0;
    SelectListEntry(f_.cboMonthNames, 0);
    SelectListEntry(f_.cboDayNumbers, 0);
    SelectListEntry(f_.cboYearDesADBCetc, 0);
    f_.txbYearCEJC.text.clear();
    f_.txbYearCEJC.caret = 0;
    f_.lblCE.caption.clear();
    ClearOutputs();
    ClearAmounts();
}

void MainController::cmdClear_Click(int index)
{
    if (index == 0) {
        ClearInput();
        SelectListEntry(f_.cboCalendar[0], 0);
        SelectListEntry(f_.cboCalendar[1], 0);
        ClearOutputs();
    } else {
        ClearAmounts();
    }
    if (f_.windowVisible)
        f_.focusRequest = &f_.cmdToday;
}

void MainController::cmdToday_Click()
{
    if (!f_.optInputDateWithoutAYN.value && !f_.optInputDateWithAYN.value)
        SelectOption(f_.optInputDateWithoutAYN);
    const Calendar calendar = SetTodayCalendar();
    const QString era = f_.cboYearDesADBCetc.Text();
    if (era.isEmpty() || era == QStringLiteral("BCE"))
        SelectListEntry(f_.cboYearDesADBCetc, EraListIndex(QStringLiteral("CE")));
    else if (era == QStringLiteral("BC"))
        SelectListEntry(f_.cboYearDesADBCetc, EraListIndex(QStringLiteral("AD")));
    const CalendarDate today = JDNToDate(calendar, TodayJDN(seams_.clock.ShortDateText()), f_.deeVariant);
    PutDateMDY(today);
    PutDateYMD(today);
    ClearOutputs();
    FocusCalculate();
}

}  // namespace vardex
