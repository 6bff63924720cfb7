// SPDX-License-Identifier: MIT
#include "GedcomCharsets.h"

#include <array>
#include <cstring>

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>

namespace vardex {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Bytes 0x80..0x9F of Windows-1252; 0 where the code page assigns nothing. 0xA0..0xFF are
// Latin-1's, the same as their code points.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// ANSEL's bytes 0xA0..0xFF; 0 where it assigns nothing. 0xE0 and up are the combining diacritics.
// GEDCOM adds the empty and black boxes (0xBE, 0xBF), midline e and o (0xCD, 0xCE) and the es-zet
// (0xCF); the later MARC additions 0xC7 (es-zet) and 0xC8 (euro) are read as well.
constexpr std::array<char16_t, 96> kAnselHigh = {
    // 0xA0
    0, 0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9, 0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF,
    0x02BC, 0,
    // 0xB0
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA, 0x0131, 0x00A3, 0x00F0, 0, 0x01A1, 0x01B0,
    0x25A1, 0x25A0,
    // 0xC0
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF, 0x20AC, 0, 0, 0, 0, 0x0065, 0x006F,
    0x00DF,
    // 0xD0
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xE0: hook above, grave, acute, circumflex, tilde, macron, breve, dot above, diaeresis, caron,
    // ring above, ligature halves, comma above right, double acute, candrabindu
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307, 0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21,
    0x0315, 0x030B, 0x0310,
    // 0xF0: cedilla, ogonek, dot below, diaeresis below, ring below, double low line, low line,
    // comma below, left half ring below, breve below, double tilde halves, comma above
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326, 0x031C, 0x032E, 0xFE22, 0xFE23, 0, 0,
    0x0313, 0};

bool IsAsciiWord(const char *p)
{
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}

// The length of the run of ASCII bytes at the start of `bytes`, eight at a time where it can.
size_t AsciiRun(std::string_view bytes)
{
    size_t i = 0;
    while (i + 8 <= bytes.size() && IsAsciiWord(bytes.data() + i))
        i += 8;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

// The length of the well-formed UTF-8 sequence at `p` (at most `left` bytes), or, when there is
// none, the length of the maximal subpart to replace by one U+FFFD (at least 1).
size_t Utf8Sequence(const unsigned char *p, size_t left, bool &valid)
{
    const unsigned char lead = p[0];
    size_t need;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 3;
        if (lead == 0xE0)
            low = 0xA0;  // overlong below that
        else if (lead == 0xED)
            high = 0x9F;  // surrogates above that
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;  // beyond U+10FFFF above that
    } else {
        valid = false;
        return 1;
    }
    size_t i = 1;
    for (; i < need && i < left; ++i) {
        const unsigned char c = p[i];
        const bool inRange = i == 1 ? (c >= low && c <= high) : (c >= 0x80 && c <= 0xBF);
        if (!inRange)
            break;
    }
    valid = i == need;
    return i;
}

void AppendReplacement(std::string &out) { out.append("\xEF\xBF\xBD", 3); }

}  // namespace

void AppendCodePoint(char32_t cp, std::string &out)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        const char bytes[] = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        out.append(bytes, 2);
    } else if (cp < 0x10000) {
        const char bytes[] = {static_cast<char>(0xE0 | (cp >> 12)),
                              static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                              static_cast<char>(0x80 | (cp & 0x3F))};
        out.append(bytes, 3);
    } else {
        const char bytes[] = {
            static_cast<char>(0xF0 | (cp >> 18)), static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
        out.append(bytes, 4);
    }
}

void AppendCheckedUtf8(std::string_view bytes, std::string &out)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t run = AsciiRun(bytes.substr(i));
        if (run > 0) {
            out.append(bytes.data() + i, run);
            i += run;
            continue;
        }
        bool valid = false;
        const size_t length = Utf8Sequence(p + i, bytes.size() - i, valid);
        if (valid)
            out.append(bytes.data() + i, length);
        else
            AppendReplacement(out);
        i += length;
    }
}

