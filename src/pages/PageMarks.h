// SPDX-License-Identifier: MIT
// What a calendar page marks on its days: the feasts of the place's church, the seasons and the
// Moon's phases with their local time, Jewish holidays and Islamic months, each kind switchable.
#pragma once

#include <string>
#include <vector>

#include "CalendarPage.h"
#include "astronomy/SkyEvents.h"

namespace vardex {

enum class MarkKind { Feast, Season, Moon, Jewish, Islamic };

// "feast", "season", "moon", "jewish", "islamic".
const char *MarkKindId(MarkKind kind);

struct DayMark {
    MarkKind kind = MarkKind::Feast;
    std::string id;    // "easter", "march_equinox", "full_moon", "rosh_hashanah", "eid_al_fitr", ...
    std::string name;  // "Easter Sunday", "March equinox", "Full moon", "Rosh Hashanah", ...
    std::string time;  // "HH:MM" local mean time at the page's meridian, for seasons and the Moon
    double jdUT = 0;   // the instant of a season or phase in UT (a Julian date), for files that want it
};

enum class IslamicReckoning { Tabular, UmmAlQura };

struct MarkChoice {
    bool feasts = true;
    bool seasons = true;
    bool moon = true;
    bool jewish = false;
    bool islamic = false;
    IslamicReckoning islamicReckoning = IslamicReckoning::Tabular;
};

// Where the page's seasons and Moon are timed: a place's capital, Greenwich for the calendars.
struct PageMeridian {
    std::string city;  // "London", "Greenwich"
    Meridian meridian;
};
PageMeridian MeridianOfPage(const PageCalendar &calendar);

// The marks of each day of the page, indexed as page.days, each day's in a fixed order of kinds.
std::vector<std::vector<DayMark>> MarksOfMonth(const MonthPage &page, const PageCalendar &calendar,
                                               const MarkChoice &choice);

// The kinds by the command line's names: "all", "none", or a comma-separated list of "feasts",
// "seasons", "moon", "jewish", "islamic" (and "islamic-umm-al-qura" for that reckoning); nothing
// for an unknown name.
std::optional<MarkChoice> MarkChoiceNamed(const std::string &text);

}  // namespace vardex
