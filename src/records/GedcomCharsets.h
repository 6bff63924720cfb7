// SPDX-License-Identifier: MIT
// The character sets of GEDCOM files, each turned into UTF-8. Every function appends to `out` and
// puts U+FFFD where the bytes are not a character of their set, so that the result is always valid
// UTF-8 and nothing unreadable passes through raw.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vardex {

// UTF-8 as it should be: each ill-formed part (a stray byte, a cut or overlong sequence, a
// surrogate) becomes one U+FFFD, as Unicode recommends (its "maximal subparts").
void AppendCheckedUtf8(std::string_view bytes, std::string &out);
// 7-bit ASCII; a byte above 0x7F is not ASCII.
void AppendAscii(std::string_view bytes, std::string &out);
// Windows-1252 ("ANSI" in GEDCOM headers); its five unassigned bytes are not characters.
void AppendWindows1252(std::string_view bytes, std::string &out);
// ANSEL (ANSI/NISO Z39.47 with GEDCOM's additions): each combining diacritic, written before its
// base letter, comes after it, and letters with a precomposed form are composed (NFC).
void AppendAnsel(std::string_view bytes, std::string &out);

// UTF-16 to UTF-8 a block at a time: a byte or surrogate pair cut by the end of a block waits for
// the next block. A surrogate without its pair becomes U+FFFD.
class Utf16ToUtf8 {
public:
    explicit Utf16ToUtf8(bool bigEndian) : bigEndian_(bigEndian) {}
    void Append(const char *data, size_t size, std::string &out);
    // At the end of the file: what is left over is a cut character.
    void Finish(std::string &out);

private:
    bool bigEndian_;
    bool haveOddByte_ = false;
    unsigned char oddByte_ = 0;
    char16_t highSurrogate_ = 0;  // 0: none waiting
};

// Appends code point `cp` (at most U+10FFFF, not a surrogate) as UTF-8.
void AppendCodePoint(char32_t cp, std::string &out);
// Shortens UTF-8 `text` to at most `maxBytes`, never in the middle of a character.
void CutUtf8(std::string &text, size_t maxBytes);

}  // namespace vardex
