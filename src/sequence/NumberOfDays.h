// SPDX-License-Identifier: MIT
// The number of days the date sequence is asked for, as typed into its box.
#pragma once

#include <QString>
#include <optional>

#include "seams/Dialogs.h"

namespace vardex {

// The caption of the sequence's "Do it" button, which titles every message of a run.
inline constexpr char16_t kDoItCaption[] = u"Do it";

// Longest run the sequence writes; 800 rows stay well inside the output box's capacity.
inline constexpr int kMaxSequenceDays = 800;

// Trims the blanks around text and writes the trimmed text back. Returns the number of days when
// it is 1..kMaxSequenceDays. Otherwise returns nothing: silently for an empty text or a zero
// ("0", "000"), after "Invalid input for number of days." for anything but the digits 0-9, and
// after "Too many days" for more than kMaxSequenceDays, however many digits the text holds.
std::optional<int> CheckNumberOfDays(QString &text, Dialogs &dialogs);

}  // namespace vardex
