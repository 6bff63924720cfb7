// SPDX-License-Identifier: MIT
// The one rule by which the windows beyond the main one (Date difference, Historical dates, the
// Equinox chart) read a whole number typed into a box: digits, grouped by thousands or not, with
// an optional sign; anything else is refused with a message that says what to type, and the text
// stays as typed. The main window keeps its own reading.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace vardex {

struct TypedNumber {
    std::optional<int64_t> value;
    QString problem;  // empty when there is a value
};

// Reads text as `what` ("the year", "the day") between least and most.
TypedNumber ReadTypedNumber(const QString &text, const QString &what, int64_t least, int64_t most);

}  // namespace vardex
