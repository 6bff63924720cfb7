// SPDX-License-Identifier: MIT
// The words of dates as people and family-tree files write them: month names in English, French,
// German, Spanish, Italian, Dutch, Swedish and Latin (with the registers' 7ber .. Xber), GEDCOM's
// Hebrew and French republican month codes, weekday names, eras and Old and New Style marks. Words
// are compared folded: lower case, accents and dots dropped ("Févr." -> "fevr", "B.C." -> "bc").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vardex {

// `word` folded: ASCII letters in lower case, the accented Latin letters of the eight languages as
// their base letters (ß as "ss"), combining accents and dots left out; other bytes kept.
std::string FoldedWord(std::string_view word);

// 1..12 for a month name or abbreviation of the Gregorian and Julian calendars; also "7ber",
// "8bris", "xber" and the like (the tokens "7" and "ber" joined by the caller).
std::optional<int> MonthOfWord(std::string_view folded);

// GEDCOM's Hebrew month codes as Vardex numbers them (Nisan = 1 .. Tishrei = 7, ADR = 12, ADS = 13).
std::optional<int> HebrewMonthOfCode(std::string_view folded);
// GEDCOM's French republican month codes, VEND = 1 .. COMP = 13.
std::optional<int> FrenchRepublicanMonthOfCode(std::string_view folded);

// 0 = Sunday .. 6 = Saturday for a weekday name or abbreviation in the same languages.
std::optional<int> WeekdayOfWord(std::string_view folded);

enum class DateWord {
    None,
    BeforeChrist,  // bc, bce
    AnnoDomini,    // ad, ce
    OldStyle,      // os, "old style"'s two words are joined by the caller
    NewStyle,      // ns
    Filler,        // of, the, de, den, der, le, il, anno, die, ...
};
DateWord KindOfWord(std::string_view folded);

}  // namespace vardex
