// SPDX-License-Identifier: MIT
// The number of rows a window is asked for, as typed into its box ("14" days, "12" years).
#pragma once

#include <QString>
#include <optional>

#include "seams/Dialogs.h"

namespace vardex {

struct CountRules {
    int maximum;             // at most 999
    QString invalidMessage;  // for anything but the digits 0-9
    QString tooManyMessage;  // for more than maximum
    QString title;           // the caption of the button that started the run
};

// Trims the blanks around text and writes the trimmed text back. Returns the count when it is
// 1..maximum. Otherwise returns nothing: silently for an empty text or a zero ("0", "000"), after
// an information box with the invalid or too-many message otherwise, however long the text.
std::optional<int> ReadCount(QString &text, const CountRules &rules, Dialogs &dialogs);

}  // namespace vardex
