// SPDX-License-Identifier: MIT
// The check of a whole window as a user meets it on the screen it is shown on, in whatever state
// the caller has brought it to. Each finding is one readable line naming the control.
//
// - It lies inside the screen's available area (a window of a fixed design size larger than a
//   small screen: its top-left corner on it) and every button is whole; scrolled out counts as
//   reachable.
// - No text is cut (labels, buttons, options, frame captions, list entries, boxes, spin boxes,
//   table headers and cells, menu titles, chart labels), and no control draws over another.
// - Tab visits every enabled control once and comes back, without a trap, landing on each option
//   group's selected button; the focus is marked by a one-pixel ring's worth of pixels at 3:1.
// - Every control Tab reaches has a name for a screen reader (for a list, its description).
// - Esc closes an open pop-up (drop-down, suggestions, menu) and leaves the window open; with
//   none open it closes the window, when the window closes on Esc.
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
