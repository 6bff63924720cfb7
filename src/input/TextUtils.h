// Free functions on texts shared by the input checks and the windows: removing or keeping the
// characters of a set, splitting, counting and replacing, stripping repeated prefixes and
// suffixes, and whole-number tests. Positions are 1-based; a "set" is a text whose characters
// are its members; comparisons are exact unless a function says it folds case.
#pragma once

#include <QString>
#include <QStringList>

namespace vardex {

// The first n characters; empty when n < 1, the whole text when n >= its length.
QString SafeLeft(const QString &s, qsizetype n);

// Lower-case copy, one character for one, accented capitals (É, Š, Ÿ, ...) included.
QString LCaseAccented(const QString &s);

// Position of the first character at or after start (below 1 counts as 1) that is in set, and
// its 1-based place in set through index; 0 when there is none or s or set is empty.
qsizetype FindFirstOf(const QString &s, qsizetype start, const QString &set, qsizetype *index = nullptr);

// Position of the first character at or after start that is not in set; 0 when there is none or
// s is empty; 1 when the set is empty.
qsizetype FindFirstNotOf(const QString &s, qsizetype start, const QString &set);

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

// Removes suffix from the end of s again and again while s ends with it.
void StripTrailing(QString &s, const QString &suffix);

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

}  // namespace vardex
