// SPDX-License-Identifier: MIT
// Seam: today's date as the system gives it, and the instant now; the program passes the system
// clock, tests pass a scripted one.
#pragma once

#include <cstdint>
#include <string>

namespace vardex {

class Clock {
public:
    virtual ~Clock() = default;
    // Today's date as a short text, month first ("12/31/2021", "12-31-2021", "12.31.2021") or
    // year first ("2021-12-31").
    virtual std::string ShortDateText() const = 0;
    // Now, in seconds since 1970-01-01 00:00:00 UTC: when a file was written (an iCalendar stamp).
    virtual int64_t UtcSeconds() const = 0;
};

}  // namespace vardex
