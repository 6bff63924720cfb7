// Reading numbers typed by users: a leading sign and digits, made whole by rounding halves to
// even, and never an overflow.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace vardex {

// The number at the start of s: an optional sign, digits, an optional fraction after a full
// stop, with blanks between them skipped; any other character ends it ("1 500-03" -> 1500,
// "12,345" -> 12, "" -> 0). Very long digit runs are capped far beyond any 32-bit value.
double LeadingNumber(const QString &s);

// value rounded half to even, or nothing when it does not fit in 32 bits.
std::optional<int32_t> ToInt32(double value);

// value rounded half to even and clamped to the 32-bit range.
int32_t WholeNumber(double value);

}  // namespace vardex
