// SPDX-License-Identifier: MIT
#include "EquinoxTable.h"

#include "engine/DeeCalendar.h"
#include "engine/TextForms.h"
#include "input/CountInput.h"
#include "input/TextUtils.h"

namespace vardex {

namespace {

const QString kDoIt = QStringLiteral("Do it");     // the caption of the button that starts a run
const QString kResultMark = QStringLiteral("CE");  // every row has it; the header has not

// A number as shown with a sign position: " 12", "-12".
QString SignedNumber(int64_t value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString FromAscii(const std::string &text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// "-21 D" for Dee, "-20 D" for Dee-Cecil (which also matches its "-20 DC").
QString TargetText(DeeVariant variant)
{
    return variant == DeeVariant::Dee ? QStringLiteral("-21 D") : QStringLiteral("-20 D");
}

QString TargetDay(DeeVariant variant)
{
    return variant == DeeVariant::Dee ? QStringLiteral("21") : QStringLiteral("20");
}

// Counted from the year 33 k that ends a cycle, so year 0 is 33 and year -1 is 32.
int CyclePlace(int32_t year)
{
    const int32_t r = (year % 33 + 33) % 33;  // [0, 32]
    return r == 0 ? 33 : r;
}

// The column as the window has always shown it: the remainder with the year's sign (" 1", "-9*",
// "33"), which differs from CyclePlace only before year 1.
QString CycleText(int32_t year, bool leap)
{
    const int32_t r = year % 33;  // sign of the year, [-32, 32]
    if (r == 0)
        return QStringLiteral("33");
    QString text = r < 10 ? QLatin1Char(' ') + QString::number(r) : QString::number(r);
    if (leap)
        text += QLatin1Char('*');
    return text;
}

QString YearField(int32_t year)
{
    QString field = QLatin1Char(' ') + SignedNumber(year);
    if (field.size() == 3)  // one digit: align with two-digit years
        field.prepend(QLatin1Char(' '));
    return field;
}

void WriteSummary(const EquinoxRunInputs &inputs, int offTargetCount, int rowsWritten, QString &output)
{
    const int years = inputs.summaryBase == SummaryBase::RowsWritten ? rowsWritten : inputs.numberOfYears;
    output += kCrLf;
    output += QStringLiteral("Number of VE not on March ") + TargetDay(inputs.variant) +
              QStringLiteral(" in ") + DeeCalendarName(inputs.variant) + QStringLiteral(" Calendar for ") +
              LongitudeText(inputs.degrees, inputs.minutes) + QLatin1Char(':') +
              SignedNumber(offTargetCount) + QStringLiteral(" of") + SignedNumber(years);
    if (offTargetCount != 0)
        output += QStringLiteral(" (") + inputs.format.Decimal(offTargetCount * 100.0 / years, 2) +
                  QStringLiteral("%)");
    output += kCrLf;
}

}  // namespace

Message EquinoxRangeMessage()
{
    return {QStringLiteral("Vernal equinoxes are calculated only for years in the range 1 through 4000."),
            QStringLiteral("Out of range"), MessageIcon::Information};
}

void VEOutOfRangeMsg(Dialogs &dialogs) { dialogs.Show(EquinoxRangeMessage()); }

std::optional<int> ReadNumberOfYears(QString &text, Dialogs &dialogs)
{
    return ReadCount(text,
                     {kMaxEquinoxYears, QStringLiteral("Invalid input for number of years."),
                      QStringLiteral("Too many years"), kDoIt},
                     dialogs);
}

void WriteTableHeader(QString &output, const QString &deeCalendarName)
{
    if (output.contains(kResultMark))
        return;
    output = QStringLiteral("  Year      Astronomical      Gregorian Calendar      ") + deeCalendarName +
             QStringLiteral(" Calendar") + kCrLf +
             QStringLiteral("            Julian date             London            'Washington'") + kCrLf +
             kCrLf;
}

QString LongitudeText(int degrees, int minutes)
{
    return QString::number(degrees) + QLatin1Char('d') + QString::number(minutes) + QStringLiteral("m W");
}

CivilInstant MeridianInstant(double jd, int degrees, int minutes, SolarTime solarTime)
{
    return LocalCivilInstant(jd, degrees + minutes / 60.0, solarTime);
}

EquinoxRow ComputeEquinoxRow(int32_t year, int index, const EquinoxRunInputs &inputs)
{
    const QString mark = index % 10 != 0                           ? QStringLiteral("  ")
                         : inputs.solarTime == SolarTime::Apparent ? QStringLiteral(" a")
                                                                   : QStringLiteral(" m");

    EquinoxRow row;
    row.year = year;
    row.jd = VernalEquinoxUT(year);
    row.deltaTMinutes = DeltaTMinutes(year);

    const CivilInstant greenwich = GreenwichCivilInstant(row.jd, inputs.solarTime);
    row.greenwichDate = JDNToDate(Calendar::Gregorian, greenwich.jdn, inputs.variant);
    row.greenwichTime = FromAscii(greenwich.time);

    const CivilInstant meridian = MeridianInstant(row.jd, inputs.degrees, inputs.minutes, inputs.solarTime);
    row.meridianDate = DeeJDNToDate(meridian.jdn, inputs.variant);
    row.meridianTime = FromAscii(meridian.time);

    row.cycle = CyclePlace(year);
    row.deeLeapYear = IsDeeLeapYear(year);

    QString &text = row.text;
    text.reserve(96);
    text += YearField(year);
    text += QStringLiteral("     ") + inputs.format.Decimal(row.jd, 4);
    text +=
        SignedNumber(row.greenwichDate.year).size() == 2 ? QStringLiteral("      ") : QStringLiteral("     ");
    text += FromAscii(FormatDate(row.greenwichDate, "-", ",")) + QStringLiteral(" CE ") + row.greenwichTime;
    text += mark;
    text += SignedNumber(row.meridianDate.year).size() == 2 ? QStringLiteral("    ") : QStringLiteral("   ");
    text += FromAscii(FormatDate(row.meridianDate, "-", ",")) + QLatin1Char(' ') +
            DeeCalendarDesignation(inputs.variant) + QLatin1Char(' ') + row.meridianTime;
    text += mark;
    text += QLatin1Char(' ') + CycleText(year, row.deeLeapYear);
    row.offTarget = !text.contains(TargetText(inputs.variant));
    if (row.offTarget)
        text += QStringLiteral("  <--");
    return row;
}

EquinoxRunResult RunVernalEquinoxes(const EquinoxRunInputs &inputs, QString &output, Dialogs &dialogs)
{
    EquinoxRunResult result;
    if (inputs.numberOfYears < 1)
        return result;
    if (inputs.numberOfYears > kMaxEquinoxYears) {
        dialogs.ShowMessage(QStringLiteral("Too many years"), kDoIt, MessageIcon::Information);
        result.status = EquinoxRunStatus::TooManyYears;
        return result;
    }
    if (inputs.degrees < kMinWestDegrees || inputs.degrees > kMaxWestDegrees || inputs.minutes < 0 ||
        inputs.minutes > 59) {
        result.status = EquinoxRunStatus::LongitudeOutOfRange;
        return result;
    }

    const QString name = DeeCalendarName(inputs.variant);
    const int64_t capacity = int64_t{inputs.capacityKB} * 1024;  // characters
    if (output.isEmpty()) {
        WriteTableHeader(output, name);
    } else if (output.size() > capacity) {
        if (dialogs.ShowMessage(QStringLiteral("Textbox is full.  Clear it?"), kDoIt, MessageIcon::None,
                                MessageButtons::YesNo) != MessageReply::Yes) {
            result.status = EquinoxRunStatus::KeptFullBox;
            return result;
        }
        output.clear();
        WriteTableHeader(output, name);
    } else if (output.contains(kResultMark)) {
        output += kCrLf;  // a blank line between runs
    }

    result.status = EquinoxRunStatus::Completed;
    result.rows.reserve(static_cast<size_t>(inputs.numberOfYears));
    int32_t year = inputs.firstYear;
    for (int i = 0; i < inputs.numberOfYears; ++i, ++year) {  // year stays <= 4001: no overflow
        // Only the upper limit stops a run: the main window opens the window for years 1..4000,
        // but its input may have moved below 1 since, and those years have their widths too.
        if (year > kLastEquinoxYear) {
            VEOutOfRangeMsg(dialogs);
            result.status = EquinoxRunStatus::StoppedAtYearLimit;
            break;
        }
        if (output.size() > capacity) {
            dialogs.ShowMessage(QStringLiteral("Textbox is full."), kDoIt, MessageIcon::Exclamation);
            result.status = EquinoxRunStatus::CutByCapacity;
            return result;
        }
        EquinoxRow row = ComputeEquinoxRow(year, i, inputs);
        output += row.text;
        output += kCrLf;
        result.offTargetCount += row.offTarget ? 1 : 0;
        result.rows.push_back(std::move(row));
    }
    if (inputs.numberOfYears > 1) {
        WriteSummary(inputs, result.offTargetCount, static_cast<int>(result.rows.size()), output);
        result.summaryWritten = true;
    }
    return result;
}

}  // namespace vardex
