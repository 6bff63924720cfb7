// SPDX-License-Identifier: MIT
// Every event handler and procedure of the main window, as functions over its model.
//
// How input flows: the view copies what the user typed or picked into the MainForm and calls the
// handler here. The handlers are thin: they copy the form's input into an InputEntry, call the
// domain functions of src/input (CheckInputDate, ReadInputDay, Calculate, SyncDesignator, ...),
// copy the tidied texts back, show the messages through the Dialogs seam and fill the outputs.
// Every 500 ms Timer1_Timer re-derives which commands are enabled and shown. Selecting a list
// entry or an option from code goes through SelectListEntry and SelectOption, which run that
// control's click handler as a user's selection does.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "MainForm.h"
#include "input/InputEntry.h"
#include "seams/Dialogs.h"

namespace vardex {

class Clipboard;
class Clock;
class PopUps;
class Screen;

// The platform as the main window's logic sees it.
struct MainSeams {
    Dialogs &dialogs;
    Clipboard &clipboard;
    const Clock &clock;
    PopUps &popUps;
    const Screen &screen;
    std::function<QString(int16_t)> programText;  // numbered texts of the program text file
};

// Numbers of the program texts the main window uses.
inline constexpr int16_t kManualAddressText = 15;  // the online manual's address, without "http://"
inline constexpr int16_t kHelpFileText = 16;       // the help text file's name
inline constexpr int16_t kHelpCaptionText = 36;    // the help viewer's caption
inline constexpr int16_t kMakerNameText = 40;
inline constexpr int16_t kMakerAddressText = 41;

// The parts of the start-up that belong to the platform, called at their place in the order.
struct StartUpSteps {
    std::function<bool(const QString &fileName)> loadProgramText;  // false ends the start-up
    std::function<void()> styleControls;
    std::function<void()> showWindow;
};

class MainController {
public:
    MainController(MainForm &form, MainSeams seams);

    MainForm &Form() { return f_; }

    // ---- Start-up ----
    // The whole sequence in its order; false when the program text file could not be loaded
    // (the loader has told the user) and the program must end.
    bool StartUp(const StartUpSteps &steps);
    void InitMainWindow();
    void FillInputLists();

    // ---- Selection from code, with the click handler a user's selection runs ----
    void SelectListEntry(ComboBox &list, int index);
    void SelectOption(OptionButton &option);
    // Runs the click handler of a list or an option whose value the view has already set.
    void ListClicked(ComboBox &list);
    void OptionClicked(OptionButton &option);

    // ---- The input as the domain functions see it ----
    InputEntry Entry() const;             // the form's input
    void Apply(const InputEntry &entry);  // the tidied texts and what was read, back into the form
    InputContext Context() const;         // the Dee variant, "Calculate" and the regional format
    void Show(const std::vector<Message> &messages);

    // ---- Input date validation, JDN and arithmetic ----
    bool InputDateOK();
    bool GetJDN(const QString &strCalendar, bool blnDisplayMessageIfDateInvalid = false);
    int32_t GetYear() const;
    void PutDateYMD(const CalendarDate &date);
    void txbArith_LostFocus(int index);

    // ---- Input controls and calendar designation sync ----
    void optInputDateWithoutAYN_Click();
    void optInputDateWithAYN_Click();
    void cboCalendar_Click(int index);
    void txbYearCEJC_LostFocus();
    void txbYearCEJC_KeyUp(int keyCode);
    void txbYearADBCetc_KeyUp(int keyCode);
    Calendar SetTodayCalendar();  // the calendar today's date is entered in
    void PutDateMDY(const CalendarDate &date);
    int16_t EraListIndex(const QString &era) const;

    // ---- Calculation and output ----
    void cmdCalculate_Click();
    void ClearOutputs();
    void ShowOutputs();  // lngJDN in the three calendars, in the style of the era list

    // ---- State refresher ----
    void Timer1_Timer();
    void SettleRefresher();  // as many ticks as a change needs to be followed through
    void CheckInputComplete();

    // ---- Commands ----
    void cmdCopyResult_Click();
    QString CopyResultText() const;
    void CopyResultToClipboard();
    // The checks the Date sequence and Vernal equinoxes buttons run before opening their window;
    // true when the window may open (lngJDN holds the input date's JDN).
    bool cmdDateSequence_Click();
    bool cmdVernalEquinoxes_Click();
    void VEOutOfRangeMsg();
    // The calendar text the commands pass to GetJDN: the chosen entry of the current input
    // form's calendar list, without a leading "Proleptic ".
    QString InputCalendarText() const;

    // ---- Dee variant, Clear and Today ----
    void optDee_Click();
    void optDeeCecil_Click();
    void DeeVariantChanged();
    void ClearInput();
    void cmdClear_Click(int index);
    void cmdToday_Click();

    // ---- Focus ----
    bool SetFocusIfPossible(Button &button);
    void FocusCalculate();  // after the state the input now gives has been derived

private:
    void SetDeeVariant(DeeVariant variant);
    void ApplyReading(const InputEntry &entry, const std::optional<int32_t> &jdn);
    void ClearAmounts();

    MainForm &f_;
    MainSeams seams_;
};

}  // namespace vardex
