// SPDX-License-Identifier: MIT
#include "NumberWords.h"

#include <array>

namespace vardex {

namespace {

constexpr std::array<const char *, 21> kUpToTwenty = {
    "No",       "One",     "Two",     "Three",     "Four",     "Five",     "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",   "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen", "Twenty"};

// Indexed by the tens digit, [2, 9].
constexpr std::array<const char *, 10> kTens = {"",      "",      "Twenty",  "Thirty", "Forty",
                                                "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

}  // namespace

QString NumberWords(int n, const NumberFormat &format)
{
    if (n < 0 || n >= 100)
        return format.Grouped(n);
    if (n <= 20)
        return QString::fromLatin1(kUpToTwenty[static_cast<size_t>(n)]);
    QString words = QString::fromLatin1(kTens[static_cast<size_t>(n / 10)]);
    if (n % 10 != 0)
        words += u' ' + QString::fromLatin1(kUpToTwenty[static_cast<size_t>(n % 10)]).toLower();
    return words;
}

}  // namespace vardex
