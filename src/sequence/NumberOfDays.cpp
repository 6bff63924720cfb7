// SPDX-License-Identifier: MIT
#include "NumberOfDays.h"

#include "input/CountInput.h"

namespace vardex {

static_assert(kMaxSequenceDays < 1000, "the count reader compares up to three significant digits");

std::optional<int> CheckNumberOfDays(QString &text, Dialogs &dialogs)
{
    return ReadCount(text,
                     {kMaxSequenceDays, QStringLiteral("Invalid input for number of days."),
                      QStringLiteral("Too many days"), QString::fromUtf16(kDoItCaption)},
                     dialogs);
}

}  // namespace vardex
