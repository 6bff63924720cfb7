// SPDX-License-Identifier: MIT
// Free functions on texts shared by the input checks and the windows: removing or keeping the
// characters of a set, trimming blanks and whole-number tests. A "set" is a text whose
// characters are its members.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <string_view>

#include "engine/NumberReading.h"

namespace vardex {

// The line end of every text the program shows in a message box, a table or the clipboard.
inline const QString kCrLf = QStringLiteral("\r\n");

// The blanks accepted between digit groups: the space, and the no-break spaces that some regional
// formats group with (U+00A0, and U+202F in French), so that a number the program wrote in such a
// format reads back.
inline const QString kGroupBlanks = QStringLiteral(" \u00A0\u202F");

inline const QString kDigits = QStringLiteral("0123456789");

// Removes every character of set from s.
void StripChars(QString &s, const QString &set);

// The characters of s that are in set, in their order.
QString KeepChars(const QString &s, const QString &set);

// Whether s, trimmed and with one leading sign dropped (when allowed), holds only digits and
// characters of extra. Separators may stand anywhere and repeat; a lone sign passes.
bool IsNumberWithChars(const QString &s, bool allowSign, const QString &extra);

// s without leading and trailing blanks (spaces only: tabs and line breaks stay).
QString TrimBlanks(const QString &s);

// The engine's number reader on a QString: the number at the start of s (NumberReading.h).
inline double LeadingNumber(QStringView s)
{
    return LeadingNumber(std::u16string_view(s.utf16(), size_t(s.size())));
}

}  // namespace vardex
