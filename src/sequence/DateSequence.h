// SPDX-License-Identifier: MIT
// The date-sequence table: consecutive days as a Gregorian and a Dee date side by side, with their
// Julian day number and weekday, rows marked "<--" where the two dates start or stop agreeing, and
// a sentence counting the days on which they agree. The window and vardex-cli both write their
// output with RunDateSequence; the window only shows the text and places the caret.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "NumberOfDays.h"
#include "engine/Calendars.h"
#include "input/NumberFormat.h"
#include "seams/Dialogs.h"

namespace vardex {

// The two header lines written into an empty output box, each ending in "\r\n".
QString SequenceHeader(DeeVariant variant);

// The closing sentence for sameDateCount same-date days out of days; empty for fewer than three
// days or a count outside 0..days. The percentage is worked out in whole numbers and a half rounds
// up (3 of 8 days give 38%), so no floating-point rounding mode can change it.
QString SequenceSummary(int sameDateCount, int days, const NumberFormat &format);

struct SequenceRow {
    int32_t jdn = 0;
    CalendarDate gregorianDate;
    CalendarDate deeDate;     // in the run's variant
    QString gregorian;        // "2024-02-27 CE"
    QString dee;              // "2024-02-27 DC"
    bool sameDate = false;    // both texts carry the same year, month and day
    bool changeMark = false;  // "<--": sameDate differs from the row before
    QString weekday;          // "Tuesday"
};

struct SequenceResult {
    std::vector<SequenceRow> rows;  // the rows written, in order
    int sameDateCount = 0;
    QString summary;              // as appended to the output; empty when none was written
    bool textboxFull = false;     // cut short by "Textbox is full." during the rows
    bool clearDeclined = false;   // "Textbox is full.  Clear it?" answered No: the output is untouched
    bool lastDayReached = false;  // stopped because the next day's JDN does not fit in 32 bits
};

// Appends a run of `days` consecutive days to output, titling every message kDoItCaption:
// - an output over capacityKB x 1024 characters raises "Textbox is full.  Clear it?" (Yes empties
//   it, No ends the run); otherwise an output holding a previous run ("CE") gets a blank line;
// - an empty output gets SequenceHeader(variant);
// - only then is startJdn called, once, for the first day (the window converts its input date
//   there, so a date typed meanwhile is honoured);
// - one row per day, unless the output has grown past the capacity before a row ("Textbox is
//   full.", no summary) or the JDN would pass 2,147,483,647 (a message, no summary);
// - a blank line and SequenceSummary for three days or more.
// The Dee column is in `variant`; the JDNs and the summary's numbers are written in `format`.
// Days outside 1..kMaxSequenceDays, or an empty startJdn, write nothing ("Too many days" above the
// limit).
SequenceResult RunDateSequence(const std::function<int32_t()> &startJdn, int days, DeeVariant variant,
                               const NumberFormat &format, QString &output, int capacityKB, Dialogs &dialogs);

}  // namespace vardex
