// Every event handler and procedure of the main window, as functions over its model.
//
// How input flows: the view copies what the user typed or picked into the MainForm and calls the
// handler here. Calculate runs InputDateOK (checks and tidies the typed text), GetJDN (reads the
// date in the chosen calendar, applies the arithmetic, leaves lngJDN) and ShowOutputs (the day in
// the three calendars). Every 500 ms Timer1_Timer re-derives which commands are enabled and
// shown. Messages go through the Dialogs seam, so the same code serves the window, vardex-cli
// and the tests. Selecting a list entry or an option from code goes through SelectListEntry and
// SelectOption, which run that control's click handler as a user's selection does.
//
// The handlers live in the files of their subsystem: src/input (validation, JDN and arithmetic,
// input controls) and src/mainwindow (calculation, refresher, start-up, commands, Dee variant,
// Clear and Today).
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "MainForm.h"

namespace vardex {

class Clipboard;
class Clock;
class Dialogs;
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

    // ---- Input date validation ----
    bool InputDateOK();

    // ---- JDN of the input date and date arithmetic ----
    bool GetJDN(const QString &strCalendar, bool blnDisplayMessageIfDateInvalid = false);
    int32_t GetYear() const;
    void PutDateYMD(const EuroDate &record);
    void txbArith_LostFocus(int index);

    // ---- Input controls and calendar designation sync ----
    void optInputDateWithoutAYN_Click();
    void optInputDateWithAYN_Click();
    void cboCalendar_Click(int index);
    void txbYearCEJC_LostFocus();
    void txbYearCEJC_KeyUp(int keyCode);
    void txbYearADBCetc_KeyUp(int keyCode);
    void SetTodayCalendar();
    void PutDateMDY(const EuroDate &record);
    int16_t EraListIndex(const QString &era) const;

    // ---- Calculation and output ----
    void cmdCalculate_Click();
    void ClearOutputs();
    void ShowOutputs();
    QString MDYDate(const QString &strCalendar, int32_t jdn);
    QString AYNDate(const QString &strCalendar, int32_t jdn) const;

    // ---- State refresher ----
    void Timer1_Timer();
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

    // The message shown when date arithmetic leaves the range of dates the program can reach.
    static QString ArithmeticRangeMessage();

private:
    enum class ArithCheck { Ok, Negative, TooLarge };

    bool InputDateValid(bool blnDisplay);
    bool ArithInputOK();
    ArithCheck CheckArithmetic();
    bool AddMonthsYears();
    bool ApplyArithmetic();
    void ReportArithmeticRange();
    void SetDeeVariant(bool dee);
    void SetWeekdaySearchResult(bool gregorianBold, bool julianBold);

    MainForm &f_;
    MainSeams seams_;
};

}  // namespace vardex
