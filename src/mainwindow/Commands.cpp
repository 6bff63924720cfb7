// SPDX-License-Identifier: MIT
// The main window's commands: copying the result, and the checks before the date-sequence and
// vernal-equinox windows open.
#include "MainController.h"
#include "equinox/EquinoxInput.h"
#include "equinox/EquinoxTable.h"
#include "input/InputReading.h"
#include "input/TextUtils.h"
#include "seams/Clipboard.h"
#include "seams/PopUps.h"

namespace vardex {

namespace {

// text padded with blanks, or cut, to exactly n characters.
QString PadTo(const QString &text, int n) { return text.leftJustified(n, u' ', true); }

}  // namespace

void MainController::cmdCopyResult_Click()
{
    CopyResultToClipboard();
    SetFocusIfPossible(f_.cmdCalculate);
}

QString MainController::CopyResultText() const
{
    return PadTo(QStringLiteral("Gregorian Calendar:"), 20) + PadTo(f_.txbOutputGC.text, 28) +
           PadTo(f_.txbOutputGCwithAYN.text, 28) + kCrLf + PadTo(QStringLiteral("Julian Calendar:"), 20) +
           PadTo(f_.txbOutputJC.text, 28) + PadTo(f_.txbOutputJCwithAYN.text, 28) + kCrLf +
           PadTo(QStringLiteral("Julian day number:"), 20) + f_.txbJDN.text + kCrLf +
           PadTo(QStringLiteral("Day of week:"), 20) + f_.txbDayOfWeek.text + kCrLf + kCrLf;
}

void MainController::CopyResultToClipboard()
{
    seams_.clipboard.Clear();
    seams_.clipboard.SetText(CopyResultText());
    f_.cmdCopyResult.visible = false;
    ConfirmCopy(seams_.popUps);
    f_.cmdCopyResult.visible = true;
}

QString MainController::InputCalendarText() const
{
    if (f_.intInputDateType == 0)
        return f_.cboCalendar[0].Text();
    if (f_.intInputDateType == 1)
        return f_.cboCalendar[1].Text().mid(10);  // without "Proleptic "
    return {};
}

bool MainController::cmdDateSequence_Click()
{
    const DayReading reading = ReadCheckedInput(Entry(), Context());
    ApplyReading(reading.entry, reading.jdn);
    Show(reading.messages);
    return reading.jdn.has_value();
}

bool MainController::cmdVernalEquinoxes_Click()
{
    const DayReading reading = ReadInputForEquinoxes(Entry(), Context());
    ApplyReading(reading.entry, reading.jdn);
    Show(reading.messages);
    return reading.jdn.has_value();
}

void MainController::VEOutOfRangeMsg() { seams_.dialogs.Show(EquinoxRangeMessage()); }

}  // namespace vardex
