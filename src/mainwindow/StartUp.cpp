// SPDX-License-Identifier: MIT
// The main window's start-up on its model: first contents, lists, the Dee-Cecil variant,
// placement, today's date and the focus.
#include "MainController.h"
#include "engine/TextForms.h"
#include "input/InputSync.h"
#include "seams/Screen.h"

namespace vardex {

MainController::MainController(MainForm &form, MainSeams seams) : f_(form), seams_(std::move(seams)) {}

bool MainController::StartUp(const StartUpSteps &steps)
{
    f_.blnStartupCompleted = false;
    f_.strProgramTextFile = f_.tag.toLower() + QStringLiteral(".dat");
    if (steps.loadProgramText && !steps.loadProgramText(f_.strProgramTextFile))
        return false;
    if (steps.styleControls)
        steps.styleControls();
    InitMainWindow();
    f_.top = 1000;
    f_.left = (seams_.screen.WidthTwips() - MainForm::kWidth) / 2;
    f_.cmdCopyResult.enabled = true;
    f_.cmdVernalEquinoxes.caption = QStringLiteral("Vernal equinoxes");
    f_.cmdVernalEquinoxes.enabled = true;
    f_.windowVisible = true;
    if (steps.showWindow)
        steps.showWindow();
    if (f_.lngJDN == 0 && f_.cmdToday.enabled)
        cmdToday_Click();
    SetFocusIfPossible(f_.cmdCalculate);
    f_.blnStartupCompleted = true;
    return true;
}

void MainController::InitMainWindow()
{
    const std::array<QString, 3> legends = DesignatorLegends(DeeVariant::DeeCecil);
    f_.strDesignatorLegend[0] = legends[0];
    f_.strDesignatorLegend[1] = legends[1];
    f_.strDeeLegendTemplate = DeeLegendTemplate();
    FillInputLists();
    f_.optInputDateWithAYN.value = false;
    f_.optInputDateWithoutAYN.value = false;
    SelectListEntry(f_.cboCalendar[0], 0);
    SelectListEntry(f_.cboCalendar[1], 0);
    const auto text = [this](int16_t number) {
        return seams_.programText ? seams_.programText(number) : QString();
    };
    f_.lblOnlineUserManual.toolTip =
        QStringLiteral("Click here for the online user manual at") + u' ' + text(kManualAddressText);
    f_.lblMakerLink.caption = text(kMakerNameText);
    f_.lblMakerUrl.caption = text(kMakerAddressText);
    f_.lblMakerLink.toolTip = QStringLiteral("Click here to open the maker's web page");
    f_.lngTextBoxCapacityInKB = 63;
    ClearInput();
    SelectOption(f_.optDeeCecil);
}

void MainController::FillInputLists()
{
    auto fill = [this](ComboBox &list, QStringList items) {
        items.prepend(QString());
        list.items = items;
        SelectListEntry(list, 0);
    };
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << QString::fromLatin1(MonthName(m));
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    QStringList calendars = {QStringLiteral("Gregorian Calendar"), QStringLiteral("Julian Calendar"),
                             QString()};
    for (int16_t w = 0; w <= 6; ++w)
        calendars << QString::fromStdString(WeekdayText(w));
    fill(f_.cboMonthNames, months);
    fill(f_.cboDayNumbers, days);
    fill(f_.cboYearDesADBCetc,
         {QStringLiteral("AD"), QStringLiteral("BC"), QStringLiteral("CE"), QStringLiteral("BCE")});
    fill(f_.cboCalendar[0], calendars);
    fill(f_.cboCalendar[1],
         {QStringLiteral("Proleptic Gregorian"), QStringLiteral("Proleptic Julian"), QString()});
}

}  // namespace vardex
