// SPDX-License-Identifier: MIT
#include "NumberReading.h"

#include <algorithm>
#include <cmath>

namespace vardex {

namespace {

constexpr double kCap = 1e300;  // beyond every value a caller compares with, and still finite

// A blank between digit groups: the space, and in UTF-16 the no-break spaces U+00A0 and U+202F
// that regional formats group with.
template <typename Char> bool IsBlank(Char c)
{
    if constexpr (sizeof(Char) > 1)
        return c == Char(' ') || c == Char(0x00A0) || c == Char(0x202F);
    return c == Char(' ');
}

template <typename Char> double ReadLeadingNumber(std::basic_string_view<Char> s)
{
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == Char('-') || s[i] == Char('+')))
        negative = s[i++] == Char('-');
    double value = 0;
    bool inFraction = false;
    double scale = 0.1;  // place value of the next digit of the fraction
    for (; i < s.size(); ++i) {
        const Char c = s[i];
        if (IsBlank(c))
            continue;
        if (c == Char('.') && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c < Char('0') || c > Char('9'))
            break;
        const int digit = static_cast<int>(c - Char('0'));
        if (!inFraction) {
            value = std::min(value * 10 + digit, kCap);
        } else {
            value += digit * scale;
            scale /= 10;
        }
    }
    return negative ? -value : value;
}

bool IsGroupSeparator(char16_t c) { return c == u',' || c == u'.' || c == u'\'' || IsBlank(c); }

}  // namespace

std::optional<int64_t> GroupedWholeNumber(std::u16string_view text)
{
    constexpr int64_t kHeld = 1'000'000'000'000'000'000;
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    int64_t value = 0;
    int groupDigits = 0;     // digits since the last separator, or since the start
    char16_t separator = 0;  // the one kind of separator the number uses, once it has one
    bool firstGroup = true;
    for (const char16_t c : text) {
        if (c >= u'0' && c <= u'9') {
            value = value >= kHeld / 10 ? kHeld : std::min(value * 10 + (c - u'0'), kHeld);
            ++groupDigits;
        } else if (IsGroupSeparator(c) && (separator == 0 || c == separator)) {
            // The first group holds one to three digits, every later one three.
            if (groupDigits == 0 || groupDigits > 3 || (!firstGroup && groupDigits != 3))
                return std::nullopt;
            separator = c;
            firstGroup = false;
            groupDigits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (groupDigits == 0 || (!firstGroup && groupDigits != 3))
        return std::nullopt;
    return negative ? -value : value;
}

double LeadingNumber(std::u16string_view text) { return ReadLeadingNumber(text); }

double LeadingNumber(std::string_view text) { return ReadLeadingNumber(text); }

double RoundHalfEven(double value)
{
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest < 0.5)
        return down;
    if (rest > 0.5)
        return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

std::optional<int32_t> ToInt32(double value)
{
    const double whole = RoundHalfEven(value);
    if (!(whole >= INT32_MIN && whole <= INT32_MAX))
        return std::nullopt;
    return static_cast<int32_t>(whole);
}

int32_t WholeNumber(double value)
{
    if (std::isnan(value))
        return 0;
    return ToInt32(value).value_or(value < 0 ? INT32_MIN : INT32_MAX);
}

}  // namespace vardex
