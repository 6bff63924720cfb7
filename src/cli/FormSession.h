// The main window's model driven as a user drives the window: start-up with the chosen Dee
// variant, the input form, the lists and the typed texts, plus or minus and the amounts, the
// refresher's ticks. calc, sequence and equinox all start here.
#pragma once

#include <optional>
#include <string>

#include "Arguments.h"
#include "ConsoleSeams.h"
#include "mainwindow/MainController.h"
#include "support/SystemClock.h"

namespace vardex::cli {

class FormSession {
public:
    explicit FormSession(bool deeVariant);

    // Enters the date and the arithmetic and lets the refresher settle. Returns a one-line reason
    // when the input leaves Calculate disabled (incomplete).
    std::optional<std::string> Enter(const DateInput &date, const std::optional<ArithInput> &arithmetic);

    MainForm &Form() { return form_; }
    MainController &Controller() { return controller_; }
    ConsoleDialogs &Dialogs() { return dialogs_; }

private:
    void EnterDate(const DateInput &date);

    ConsoleDialogs dialogs_;
    NoClipboard clipboard_;
    SystemClock clock_;
    NoPopUps popUps_;
    NominalScreen screen_;
    MainForm form_;
    MainController controller_;
};

}  // namespace vardex::cli
