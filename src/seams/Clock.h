// SPDX-License-Identifier: MIT
// Seam: today's date as the system gives it; the program passes the system clock, tests pass a
// scripted one.
#pragma once

#include <string>

namespace vardex {

class Clock {
public:
    virtual ~Clock() = default;
    // Today's date as a short text, month first ("12/31/2021", "12-31-2021", "12.31.2021") or
    // year first ("2021-12-31").
    virtual std::string ShortDateText() const = 0;
};

}  // namespace vardex
