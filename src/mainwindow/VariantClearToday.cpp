// The Dee variant, clearing the input, and entering today's date.
#include "engine/Calendar.h"
#include "engine/CalendarState.h"
#include "engine/Today.h"
#include "input/DeeVariant.h"
#include "mainwindow/MainController.h"

namespace vardex {

void MainController::optDee_Click() { SetDeeVariant(true); }

void MainController::optDeeCecil_Click() { SetDeeVariant(false); }

void MainController::SetDeeVariant(bool dee)
{
    const DeeVariant variant = dee ? DeeVariant::Dee : DeeVariant::DeeCecil;
    DeeEpochJDN = DeeEpochOf(variant);
    f_.strDeeCalendarDesignation = DeeCalendarDesignation(variant);
    f_.strDeeCalendarName = DeeCalendarName(variant);
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
    QString legend = f_.strDeeLegendTemplate;
    legend.replace(QStringLiteral("DC"), f_.strDeeCalendarDesignation);
    legend.replace(QStringLiteral("Dee-Cecil"), name);
    f_.strDesignatorLegend[2] = legend;
    if (!f_.txbOutputGC.text.isEmpty() && f_.blnStartupCompleted && f_.cmdCalculate.enabled)
        cmdCalculate_Click();  // a result on the screen follows the new epoch
    else
        ClearOutputs();
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
    f_.optPlus.value = false;
    f_.optMinus.value = false;
    for (TextBox &box : f_.txbArith) {
        box.text.clear();
        box.caret = 0;
    }
}

void MainController::cmdClear_Click(int index)
{
    if (index == 0) {
        ClearInput();
        SelectListEntry(f_.cboCalendar[0], 0);
        SelectListEntry(f_.cboCalendar[1], 0);
        ClearOutputs();
    } else {
        for (TextBox &box : f_.txbArith) {
            box.text.clear();
            box.caret = 0;
        }
        f_.optPlus.value = false;
        f_.optMinus.value = false;
    }
    if (f_.windowVisible)
        f_.focusRequest = &f_.cmdToday;
}

void MainController::cmdToday_Click()
{
    if (!f_.optInputDateWithoutAYN.value && !f_.optInputDateWithAYN.value)
        SelectOption(f_.optInputDateWithoutAYN);
    SetTodayCalendar();
    const QString era = f_.cboYearDesADBCetc.Text();
    if (era.isEmpty() || era == QStringLiteral("BCE"))
        SelectListEntry(f_.cboYearDesADBCetc, EraListIndex(QStringLiteral("CE")));
    else if (era == QStringLiteral("BC"))
        SelectListEntry(f_.cboYearDesADBCetc, EraListIndex(QStringLiteral("AD")));
    f_.udtTodayDate.jdn = TodayJDN(seams_.clock);
    JDNToDate(f_.udtTodayDate);
    PutDateMDY(f_.udtTodayDate);
    PutDateYMD(f_.udtTodayDate);
    ClearOutputs();
    SetFocusIfPossible(f_.cmdCalculate);
}

}  // namespace vardex
