// SPDX-License-Identifier: MIT
// The styles of the year's start: on which day a place began to number a new year, and so which
// year number a day carried there. Years are numbered AD in every style; a style moves only the
// day on which the number changes. The calendar (Julian, Gregorian, Swedish) is another matter:
// these functions work on the month and day as written, in whatever calendar the place kept.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/CalendarDate.h"

namespace vardex {

enum class YearStart {
    Circumcision,  // 1 January
    Annunciation,  // 25 March after 1 January: 1 January to 24 March carry the previous number
    Pisan,         // 25 March before 1 January: 25 March to 31 December carry the next number
    Nativity,      // 25 December: 25 to 31 December carry the next number
    Venetian,      // 1 March: January and February carry the previous number
    Byzantine,     // 1 September: September to December carry the next number
    Easter,        // Easter Sunday (Julian reckoning): some days twice in a year, some not at all
};

// "circumcision", "annunciation", ... as the data file and vardex-cli name them; nothing for any
// other text.
std::optional<YearStart> YearStartNamed(const std::string &name);
const char *YearStartName(YearStart style);

// The styles in the order people are offered them.
inline constexpr YearStart kYearStarts[] = {
    YearStart::Circumcision, YearStart::Annunciation, YearStart::Pisan, YearStart::Nativity,
    YearStart::Venetian,     YearStart::Byzantine,    YearStart::Easter};

// "25 March, after 1 January (Annunciation style)": the style as windows and pages name it.
const char *YearStartTitle(YearStart style);

// What it does to the year numbers: "1 January to 24 March carry the previous year's number."
const char *YearStartEffect(YearStart style);

// The year number a day of the calendar year `year` (numbered from 1 January) carried in `style`;
// years within the JDN range (about 5.9 million either way), so that one more or less fits.
int32_t WrittenYear(YearStart style, const CalendarDate &date);

// The calendar years (numbered from 1 January) a written date may stand for: one, except in the
// Easter style, where it may be two (the day came twice) or none (not at all).
std::vector<int32_t> CalendarYears(YearStart style, int32_t writtenYear, int32_t month, int32_t day);

// A year (astronomical numbering) as the history texts write it: "1731"; "44 BC" for year -43.
std::string YearText(int32_t year);

// "1731/2", "1709/10", "1699/1700": the written year and the calendar year, the second shortened
// to the one or two last digits that differ, as historians write them (in full when it is the
// earlier year: "1701/1700"); the year alone when the two agree. Before AD 1 both numbers are
// written whole, since BC numbers fall as the years go on: "45/44 BC", and "1 BC/1 AD" across
// the eras.
std::string DualYearText(int32_t writtenYear, int32_t calendarYear);

}  // namespace vardex
