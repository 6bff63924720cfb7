// SPDX-License-Identifier: MIT
// Calculate: the input date's JDN shown in the three calendars, or the weekday search that finds
// in which of the Gregorian and Julian calendars the input date has the chosen weekday.
#include "input/Calculation.h"
#include "MainController.h"
#include "input/DateTexts.h"
#include "input/NumberFormat.h"

namespace vardex {

namespace {

// The era list decides the style of every month-day-year text; with nothing chosen there, the
// first result chooses "CE" in it.
constexpr int kCommonEraEntry = 3;

}  // namespace

void MainController::cmdCalculate_Click()
{
    ClearOutputs();
    const Calculation calculation = Calculate(Entry(), Context());
    ApplyReading(calculation.entry, calculation.jdn);
    Show(calculation.messages);
    if (!calculation.showResult)
        return;
    ShowOutputs();
    if (calculation.settled) {
        f_.lblGregorian.bold = calculation.settled == Calendar::Gregorian;
        f_.lblJulian.bold = calculation.settled == Calendar::Julian;
    }
}

void MainController::ClearOutputs()
{
    for (TextBox *box : f_.OutputBoxes()) {
        box->text.clear();
        box->visible = false;
    }
    f_.lblGregorian.bold = false;
    f_.lblJulian.bold = false;
    f_.lblDee.bold = false;
    f_.shownResultJdn.reset();
}

void MainController::ShowOutputs()
{
    if (f_.cboYearDesADBCetc.listIndex <= 0)
        SelectListEntry(f_.cboYearDesADBCetc, kCommonEraEntry);
    const DayTexts texts = TextsOfDay(f_.lngJDN, f_.deeVariant, EraStyleOf(f_.cboYearDesADBCetc.Text()),
                                      NumberFormat::Regional());
    const auto show = [](TextBox &box, const QString &text) {
        box.text = text;
        box.visible = true;
    };
    show(f_.txbOutputGC, texts.gregorian);
    show(f_.txbOutputJC, texts.julian);
    show(f_.txbOutputDEE, texts.dee);
    show(f_.txbOutputGCwithAYN, texts.gregorianYmd);
    show(f_.txbOutputJCwithAYN, texts.julianYmd);
    show(f_.txbOutputDEEwithAYN, texts.deeYmd);
    show(f_.txbJDN, texts.jdn);
    show(f_.txbDayOfWeek, texts.weekday);
    f_.shownResultJdn = f_.lngJDN;
}

}  // namespace vardex
