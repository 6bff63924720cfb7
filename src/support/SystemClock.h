// SPDX-License-Identifier: MIT
// Today's date and the instant now from the system clock, for the Clock seam.
#pragma once

#include "seams/Clock.h"

namespace vardex {

class SystemClock : public Clock {
public:
    // Today as "yyyy-MM-dd". The locale's short date would be the natural text, but it may put
    // the day first or give a two-digit year, and the engine reads the text by fixed places
    // without a way to tell those layouts apart; the ISO layout always reads correctly.
    std::string ShortDateText() const override;
    int64_t UtcSeconds() const override;
};

}  // namespace vardex
