// SPDX-License-Identifier: MIT
// The text of the vernal-equinox window, built without the window so that the window and
// vardex-cli show the same thing: the range message, the check of the number of years, the
// column header and a run of rows with its summary, appended to the output text. Messages go
// through the Dialogs seam; the caller owns the caret and the focus.
//
// A run, in short: the number of years is read with ReadNumberOfYears; RunVernalEquinoxes then
// prepares the output (header, or a blank line after an earlier run, or the question whether to
// clear a full box), appends one row per year from the first year on, checking the capacity
// before each row, stops with VEOutOfRangeMsg past year 4000, and ends with a summary of the
// years whose Dee date is not the variant's day of March.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "EquinoxComputation.h"
#include "engine/Calendars.h"
#include "input/NumberFormat.h"
#include "seams/Dialogs.h"

namespace vardex {

inline constexpr int32_t kFirstEquinoxYear = 1;
inline constexpr int32_t kLastEquinoxYear = 4000;
inline constexpr int kMaxEquinoxYears = 800;
inline constexpr int kMinWestDegrees = 70;  // the offered meridians: 70d0m W .. 79d59m W
inline constexpr int kMaxWestDegrees = 79;

// "Vernal equinoxes are calculated only for years in the range 1 through 4000.", an information
// box titled "Out of range"; VEOutOfRangeMsg shows it.
Message EquinoxRangeMessage();
void VEOutOfRangeMsg(Dialogs &dialogs);

// Reads the number of years typed by the user. The text is trimmed of blanks and written back.
// Nothing (and no message) for an empty text, 0 or 000; nothing after an information box titled
// "Do it" for a text that is not all digits ("Invalid input for number of years.") or a number
// above 800 ("Too many years"). Any length of text is read without overflow.
std::optional<int> ReadNumberOfYears(QString &text, Dialogs &dialogs);

// Replaces output by the two header lines and a blank line ("\r\n" line ends) unless it already
// holds result rows (recognised by "CE").
void WriteTableHeader(QString &output, const QString &deeCalendarName);

// "77d0m W".
QString LongitudeText(int degrees, int minutes);

// The civil day and "HH:MM" time of the instant jd at the meridian degrees and minutes west of
// Greenwich: the Dee column's instant, which the Equinox chart reads too.
CivilInstant MeridianInstant(double jd, int degrees, int minutes, SolarTime solarTime);

// What the summary counts the marked years out of. The window counts out of the years asked, also
// when the run stops at year 4000; vardex-cli counts the rows it printed.
enum class SummaryBase { YearsAsked, RowsWritten };

struct EquinoxRunInputs {
    int32_t firstYear = 2024;  // 1..4000
    int numberOfYears = 12;    // 1..800
    int degrees = 77;          // kMinWestDegrees..kMaxWestDegrees
    int minutes = 0;           // 0..59
    SolarTime solarTime = SolarTime::Apparent;
    DeeVariant variant = DeeVariant::DeeCecil;  // of the Dee dates, their name, designation and target day
    int32_t capacityKB = 63;                    // checked before each row, so the text may end a row past it
    NumberFormat format = NumberFormat::Regional();  // of the Julian Dates and the percentage
    SummaryBase summaryBase = SummaryBase::YearsAsked;
};

// One year of the table.
struct EquinoxRow {
    int32_t year = 0;
    double jd = 0;               // VernalEquinoxUT(year), unrounded
    double deltaTMinutes = 0;    // the Delta-T that went into jd
    CalendarDate greenwichDate;  // Gregorian, at Greenwich
    QString greenwichTime;       // "HH:MM"
    CalendarDate meridianDate;   // Dee, at the chosen meridian
    QString meridianTime;        // "HH:MM"
    int cycle = 0;               // the year's place in the 33-year Dee cycle, [1, 33]
    bool deeLeapYear = false;    // shown as "*" after the place: "12*"
    bool offTarget = false;      // the Dee date is not the variant's day of March
    QString text;                // the row as shown, without its line end
};

enum class EquinoxRunStatus {
    Completed,            // every year asked for; summary when more than one
    StoppedAtYearLimit,   // a year outside 1..4000 was reached: range message shown, summary as above
    CutByCapacity,        // "Textbox is full." shown during the run: rows so far, no summary
    KeptFullBox,          // the user chose not to clear a full output: nothing written
    NothingToDo,          // fewer than one year asked for: nothing written
    TooManyYears,         // more than 800 asked for: "Too many years" shown, nothing written
    LongitudeOutOfRange,  // nothing written and no message: the caller offers only valid choices
};

struct EquinoxRunResult {
    EquinoxRunStatus status = EquinoxRunStatus::NothingToDo;
    std::vector<EquinoxRow> rows;  // in the order written
    int offTargetCount = 0;
    bool summaryWritten = false;
    bool CutByCapacity() const { return status == EquinoxRunStatus::CutByCapacity; }
};

// The row of `year` as the run writes it at position `index` of the run (0-based; every tenth
// row, from the first, marks the time scale with " a" or " m").
EquinoxRow ComputeEquinoxRow(int32_t year, int index, const EquinoxRunInputs &inputs);

// Runs the table for inputs.numberOfYears years from inputs.firstYear, appending to output.
// Messages are shown under the title "Do it" (the range message under its own).
EquinoxRunResult RunVernalEquinoxes(const EquinoxRunInputs &inputs, QString &output, Dialogs &dialogs);

}  // namespace vardex
