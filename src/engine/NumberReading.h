// SPDX-License-Identifier: MIT
// Reading numbers from typed or system texts: the number at the start of a text, made whole by
// rounding halves to even, and never an overflow. The one reader for every number the program
// reads from a text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vardex {

// The number at the start of text: an optional sign, digits, an optional fraction after a full
// stop, with blanks between them skipped (in UTF-16 also the no-break spaces U+00A0 and U+202F); any other
// character ends it ("1 500-03" -> 1500, "12,345" -> 12, "" -> 0). Very long digit runs are capped far beyond
// any 32-bit value.
double LeadingNumber(std::u16string_view text);
double LeadingNumber(std::string_view text);

// Nearest whole number, halves to the even neighbour, whatever the floating-point environment.
double RoundHalfEven(double value);

// value rounded half to even, or nothing when it does not fit in 32 bits (or is NaN).
std::optional<int32_t> ToInt32(double value);

// value rounded half to even and clamped to the 32-bit range; 0 for NaN.
int32_t WholeNumber(double value);

}  // namespace vardex
