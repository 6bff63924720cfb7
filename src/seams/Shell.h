// SPDX-License-Identifier: MIT
// Seam: the desktop's "open" operation for web addresses.
#pragma once

#include <QString>

namespace vardex {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens address in the user's browser. Returns 33 or more when a browser was started,
    // otherwise a failure code: 2 not found, 8 out of memory, 31 no application for the type.
    virtual int Open(const QString &address) = 0;
};

}  // namespace vardex
