// SPDX-License-Identifier: MIT
// Keeping the input controls in step: whether the input is complete and in which form, the
// designator of a year-month-day date and its calendar list, and the dates that the Today
// command writes into both forms.
#pragma once

#include <QString>
#include <array>

#include "InputEntry.h"

namespace vardex {

// The month,day,year year trimmed, and the type of the input: complete in the chosen form when
// all of its parts are there (month, day, year, era and calendar; or the text and a calendar),
// incomplete otherwise (CheckInputComplete).
InputEntry DeriveInputType(InputEntry entry);

// The three designator explanations under the year-month-day box: for "CE", "JC" and the
// variant's Dee designator.
std::array<QString, 3> DesignatorLegends(DeeVariant variant);

// The template of the Dee designator's explanation, written for Dee-Cecil, and the explanation it
// makes for a variant ("DC" and "Dee-Cecil" replaced by the variant's designator and name).
QString DeeLegendTemplate();
QString DeeLegend(const QString &deeLegendTemplate, DeeVariant variant);

// The year-month-day text re-designated for the calendar chosen in its list (entry 1 "CE", 2 "JC",
// 3 the Dee designator; 0 leaves it): upper-cased, every other designator replaced.
QString Redesignated(const QString &text, int ymdCalendarEntry, DeeVariant variant);

// The entry the year-month-day calendar list takes when that form is chosen: 1 when "CE" stands
// after the text's first character, else 2 for "JC", else the entry it had. Only an empty choice
// (0) is ever changed, and a Dee designator is not recognised here.
int EntryWhenYmdFormChosen(const QString &text, int ymdCalendarEntry);

// One step of the designator sync, as the window's refresher takes it twice a second: the legend
// for the designator found in the text (case-sensitive, the Dee designator first, then "JC", then
// "CE"; none while the form is hidden), the text upper-cased, and, when no calendar is chosen
// yet, the legend's calendar chosen and the text re-designated for it.
struct DesignatorSync {
    QString text;
    int ymdCalendarEntry = 0;
    int legendIndex = -1;  // into DesignatorLegends; -1 when no legend shows
};
DesignatorSync SyncDesignator(const QString &text, int ymdCalendarEntry, bool ymdFormShown,
                              DeeVariant variant);

// Where the sync step settles for a text typed at once: a designator typed in lower case is found
// only once the first step has upper-cased it, so a second step is needed, and a third changes
// nothing.
DesignatorSync SettledDesignator(const QString &text, int ymdCalendarEntry, DeeVariant variant);

// The calendar the Today command enters today's date in, and the entries both calendar lists take
// for it: the deciding list is that of the chosen form, Gregorian when it has none or a weekday.
struct TodayCalendar {
    int entry = 1;  // of both lists
    Calendar calendar = Calendar::Gregorian;
};
TodayCalendar ChooseTodayCalendar(bool monthDayYearChosen, int calendarEntry, int ymdCalendarEntry);

// A date as the month,day,year controls show it (PutDateMDY): the year counted in its era,
// grouped beyond 9,999, and the era chosen in the style the user picked (AD/BC or CE/BCE).
struct MonthDayYearFields {
    int month = 0;
    int day = 0;
    QString year;
    QString era;
};
MonthDayYearFields MonthDayYearFieldsOf(const CalendarDate &date, const QString &era,
                                        const NumberFormat &format);

}  // namespace vardex
