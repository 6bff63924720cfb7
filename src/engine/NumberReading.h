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

// A typed whole number as the windows beyond the main one read it: blanks around it, an optional
// sign, and digits, either all together or grouped by thousands with one kind of separator
// (comma, full stop, apostrophe or blank): "1731", "1,731", "-4.713", "1 000 000". Nothing for any
// other text ("1.5", "17,31", "1,731.5", "12x5", ""). Values beyond +-10^18 are held there.
std::optional<int64_t> GroupedWholeNumber(std::u16string_view text);

// Nearest whole number, halves to the even neighbour, whatever the floating-point environment.
double RoundHalfEven(double value);

// value rounded half to even, or nothing when it does not fit in 32 bits (or is NaN).
std::optional<int32_t> ToInt32(double value);

// value rounded half to even and clamped to the 32-bit range; 0 for NaN.
int32_t WholeNumber(double value);

}  // namespace vardex
