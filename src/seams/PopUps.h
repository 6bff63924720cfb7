// SPDX-License-Identifier: MIT
// Seam: the self-closing message that confirms a copy. The call returns once the message has
// closed (after its interval or a click).
#pragma once

#include <QString>

namespace vardex {

class PopUps {
public:
    virtual ~PopUps() = default;
    // Sizes and screen position in twips, interval in milliseconds.
    virtual void PopUp(const QString &message, int width, int height, int intervalMs, int top, int left) = 0;
};

// The confirmation of every copy command: 2 seconds, at the same place on the screen whichever
// window copied.
inline void ConfirmCopy(PopUps &popUps)
{
    popUps.PopUp(QStringLiteral("Result copied to clipboard"), 2920, 300, 2000, 3900, 8050);
}

}  // namespace vardex
