// SPDX-License-Identifier: MIT
// Selecting a list entry or an option button from code runs the click handler a user's
// selection runs; the start-up and the Today command rely on it.
#include <array>

#include "MainController.h"

namespace vardex {

namespace {

// Option buttons that share a container exclude each other.
std::array<OptionButton *, 2> GroupOf(MainForm &f, const OptionButton &option)
{
    if (&option == &f.optDee || &option == &f.optDeeCecil)
        return {&f.optDee, &f.optDeeCecil};
    if (&option == &f.optPlus || &option == &f.optMinus)
        return {&f.optPlus, &f.optMinus};
    return {&f.optInputDateWithoutAYN, &f.optInputDateWithAYN};
}

}  // namespace

void MainController::SelectListEntry(ComboBox &list, int index)
{
    if (index < -1 || index >= list.items.size())
        return;
    list.listIndex = index;
    ListClicked(list);
}

void MainController::SelectOption(OptionButton &option)
{
    if (option.value)
        return;  // already selected: no click, as with a user's click on it
    for (OptionButton *other : GroupOf(f_, option))
        other->value = other == &option;
    OptionClicked(option);
}

void MainController::ListClicked(ComboBox &list)
{
    if (&list == &f_.cboCalendar[0])
        cboCalendar_Click(0);
    else if (&list == &f_.cboCalendar[1])
        cboCalendar_Click(1);
}

void MainController::OptionClicked(OptionButton &option)
{
    if (&option == &f_.optInputDateWithoutAYN)
        optInputDateWithoutAYN_Click();
    else if (&option == &f_.optInputDateWithAYN)
        optInputDateWithAYN_Click();
    else if (&option == &f_.optDee)
        optDee_Click();
    else if (&option == &f_.optDeeCecil)
        optDeeCecil_Click();
}

void MainController::FocusCalculate()
{
    // Whether Calculate can take the focus depends on the input just changed: derive it first
    // rather than from the state the last tick left.
    SettleRefresher();
    SetFocusIfPossible(f_.cmdCalculate);
}

bool MainController::SetFocusIfPossible(Button &button)
{
    if (!f_.windowVisible || !button.visible || !button.enabled)
        return false;
    f_.focusRequest = &button;
    return true;
}

}  // namespace vardex
