// SPDX-License-Identifier: MIT
// The check of a whole window as a user meets it on its screen, in whatever state the caller has
// brought it to; each finding is one readable line naming the control. The window lies on the
// screen with every button whole (scrolled out counts as reachable); no text is cut and no control
// draws over another; Tab visits every control once, without a trap, landing on each group's
// selected option, and the focus is marked at 3:1; every control Tab reaches has a name for a screen
// reader; Esc closes an open pop-up first and then, when it should, the window.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace vardex::test {

struct WindowCheckOptions {
    bool closesOnEscape = true;  // Esc closes (hides) the window
    bool showAgain = true;       // ... and it is shown again afterwards (not a message box)
    bool designSize = false;     // the window keeps a fixed design size; see above
};

std::vector<std::string> CheckWindow(QWidget *window, const WindowCheckOptions &options = {});

// The parts of the check, for the tests of the check itself.
std::vector<std::string> CheckFitsScreen(QWidget *window, bool designSize);
std::vector<std::string> CheckTextsWhole(QWidget *window);
std::vector<std::string> CheckTabCycle(QWidget *window);
std::vector<std::string> CheckNames(QWidget *window);
std::vector<std::string> CheckEscape(QWidget *window, const WindowCheckOptions &options);

// Makes window the active window, as its user's click would.
bool Activate(QWidget *window);

// The findings one to a line, for a test's failure message.
std::string FindingLines(const std::vector<std::string> &found);

// A readable name for a control in findings: its accessible name, text or class.
std::string Describe(const QWidget *widget);

}  // namespace vardex::test
