// SPDX-License-Identifier: MIT
// Seam: the system clipboard, plain text only.
#pragma once

#include <QString>

namespace vardex {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const QString &text) = 0;
};

}  // namespace vardex
