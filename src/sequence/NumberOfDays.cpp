#include "NumberOfDays.h"

#include "input/TextUtils.h"

namespace vardex {

static_assert(kMaxSequenceDays < 1000, "three significant digits are enough to compare with the limit");

std::optional<int> CheckNumberOfDays(QString &text, Dialogs &dialogs)
{
    text = TrimBlanks(text);
    if (text.isEmpty())
        return std::nullopt;
    if (!IsNumberWithCommas(text, false, false)) {
        dialogs.ShowMessage(QStringLiteral("Invalid input for number of days."),
                            QString::fromUtf16(kDoItCaption), MessageIcon::Information);
        return std::nullopt;
    }

    // Only ASCII digits are left. Leading zeros are dropped first, so that a text of any length
    // is judged by its significant digits and is never converted into a number too wide for int.
    qsizetype first = 0;
    while (first < text.size() && text[first] == u'0')
        ++first;
    const QStringView significant = QStringView(text).mid(first);
    if (significant.isEmpty())
        return std::nullopt;
    if (significant.size() > 3 || significant.toInt() > kMaxSequenceDays) {
        dialogs.ShowMessage(QStringLiteral("Too many days"), QString::fromUtf16(kDoItCaption),
                            MessageIcon::Information);
        return std::nullopt;
    }
    return significant.toInt();
}

}  // namespace vardex
