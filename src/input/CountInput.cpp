// SPDX-License-Identifier: MIT
#include "CountInput.h"

#include "TextUtils.h"

namespace vardex {

std::optional<int> ReadCount(QString &text, const CountRules &rules, Dialogs &dialogs)
{
    text = TrimBlanks(text);
    if (text.isEmpty())
        return std::nullopt;
    if (!IsNumberWithChars(text, false, {})) {
        dialogs.ShowMessage(rules.invalidMessage, rules.title, MessageIcon::Information);
        return std::nullopt;
    }
    // Only digits are left. Judged by its significant digits, a text of any length is never
    // converted into a number too wide for int: four of them already exceed every maximum.
    qsizetype first = 0;
    while (first < text.size() && text[first] == u'0')
        ++first;
    const QStringView significant = QStringView(text).mid(first);
    if (significant.isEmpty())
        return std::nullopt;
    const int count = significant.size() > 3 ? 1000 : significant.toInt();
    if (count > rules.maximum) {
        dialogs.ShowMessage(rules.tooManyMessage, rules.title, MessageIcon::Information);
        return std::nullopt;
    }
    return count;
}

}  // namespace vardex
