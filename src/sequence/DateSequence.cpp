// SPDX-License-Identifier: MIT
#include "DateSequence.h"

#include <algorithm>
#include <limits>

#include "NumberWords.h"
#include "engine/TextForms.h"
#include "input/DateTexts.h"
#include "input/TextUtils.h"

namespace vardex {

namespace {

// Column layout of a row, in characters. The date columns are 21 wide for the texts of the first
// row; the JDN is right-aligned to end 19 characters after the Dee date on the first row, which
// on later rows leaves room for the five characters of the change mark or its blanks.
constexpr qsizetype kDateColumn = 21;
constexpr qsizetype kFirstJdnColumn = 19;
constexpr qsizetype kLaterJdnColumn = 14;
constexpr qsizetype kJdnToWeekday = 21;
constexpr qsizetype kTypicalRowLength = 80;

QString Title() { return QString::fromUtf16(kDoItCaption); }

void AppendBlanks(QString &text, qsizetype count)
{
    if (count > 0)
        text.resize(text.size() + count, u' ');
}

// "2024-02-27 CE" and "2024-02-27 DC" name the same day number in both calendars when only the
// designators tell them apart; the letters and blanks are dropped and the rest compared.
bool SameDate(QString gregorian, QString dee)
{
    StripChars(gregorian, QStringLiteral("CE "));
    StripChars(dee, QStringLiteral("CDE "));
    return gregorian == dee;
}

}  // namespace

QString SequenceHeader(DeeVariant variant)
{
    QString header = QStringLiteral("   Common Era date");
    AppendBlanks(header, 6);
    header += DeeCalendarName(variant) + QStringLiteral(" date");
    AppendBlanks(header, variant == DeeVariant::DeeCecil ? 9 : 14);
    header += QStringLiteral("Julian day number");
    AppendBlanks(header, 4);
    header += QStringLiteral("Day of week") + kCrLf + kCrLf;
    return header;
}

QString SequenceSummary(int sameDateCount, int days, const NumberFormat &format)
{
    if (days < 3 || sameDateCount < 0 || sameDateCount > days)
        return {};
    if (sameDateCount == 0)
        return QStringLiteral("All days have different dates in the two calendars.");
    if (sameDateCount == days)
        return QStringLiteral("All days have the same date in the two calendars.");
    if (sameDateCount == 1)
        return QStringLiteral("Only one day has the same date in the two calendars");
    // round(100 c / n) with a half rounding up, as floor((200 c + n) / 2n).
    const qlonglong percent = (qlonglong{sameDateCount} * 200 + days) / (qlonglong{days} * 2);
    return NumberWords(sameDateCount, format) + QStringLiteral(" days (") + format.Grouped(percent) +
           QStringLiteral("%) have the same date in the two calendars.");
}

SequenceResult RunDateSequence(const std::function<int32_t()> &startJdn, int days, DeeVariant variant,
                               const NumberFormat &format, QString &output, int capacityKB, Dialogs &dialogs)
{
    SequenceResult result;
    if (days < 1 || !startJdn)
        return result;
    if (days > kMaxSequenceDays) {
        dialogs.ShowMessage(QStringLiteral("Too many days"), Title(), MessageIcon::Information);
        return result;
    }

    const qsizetype capacity = qsizetype{std::max(capacityKB, 0)} * 1024;
    if (output.size() > capacity) {
        const MessageReply reply = dialogs.ShowMessage(QStringLiteral("Textbox is full.  Clear it?"), Title(),
                                                       MessageIcon::None, MessageButtons::YesNo);
        if (reply != MessageReply::Yes) {
            result.clearDeclined = true;
            return result;
        }
        output.clear();
    } else if (output.contains(QStringLiteral("CE"))) {
        output += kCrLf;  // every row holds "CE", so a previous run is there
    }
    if (output.isEmpty())
        output += SequenceHeader(variant);

    const int32_t first = startJdn();
    // "D" is one character shorter than "DC"; one blank more keeps the JDN column in place.
    const qsizetype deePadding = variant == DeeVariant::Dee ? 1 : 0;

    output.reserve(output.size() + qsizetype{days} * kTypicalRowLength + 200);
    result.rows.reserve(static_cast<size_t>(days));
    qsizetype gapAfterGregorian = 0;  // fixed by the first row, so longer years later push right
    qsizetype gapAfterJdn = 0;
    bool previousSame = false;
    const QString gregorianDesignator = QString::fromLatin1(CalendarDesignator(Calendar::Gregorian, variant));
    const QString deeDesignator = QString::fromLatin1(CalendarDesignator(Calendar::Dee, variant));

    for (int i = 0; i < days; ++i) {
        // The box is checked before each row, so the row that crosses the limit is still written.
        if (output.size() > capacity) {
            dialogs.ShowMessage(QStringLiteral("Textbox is full."), Title(), MessageIcon::Exclamation);
            result.textboxFull = true;
            return result;
        }
        const qint64 wideJdn = qint64{first} + i;
        if (wideJdn > std::numeric_limits<int32_t>::max()) {
            dialogs.ShowMessage(QStringLiteral("The date sequence cannot go beyond Julian day number ") +
                                    format.Grouped(std::numeric_limits<int32_t>::max()) + u'.',
                                Title(), MessageIcon::Exclamation);
            result.lastDayReached = true;
            return result;
        }

        SequenceRow row;
        row.jdn = static_cast<int32_t>(wideJdn);
        row.gregorianDate = JDNToDate(Calendar::Gregorian, row.jdn, variant);
        row.deeDate = JDNToDate(Calendar::Dee, row.jdn, variant);
        row.gregorian = AstronomicalDateText(row.gregorianDate, gregorianDesignator, format);
        row.dee = AstronomicalDateText(row.deeDate, deeDesignator, format);
        row.sameDate = SameDate(row.gregorian, row.dee);
        row.weekday = QString::fromStdString(WeekdayText(DayOfWeek(row.jdn)));
        const QString jdnText = format.Grouped(row.jdn);
        if (i == 0) {
            gapAfterGregorian = kDateColumn - row.gregorian.size();
            gapAfterJdn = kJdnToWeekday - jdnText.size();
            previousSame = row.sameDate;
        }

        AppendBlanks(output, 3);
        output += row.gregorian;
        AppendBlanks(output, gapAfterGregorian);
        output += row.dee;
        AppendBlanks(output, deePadding);
        if (i > 0) {
            row.changeMark = row.sameDate != previousSame;
            if (row.changeMark) {
                output += QStringLiteral("  <--");
                previousSame = row.sameDate;
            } else {
                AppendBlanks(output, 5);
            }
        }
        AppendBlanks(output, (i == 0 ? kFirstJdnColumn : kLaterJdnColumn) - jdnText.size());
        output += jdnText;
        AppendBlanks(output, gapAfterJdn);
        output += row.weekday + kCrLf;

        if (row.sameDate)
            ++result.sameDateCount;
        result.rows.push_back(std::move(row));
    }

    result.summary = SequenceSummary(result.sameDateCount, days, format);
    if (!result.summary.isEmpty())
        output += kCrLf + result.summary + kCrLf;
    return result;
}

}  // namespace vardex
