// SPDX-License-Identifier: MIT
#include "MainForm.h"

namespace vardex {

namespace {

Label MakeLabel(const QString &caption, bool bold = false)
{
    Label label;
    label.caption = caption;
    label.bold = bold;
    return label;
}

Button MakeButton(const QString &caption, bool visible = true, bool enabled = true)
{
    Button button;
    button.caption = caption;
    button.visible = visible;
    button.enabled = enabled;
    return button;
}

OptionButton MakeOption(const QString &caption)
{
    OptionButton option;
    option.caption = caption;
    return option;
}

TextBox MakeInputBox(int maxLength, bool visible = true)
{
    TextBox box;
    box.maxLength = maxLength;
    box.visible = visible;
    return box;
}

TextBox MakeOutputBox()
{
    TextBox box;
    box.locked = true;
    box.visible = false;
    return box;
}

ComboBox MakeList(bool visible = true)
{
    ComboBox list;
    list.visible = visible;
    return list;
}

}  // namespace

// The window as designed, before start-up fills and arranges it.
MainForm::MainForm()
    : caption(QStringLiteral("Vardex")),
      tag(QStringLiteral("Vardex")),
      Label3(MakeLabel(QStringLiteral("Dee Calendar version:"))),
      optDee(MakeOption(QStringLiteral("Dee (1-1-1 D = JDN 1,721,425)"))),
      optDeeCecil(MakeOption(QStringLiteral("Dee-Cecil (1-1-1 DC = JDN 1,721,426)"))),
      cmdCalculate(MakeButton(QStringLiteral("Calculate"))),
      cmdCopyResult(MakeButton(QStringLiteral("Copy result to clipboard"), true, false)),
      cmdDateSequence(MakeButton(QStringLiteral("Date sequence"), true, false)),
      cmdVernalEquinoxes(MakeButton(QStringLiteral("Vernal equinoxes"))),
      cmdHelp(MakeButton(QStringLiteral("Help"))),
      cmdQuit(MakeButton(QStringLiteral("Quit"))),
      lblOnlineUserManual(MakeLabel(QStringLiteral("Online user manual"))),
      optInputDateWithoutAYN(MakeOption(QStringLiteral("month, day, year (AD, BC, CE, BCE):"))),
      cboMonthNames(MakeList(false)),
      cboDayNumbers(MakeList(false)),
      txbYearADBCetc(MakeInputBox(7, false)),
      cboYearDesADBCetc(MakeList(false)),
      cboCalendar{MakeList(false), MakeList(false)},
      optInputDateWithAYN(MakeOption(QStringLiteral("year-month-day (astronomical year numbering):"))),
      txbYearCEJC(MakeInputBox(16, false)),
      cmdToday(MakeButton(QStringLiteral("Today"))),
      cmdClear{MakeButton(QStringLiteral("Clear"), false), MakeButton(QStringLiteral("Clear"), false)},
      optPlus(MakeOption(QStringLiteral("plus"))),
      optMinus(MakeOption(QStringLiteral("minus"))),
      txbArith{MakeInputBox(5), MakeInputBox(6), MakeInputBox(6), MakeInputBox(6)},
      lblArith{MakeLabel(QStringLiteral("years")), MakeLabel(QStringLiteral("months")),
               MakeLabel(QStringLiteral("weeks")), MakeLabel(QStringLiteral("days"))},
      lblGregorian(MakeLabel(QStringLiteral("Gregorian:"), true)),
      lblDee(MakeLabel(QStringLiteral("Dee-Cecil:"), true)),
      lblJulian(MakeLabel(QStringLiteral("Julian:"), true)),
      Label2(MakeLabel(QStringLiteral("Julian day number:"))),
      Label1(MakeLabel(QStringLiteral("Day of week:"))),
      txbOutputGC(MakeOutputBox()),
      txbOutputGCwithAYN(MakeOutputBox()),
      txbOutputDEE(MakeOutputBox()),
      txbOutputDEEwithAYN(MakeOutputBox()),
      txbOutputJC(MakeOutputBox()),
      txbOutputJCwithAYN(MakeOutputBox()),
      txbJDN(MakeOutputBox()),
      txbDayOfWeek(MakeOutputBox())
{
    fraInput.caption = QStringLiteral(" Input date ");
    fraOutput.caption = QStringLiteral(" Output dates ");
    fraPlusMinus.caption = QStringLiteral("Arithmetical");
    lblCE.visible = false;
    for (TextBox &box : txbArith)
        box.enabled = false;  // until plus or minus is chosen
}

std::array<TextBox *, 8> MainForm::OutputBoxes()
{
    return {&txbOutputGC,        &txbOutputJC,         &txbOutputDEE, &txbOutputGCwithAYN,
            &txbOutputJCwithAYN, &txbOutputDEEwithAYN, &txbJDN,       &txbDayOfWeek};
}

}  // namespace vardex
