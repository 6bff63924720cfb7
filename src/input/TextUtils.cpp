#include "TextUtils.h"

namespace vardex {

namespace {

const QString kDigits = QStringLiteral("0123456789");

bool InSet(QChar c, const QString &set) { return set.contains(c); }

}  // namespace

QString LCaseAccented(const QString &s)
{
    // Simple case mapping character by character keeps positions, which ReplaceNoCase needs.
    QString out(s.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < s.size(); ++i)
        out[i] = s[i].toLower();
    return out;
}

void StripChars(QString &s, const QString &set, qsizetype start)
{
    QString out = s.left(qMax<qsizetype>(start, 1) - 1);
    for (qsizetype i = out.size(); i < s.size(); ++i) {
        if (!InSet(s[i], set))
            out += s[i];
    }
    s = out;
}

QString KeepChars(const QString &s, const QString &set)
{
    QString out;
    for (QChar c : s) {
        if (InSet(c, set))
            out += c;
    }
    return out;
}

QString DigitsOnly(const QString &s, bool keepMinus, bool keepPlus)
{
    const QString t = KeepChars(s, QStringLiteral("0123456789-+"));
    if (t.isEmpty())
        return t;
    const QChar first = t[0];
    const bool keepFirst = first.isDigit() || (first == u'-' && keepMinus) || (first == u'+' && keepPlus);
    return (keepFirst ? QString(first) : QString()) + KeepChars(t.mid(1), kDigits);
}

int SplitText(const QString &s, const QString &delimiter, int start, QStringList &parts, bool trimParts,
              int maxParts, int minLength)
{
    QString rest = s.mid(qMax(start, 1) - 1);
    if (rest.isEmpty())
        return 0;
    QStringList stored;
    auto store = [&](QString item) {
        if (trimParts)
            item = TrimBlanks(item);
        if (item.size() < minLength)
            return false;
        stored.append(item);
        return maxParts > 0 && stored.size() == maxParts;
    };
    if (delimiter.isEmpty()) {
        store(rest);
    } else {
        if (rest.startsWith(delimiter))
            rest.remove(0, delimiter.size());
        if (!rest.endsWith(delimiter))
            rest += delimiter;
        const bool blankDelimiter = delimiter == QStringLiteral(" ");
        qsizetype from = 0;  // walk an index rather than cutting the text, for long inputs
        while (from < rest.size()) {
            const qsizetype at = rest.indexOf(delimiter, from);
            if (at < 0) {  // a long delimiter overlapping the supplied one: the rest is one part
                store(rest.mid(from));
                break;
            }
            if (store(rest.mid(from, at - from)))
                break;
            from = at + delimiter.size();
            while (blankDelimiter && from < rest.size() && rest[from] == u' ')
                ++from;
        }
    }
    if (!stored.isEmpty())
        parts = stored;
    return static_cast<int>(stored.size());
}

int CountOccurrences(const QString &s, const QString &find, bool caseSensitive)
{
    if (s.isEmpty() || find.isEmpty())
        return 0;
    const QString text = caseSensitive ? s : LCaseAccented(s);
    const QString needle = caseSensitive ? find : LCaseAccented(find);
    int count = 0;
    for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + needle.size()))
        ++count;
    return count;
}

void StripLeading(QString &s, const QString &prefix)
{
    if (prefix.isEmpty())
        return;
    qsizetype from = 0;
    while (QStringView(s).mid(from).startsWith(prefix))
        from += prefix.size();
    s.remove(0, from);
}

QString TrimTrailingChars(const QString &s, const QString &set)
{
    qsizetype end = s.size();
    while (end > 0 && InSet(s[end - 1], set))
        --end;
    return s.left(end);
}

bool IsNumberWithChars(const QString &s, bool allowSign, const QString &extra)
{
    QString t = TrimBlanks(s);
    if (t.isEmpty())
        return false;
    if (allowSign && (t.startsWith(u'+') || t.startsWith(u'-')))
        t.remove(0, 1);
    StripChars(t, kDigits + extra);
    return t.isEmpty();
}

bool IsNumberWithCommas(const QString &s, bool allowSign, bool allowCommas)
{
    return IsNumberWithChars(s, allowSign, allowCommas ? QStringLiteral(",") : QString());
}

QString ReplaceNoCase(const QString &s, const QString &find, const QString &replacement)
{
    if (find.isEmpty())
        return s;
    const QString needle = LCaseAccented(find);
    QString result = s;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = LCaseAccented(result).indexOf(needle, from);
        if (at < 0)
            return result;
        result.replace(at, find.size(), replacement);
        from = at + replacement.size();
    }
}

QString TrimBlanks(const QString &s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin] == u' ')
        ++begin;
    while (end > begin && s[end - 1] == u' ')
        --end;
    return s.mid(begin, end - begin);
}

}  // namespace vardex
