// SPDX-License-Identifier: MIT
// Esc closes a window the way it closes a dialog: only when no control of the window had a use
// for the key. An open pop-up (a list's drop-down, a completer's suggestions, a menu) takes the
// key first and closes itself; the window stays. A shortcut for Esc would go before them all.
#pragma once

#include <functional>

class QWidget;

namespace vardex {

// Calls close (by default the window's hide) when Esc reaches window unused.
void CloseOnEscape(QWidget *window, std::function<void()> close = {});

}  // namespace vardex
