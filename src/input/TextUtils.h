// Free functions on texts shared by the input checks and the windows: removing or keeping the
// characters of a set, splitting, counting and replacing, stripping repeated prefixes and
// suffixes, and whole-number tests. Positions are 1-based; a "set" is a text whose characters
// are its members; comparisons are exact unless a function says it folds case.
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

// Lower-case copy, one character for one, accented capitals (É, Š, Ÿ, ...) included.
QString LCaseAccented(const QString &s);

// Removes every character of set at or after position start.
void StripChars(QString &s, const QString &set, qsizetype start = 1);

// The characters of s that are in set, in their order.
QString KeepChars(const QString &s, const QString &set);

// The digits of s, after at most one leading sign kept as the flags allow; later signs and every
// other character are dropped: "1,000" -> "1000", "--12" -> "-12" with keepMinus.
QString DigitsOnly(const QString &s, bool keepMinus = false, bool keepPlus = false);

// Splits s (from position start) at delimiter into parts. One leading delimiter is ignored and a
// missing trailing one is supplied; parts shorter than minLength are skipped; at most maxParts
// (0 = no limit) are stored. When a part is stored, parts holds exactly the stored parts;
// otherwise parts is left as it was. Returns the number stored. An empty delimiter never
// matches, so s is then one part.
int SplitText(const QString &s, const QString &delimiter, int start, QStringList &parts, bool trimParts,
              int maxParts, int minLength);

// Non-overlapping occurrences of find in s, left to right; 0 when either is empty.
int CountOccurrences(const QString &s, const QString &find, bool caseSensitive);

// Removes prefix from the front of s again and again while s starts with it.
void StripLeading(QString &s, const QString &prefix);

// s without its trailing characters that are in set.
QString TrimTrailingChars(const QString &s, const QString &set);

// Whether s, trimmed and with one leading sign dropped (when allowed), holds only digits and
// characters of extra. Separators may stand anywhere and repeat; a lone sign passes.
bool IsNumberWithChars(const QString &s, bool allowSign, const QString &extra);

// IsNumberWithChars with extra "," when allowCommas, none otherwise.
bool IsNumberWithCommas(const QString &s, bool allowSign, bool allowCommas);

// s with every occurrence of find replaced, ignoring case. The search resumes after each
// inserted replacement, so a replacement that contains find is not replaced again.
QString ReplaceNoCase(const QString &s, const QString &find, const QString &replacement);

// s without leading and trailing blanks (spaces only: tabs and line breaks stay).
QString TrimBlanks(const QString &s);

// The engine's number reader on a QString: the number at the start of s (NumberReading.h).
inline double LeadingNumber(QStringView s)
{
    return LeadingNumber(std::u16string_view(s.utf16(), size_t(s.size())));
}

}  // namespace vardex
