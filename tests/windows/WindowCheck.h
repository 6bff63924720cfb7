// SPDX-License-Identifier: MIT
// The check of a whole window as a user meets it on the screen it is shown on: any top-level
// window of the program, in whatever state the caller has brought it to.
//
// - It lies inside the screen's available area, and every button is visible (not cut by the
//   window, a frame or another control; a control in a scrolling area counts as reachable).
//   A window that keeps a fixed design size (the main window, the two table windows, the help
//   viewer) may be larger than a small screen; its top-left corner must then be on the screen.
// - No text is cut: labels, buttons, option buttons, frame captions, list entries, box texts,
//   spin box values, table headers and cells, menu titles and chart labels show their whole
//   text, and no control draws over another.
// - Tab from the first control visits every enabled control once and comes back, without a
//   trap and without leaving the window, landing on the selected button of each option group;
//   the control with the focus is visibly marked (at least a one-pixel ring's worth of pixels
//   at 3:1 contrast or more against the same pixels unfocused).
// - Every control Tab reaches has a name for a screen reader (its own, its caption, the label
//   that names it; for a list, its description).
// - Esc closes an open pop-up (a list's drop-down, a completer's suggestions, a menu) and leaves
//   the window open; with no pop-up open it closes the window, when the window closes on Esc.
//
// Each finding is one readable line naming the control; no findings means the window passes.
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