void AppendAscii(std::string_view bytes, std::string &out)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t run = AsciiRun(bytes.substr(i));
        out.append(bytes.data() + i, run);
        i += run;
        if (i < bytes.size()) {
            AppendReplacement(out);
            ++i;
        }
    }
}

void AppendWindows1252(std::string_view bytes, std::string &out)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t run = AsciiRun(bytes.substr(i));
        out.append(bytes.data() + i, run);
        i += run;
        if (i == bytes.size())
            break;
        const auto byte = static_cast<unsigned char>(bytes[i++]);
        const char32_t cp = byte >= 0xA0 ? byte : kWindows1252High[byte - 0x80];
        AppendCodePoint(cp != 0 ? cp : kReplacement, out);
    }
}

void AppendAnsel(std::string_view bytes, std::string &out)
{
    const size_t start = out.size();
    // The diacritics read since the last base character, to follow the next one. More than a
    // letter can carry are passed on as they come.
    std::array<char16_t, 8> marks{};
    size_t markCount = 0;
    bool composed = false;
    auto flushMarks = [&] {
        for (size_t m = 0; m < markCount; ++m)
            AppendCodePoint(marks[m], out);
        markCount = 0;
    };
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
            flushMarks();
            continue;
        }
        const char16_t cp = byte >= 0xA0 ? kAnselHigh[byte - 0xA0] : 0;
        if (byte >= 0xE0 && cp != 0) {
            if (markCount == marks.size())
                flushMarks();
            marks[markCount++] = cp;
            composed = true;
            continue;
        }
        AppendCodePoint(cp != 0 ? cp : kReplacement, out);
        flushMarks();
    }
    if (markCount > 0) {
        // Diacritics with no letter after them: shown on their own, on a space as Unicode has it,
        // rather than on the letter before.
        out.push_back(' ');
        flushMarks();
    }
    if (!composed)
        return;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return;  // decomposed is still the right text
    std::string normalized;
    icu::StringByteSink<std::string> sink(&normalized, static_cast<int32_t>(out.size() - start));
    nfc->normalizeUTF8(0, icu::StringPiece(out.data() + start, static_cast<int32_t>(out.size() - start)),
                       sink, nullptr, status);
    if (U_SUCCESS(status)) {
        out.resize(start);
        out += normalized;
    }
}

void Utf16ToUtf8::Append(const char *data, size_t size, std::string &out)
{
    size_t i = 0;
    auto unitAt = [&](unsigned char first, unsigned char second) {
        return static_cast<char16_t>(bigEndian_ ? (first << 8 | second) : (second << 8 | first));
    };
    while (i < size) {
        char16_t unit;
        if (haveOddByte_) {
            unit = unitAt(oddByte_, static_cast<unsigned char>(data[i]));
            haveOddByte_ = false;
            i += 1;
        } else if (i + 1 < size) {
            unit = unitAt(static_cast<unsigned char>(data[i]), static_cast<unsigned char>(data[i + 1]));
            i += 2;
        } else {
            oddByte_ = static_cast<unsigned char>(data[i]);
            haveOddByte_ = true;
            break;
        }
        if (highSurrogate_ != 0) {
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                AppendCodePoint(0x10000 + ((char32_t(highSurrogate_) - 0xD800) << 10) + (unit - 0xDC00), out);
                highSurrogate_ = 0;
                continue;
            }
            AppendReplacement(out);
            highSurrogate_ = 0;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            highSurrogate_ = unit;
        else if (unit >= 0xDC00 && unit <= 0xDFFF)
            AppendReplacement(out);
        else
            AppendCodePoint(unit, out);
    }
}

void Utf16ToUtf8::Finish(std::string &out)
{
    if (highSurrogate_ != 0 || haveOddByte_)
        AppendReplacement(out);
    highSurrogate_ = 0;
    haveOddByte_ = false;
}

void CutUtf8(std::string &text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return;
    size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;  // back to the first byte of the character that would be cut
    text.resize(end);
}

}  // namespace vardex
