// SPDX-License-Identifier: MIT
#include "TextUtils.h"

namespace vardex {

void StripChars(QString &s, const QString &set)
{
    s.removeIf([&set](QChar c) { return set.contains(c); });
}

QString KeepChars(const QString &s, const QString &set)
{
    QString out;
    for (QChar c : s) {
        if (set.contains(c))
            out += c;
    }
    return out;
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
