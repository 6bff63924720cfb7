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

}  // namespace vardex
