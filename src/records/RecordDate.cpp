// SPDX-License-Identifier: MIT
#include "RecordDate.h"

#include <algorithm>
#include <utility>

#include "WrittenDateParts.h"
#include "WrittenDateWords.h"
#include "engine/Calendars.h"
#include "engine/TextForms.h"
#include "world/HandCalendars.h"

namespace vardex {

namespace {

// Within the days the program counts, with a year to spare on either side for the searches below.
constexpr int64_t kMaxYear = 5'000'000;
// The year the last European country, Greece, took the Gregorian calendar.
constexpr int64_t kLastJulianYear = 1923;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// ---- Days of a calendar, without a place ----

std::optional<int32_t> JdnOf(RecordCalendar calendar, int64_t year, int month, int day)
{
    switch (calendar) {
    case RecordCalendar::Hebrew:
        if (year < 1 || year > kLastHebrewYear)
            return std::nullopt;
        return HebrewToJdn({year, month, day});
    case RecordCalendar::FrenchRepublican:
        if (year < 1 || year > kMaxYear)
            return std::nullopt;
        return FrenchRepublicanToJdn({year, month, day, IsFrenchRepublicanLeapYear(year)});
    case RecordCalendar::Gregorian:
    case RecordCalendar::Julian:
        if (year < -kMaxYear || year > kMaxYear)
            return std::nullopt;
        return DateToJDN(calendar == RecordCalendar::Julian ? Calendar::Julian : Calendar::Gregorian,
                         {static_cast<int32_t>(year), month, day}, DeeVariant::Dee);
    }
    return std::nullopt;
}

std::optional<int32_t> LastDayOfMonth(RecordCalendar calendar, int64_t year, int month)
{
    for (int day = 31; day >= 1; --day) {
        if (const std::optional<int32_t> jdn = JdnOf(calendar, year, month, day))
            return jdn;
    }
    return std::nullopt;
}

struct Days {
    std::optional<int32_t> first, last;
};

// The days of a date of `calendar` (a month or a year when the day or the month is 0).
Days DaysOf(RecordCalendar calendar, int64_t year, int month, int day)
{
    if (day != 0) {
        const std::optional<int32_t> jdn = JdnOf(calendar, year, month, day);
        return {jdn, jdn};
    }
    if (month != 0) {
        const std::optional<int32_t> first = JdnOf(calendar, year, month, 1);
        const std::optional<int32_t> last = LastDayOfMonth(calendar, year, month);
        return first && last ? Days{first, last} : Days{};
    }
    const int firstMonth = calendar == RecordCalendar::Hebrew ? 7 : 1;  // Tishrei begins the year
    const std::optional<int32_t> first = JdnOf(calendar, year, firstMonth, 1);
    const std::optional<int32_t> next = JdnOf(calendar, year + 1, firstMonth, 1);
    if (!first || !next)
        return {};  // a year partly beyond the calendar's first or the last day counted
    return {first, *next - 1};
}

const char *CalendarTitle(RecordCalendar calendar)
{
    switch (calendar) {
    case RecordCalendar::Gregorian: return "Gregorian";
    case RecordCalendar::Julian: return "Julian";
    case RecordCalendar::Hebrew: return "Hebrew";
    case RecordCalendar::FrenchRepublican: return "French republican";
    }
    return "";
}

std::string GregorianText(int32_t jdn) { return HistoricalDateText(JDNToDate(Calendar::Gregorian, jdn, {})); }
std::string JulianText(int32_t jdn) { return HistoricalDateText(JDNToDate(Calendar::Julian, jdn, {})); }

// ---- A place's calendars and year starts ----

const CalendarPeriod *PeriodAt(const Place &place, int32_t jdn)
{
    for (const CalendarPeriod &period : place.calendars) {
        if (jdn >= period.firstJdn && jdn <= period.lastJdn)
            return &period;
    }
    return nullptr;
}

YearStart StyleAt(const Place &place, int32_t jdn)
{
    for (const StylePeriod &period : place.styles) {
        if (jdn >= period.firstJdn && jdn <= period.lastJdn)
            return period.style;
    }
    return YearStart::Circumcision;
}

RecordCalendar CalendarAt(const Place &place, int32_t jdn)
{
    const CalendarPeriod *period = PeriodAt(place, jdn);
    return period && period->calendar == KeptCalendar::Gregorian ? RecordCalendar::Gregorian
                                                                 : RecordCalendar::Julian;
}

// The first day the place kept the Gregorian calendar, if it did.
std::optional<int32_t> FirstGregorianDay(const Place &place)
{
    for (const CalendarPeriod &period : place.calendars) {
        if (period.calendar == KeptCalendar::Gregorian)
            return period.firstJdn;
    }
    return std::nullopt;
}

// The year number a day carried at the place, and the date in the calendar it kept.
struct PlaceDate {
    CalendarDate date;
    int32_t writtenYear = 0;
};
PlaceDate PlaceDateOf(const Place &place, int32_t jdn)
{
    const CalendarPeriod *period = PeriodAt(place, jdn);
    const CalendarDate date =
        period ? DateInPeriod(*period, jdn).value_or(CalendarDate{}) : JDNToDate(Calendar::Julian, jdn, {});
    return {date, WrittenYear(StyleAt(place, jdn), date)};
}

// The first and last days whose written year at the place was `year`, by bisection: the written
// year never falls as the days go on (the Easter style aside, where this gives its widest span).
Days WrittenYearDays(const Place &place, int32_t year)
{
    const std::optional<int32_t> low = JdnOf(RecordCalendar::Julian, year - 1, 1, 1);
    const std::optional<int32_t> high = JdnOf(RecordCalendar::Julian, year + 1, 12, 31);
    if (!low || !high)
        return {};
    const auto firstWith = [&](auto reached) {
        int32_t lo = *low - 2, hi = *high + 2;  // the day offsets of the date line
        while (lo < hi) {
            const int32_t mid = lo + (hi - lo) / 2;
            if (reached(PlaceDateOf(place, mid).writtenYear))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    };
    const int32_t first = firstWith([year](int32_t written) { return written >= year; });
    const int32_t last = firstWith([year](int32_t written) { return written > year; }) - 1;
    if (first > last)
        return {};
    return {first, last};
}

// ---- Warnings ----

struct Resolved {
    RecordCalendar calendar = RecordCalendar::Gregorian;
    Days days;
    std::string readAs;
};

class DateReader {
public:
    DateReader(const Place *place, std::vector<DateWarning> &warnings) : place_(place), warnings_(warnings) {}

    Resolved Resolve(const WrittenDateParts &parts)
    {
        parts_ = parts;
        year_ = parts.beforeChrist ? 1 - parts.year : parts.year;
        Resolved resolved;
        if (parts.calendar == RecordCalendar::Hebrew || parts.calendar == RecordCalendar::FrenchRepublican) {
            resolved.calendar = parts.calendar;
            resolved.days = DaysOf(parts.calendar, year_, parts.month, parts.day);
            if (!resolved.days.first)
                Impossible(std::string(CalendarTitle(parts.calendar)) + " calendar");
        } else if (place_ && parts.mark == CalendarMark::None) {
            resolved = AtPlace();
        } else {
            resolved = InCalendar();
        }
        CheckWeekday(resolved);
        return resolved;
    }

private:
    // The two dates of a span often earn the same warning; it is said once.
    void Warn(const char *id, std::string message)
    {
        DateWarning warning{id, std::move(message)};
        if (std::find(warnings_.begin(), warnings_.end(), warning) == warnings_.end())
            warnings_.push_back(std::move(warning));
    }

    std::string WrittenText() const
    {
        std::string text = parts_.day != 0 ? std::to_string(parts_.day) + " " : "";
        if (parts_.month != 0)
            text += std::string(MonthName(parts_.month)) + " ";
        text += parts_.secondYear
                    ? DualYearText(static_cast<int32_t>(year_), static_cast<int32_t>(*parts_.secondYear))
                    : YearText(static_cast<int32_t>(year_));
        return text;
    }

    void Impossible(const std::string &calendar)
    {
        Warn(kImpossible, "There was no such day as " + WrittenText() + " in the " + calendar + ".");
    }

    // The calendar year a dual year stands for: the second number, the year counted from 1 January
    // ("1731/2" for a day of 1 January to 24 March 1732; "1701/1700" for a day after 25 March 1700
    // written where the year began before 1 January), with a warning where it cannot be that.
    int64_t DualYear()
    {
        const int64_t first = year_, second = *parts_.secondYear;
        if (parts_.beforeChrist)
            return 1 - second;
        if (parts_.month == 0)
            return first;  // a year written whole
        const bool beforeSpring = parts_.month < 3 || (parts_.month == 3 && parts_.day <= 24);
        const int64_t paired = beforeSpring ? first + 1 : first - 1;
        if (second != first + 1 && second != first - 1) {
            Warn(kDualYearMismatch,
                 "The dual year " + std::to_string(first) + "/" + std::to_string(second) +
                     " does not pair a year with the next; read as " +
                     DualYearText(static_cast<int32_t>(first), static_cast<int32_t>(paired)) + ".");
            return beforeSpring ? paired : first;
        }
        if (second != paired) {
            Warn(kDualYearMismatch,
                 beforeSpring
                     ? "A dual year such as " + std::to_string(first) + "/" + std::to_string(second) +
                           " belongs to 25 March to 31 December, where the year began before 1 "
                           "January; this date is read in the year " +
                           std::to_string(first) + "."
                     : "A dual year belongs to 1 January to 24 March, when the year begun on 25 March "
                       "and the year begun on 1 January differ; this date is read in the year " +
                           std::to_string(first) + ".");
            return first;
        }
        return second;
    }

    // Without a place, or with a calendar marked: the date in that calendar, the year counted from
    // 1 January unless a place counted it otherwise.
    Resolved InCalendar()
    {
        Resolved resolved;
        resolved.calendar = parts_.calendar;
        int64_t year = year_;
        YearStart style = YearStart::Circumcision;
        // "O.S." at a place means the date as it was written there, its year included; GEDCOM's
        // calendar escapes and "N.S." count the year from 1 January.
        const bool placeYear =
            place_ && parts_.mark == CalendarMark::Style && parts_.calendar == RecordCalendar::Julian;
        if (parts_.secondYear) {
            year = DualYear();
        } else if (placeYear) {
            const std::optional<int32_t> near =
                JdnOf(parts_.calendar, year_, std::max(parts_.month, 1), std::max(parts_.day, 1));
            style = near ? StyleAt(*place_, *near) : YearStart::Circumcision;
            if (parts_.day != 0 && style != YearStart::Circumcision && style != YearStart::Easter) {
                const std::vector<int32_t> years =
                    CalendarYears(style, static_cast<int32_t>(year_), parts_.month, parts_.day);
                if (!years.empty())
                    year = years.front();
            }
        }
        resolved.days = DaysOf(parts_.calendar, year, parts_.month, parts_.day);
        if (!resolved.days.first) {
            if (year < -kMaxYear + 2 || year > kMaxYear - 2)
                return resolved;  // the caller says the year is beyond the days counted
            Impossible(std::string(CalendarTitle(parts_.calendar)) + " calendar");
            return resolved;
        }
        if (place_) {
            resolved.readAs =
                std::string("Read in the ") + CalendarTitle(parts_.calendar) + " calendar as marked" +
                (placeYear ? ", the year as " + place_->name + " began it then: " + YearStartTitle(style)
                           : std::string(", the year counted from 1 January")) +
                ".";
            if (year != year_ && parts_.day != 0 && !parts_.secondYear)
                AmbiguousYear(*resolved.days.first, style,
                              JdnOf(parts_.calendar, year_, parts_.month, parts_.day));
            CheckSwitch(resolved);
        } else if (parts_.mark == CalendarMark::None && parts_.calendar == RecordCalendar::Gregorian &&
                   JDNToDate(Calendar::Gregorian, *resolved.days.first, {}).year < kLastJulianYear) {
            AssumedGregorian(resolved, year);
        }
        return resolved;
    }

    void AssumedGregorian(const Resolved &resolved, int64_t year)
    {
        std::string message = "No calendar is marked and no place given, so the date is read as Gregorian "
                              "(New Style); before 1923 it may be Julian (Old Style)";
        if (parts_.day != 0) {
            if (const std::optional<int32_t> julian =
                    JdnOf(RecordCalendar::Julian, year, parts_.month, parts_.day))
                message += ", which would make it " + GregorianText(*julian) + " (Gregorian)";
        }
        (void)resolved;
        Warn(kAssumedGregorian, message + ".");
    }

    void CheckSwitch(const Resolved &resolved)
    {
        const std::optional<int32_t> change = FirstGregorianDay(*place_);
        if (!change || resolved.days.first != resolved.days.last)
            return;
        const int32_t jdn = *resolved.days.first;
        const std::string written = WriteDay(*place_, jdn).text;
        if (parts_.calendar == RecordCalendar::Julian && jdn >= *change) {
            Warn(kCalendarAfterSwitch, "Marked Julian (Old Style), but " + place_->name +
                                           " kept the Gregorian calendar from " + GregorianText(*change) +
                                           "; the day was written there as " + written + ".");
        } else if (parts_.calendar == RecordCalendar::Gregorian && jdn < *change) {
            Warn(kCalendarBeforeSwitch, "Marked Gregorian (New Style), but " + place_->name +
                                            " kept the Gregorian calendar only from " +
                                            GregorianText(*change) + "; the day was written there as " +
                                            written + ".");
        }
    }

    void AmbiguousYear(int32_t jdn, YearStart style, std::optional<int32_t> other)
    {
        std::string message = "In " + place_->name + " the year then began on " + YearStartTitle(style) +
                              ": " + WrittenText() + " is read as " + WriteDay(*place_, jdn).text;
        if (other)
            message += "; if its year was counted from 1 January, it was " + WriteDay(*place_, *other).text;
        Warn(kYearStartAmbiguous, message + ". A dual year (such as 1731/2) says which.");
    }

    std::string ReadAsPlace(int32_t jdn) const
    {
        const CalendarPeriod *period = PeriodAt(*place_, jdn);
        const char *calendar = !period                                       ? "Julian"
                               : period->calendar == KeptCalendar::Gregorian ? "Gregorian"
                               : period->calendar == KeptCalendar::Swedish   ? "Swedish"
                                                                             : "Julian";
        return "Read as " + place_->name + " wrote it: the " + calendar +
               " calendar, the year beginning on " + YearStartTitle(StyleAt(*place_, jdn)) + ".";
    }

    // An unmarked date at a place: as the place wrote it then.
    Resolved AtPlace()
    {
        if (year_ < -kMaxYear + 2 || year_ > kMaxYear - 2)
            return {};
        const int32_t year = static_cast<int32_t>(year_);
        if (parts_.day == 0)
            return PartialAtPlace(year);
        Resolved resolved;
        std::optional<YearStart> style;
        int32_t written = year;
        if (parts_.secondYear) {
            written = static_cast<int32_t>(DualYear());
            style = YearStart::Circumcision;  // the dual year has said which year
        }
        const std::vector<int32_t> days = DaysWritten(*place_, written, parts_.month, parts_.day, style);
        if (days.empty()) {
            Missing(written, style);
            return InGapReading(written);
        }
        resolved.days = {days.front(), days.back()};
        resolved.calendar = CalendarAt(*place_, days.front());
        resolved.readAs = ReadAsPlace(days.front());
        if (days.size() > 1) {
            Warn(kYearStartAmbiguous,
                 WrittenText() + " came twice in " + place_->name + ", whose year then began at Easter: on " +
                     JulianText(days.front()) + " and on " + JulianText(days.back()) + " (Julian).");
        } else if (!style) {
            const YearStart kept = StyleAt(*place_, days.front());
            const PlaceDate date = PlaceDateOf(*place_, days.front());
            if (kept != YearStart::Circumcision && date.writtenYear != date.date.year) {
                const std::vector<int32_t> other =
                    DaysWritten(*place_, year, parts_.month, parts_.day, YearStart::Circumcision);
                AmbiguousYear(days.front(), kept,
                              other.size() == 1 ? std::optional<int32_t>(other.front()) : std::nullopt);
            }
        }
        return resolved;
    }

    // A date the place never wrote: a day its change of calendar or of year start skipped (in_gap),
    // or one no month of the calendar it kept then had (impossible: 29 February 1700 in Holland,
    // Gregorian by then).
    void Missing(int32_t written, std::optional<YearStart> style)
    {
        const std::string why = MissingDayMessage(*place_, written, parts_.month, parts_.day, style);
        const std::optional<int32_t> near = JdnOf(RecordCalendar::Julian, written, parts_.month, 1);
        const std::vector<int32_t> years =
            near ? CalendarYears(style.value_or(StyleAt(*place_, *near)), written, parts_.month, parts_.day)
                 : std::vector<int32_t>{};
        bool inGap = near && years.empty();  // the Easter style's year skipped it
        for (const int32_t year : years) {
            for (const int day : {1, 28}) {
                const std::optional<int32_t> jdn = JdnOf(RecordCalendar::Julian, year, parts_.month, day);
                const CalendarPeriod *period = jdn ? PeriodAt(*place_, *jdn) : nullptr;
                const RecordCalendar kept = period && period->calendar == KeptCalendar::Gregorian
                                                ? RecordCalendar::Gregorian
                                                : RecordCalendar::Julian;
                inGap = inGap || (period && JdnOf(kept, year, parts_.month, parts_.day));
            }
        }
        Warn(inGap ? kInGap : kImpossible, why);
    }

    // A date the place skipped is read in a calendar that puts it on a day the place kept that
    // calendar: the Julian, for a day a change of the year's start skipped; else the Gregorian, in
    // which the days a change of calendar skipped were real dates.
    Resolved InGapReading(int32_t written)
    {
        Resolved resolved;
        const std::optional<int32_t> julian =
            JdnOf(RecordCalendar::Julian, written, parts_.month, parts_.day);
        const std::optional<int32_t> gregorian =
            JdnOf(RecordCalendar::Gregorian, written, parts_.month, parts_.day);
        const CalendarPeriod *period = julian ? PeriodAt(*place_, *julian) : nullptr;
        const bool keptJulian = period && period->calendar == KeptCalendar::Julian && period->dayOffset == 0;
        const bool useJulian = julian && (keptJulian || !gregorian);
        resolved.calendar = useJulian ? RecordCalendar::Julian : RecordCalendar::Gregorian;
        const std::optional<int32_t> jdn = useJulian ? julian : gregorian;
        if (!jdn || warnings_.empty() || warnings_.back().id != kInGap) {
            // No day: the calendar the place kept in that month.
            if (const std::optional<int32_t> month = JdnOf(RecordCalendar::Julian, written, parts_.month, 1))
                resolved.calendar = CalendarAt(*place_, *month);
            return resolved;
        }
        resolved.days = {jdn, jdn};
        warnings_.back().message += std::string(" Read as ") + CalendarTitle(resolved.calendar) + ": " +
                                    GregorianText(*jdn) + " (Gregorian), " + JulianText(*jdn) + " (Julian).";
        return resolved;
    }

    // A month or a year without its day, as the place wrote it.
    Resolved PartialAtPlace(int32_t year)
    {
        Resolved resolved;
        if (parts_.month == 0) {
            resolved.days = WrittenYearDays(*place_, parts_.secondYear ? static_cast<int32_t>(year_) : year);
        } else {
            int32_t written = year;
            std::optional<YearStart> style;
            if (parts_.secondYear) {
                written = static_cast<int32_t>(DualYear());
                style = YearStart::Circumcision;
            }
            bool ambiguous = false;
            for (int day = 1; day <= 31; ++day) {
                for (const int32_t jdn : DaysWritten(*place_, written, parts_.month, day, style)) {
                    resolved.days.first = std::min(resolved.days.first.value_or(jdn), jdn);
                    resolved.days.last = std::max(resolved.days.last.value_or(jdn), jdn);
                    const PlaceDate date = PlaceDateOf(*place_, jdn);
                    ambiguous = ambiguous || (!style && date.writtenYear != date.date.year);
                }
            }
            if (ambiguous && resolved.days.first)
                Warn(kYearStartAmbiguous, "In " + place_->name + " the year then began on " +
                                              YearStartTitle(StyleAt(*place_, *resolved.days.first)) + ": " +
                                              WrittenText() + " is read as the place wrote it, from " +
                                              WriteDay(*place_, *resolved.days.first).text + " to " +
                                              WriteDay(*place_, *resolved.days.last).text +
                                              ". A dual year (such as 1731/2) says which.");
        }
        if (!resolved.days.first) {
            Warn(kImpossible, WrittenText() + " was never written in " + place_->name + ".");
            return resolved;
        }
        resolved.calendar = CalendarAt(*place_, *resolved.days.first);
        resolved.readAs = ReadAsPlace(*resolved.days.first);
        return resolved;
    }

    void CheckWeekday(const Resolved &resolved)
    {
        if (!parts_.weekday || !resolved.days.first || resolved.days.first != resolved.days.last)
            return;
        const int32_t jdn = *resolved.days.first;
        // A place that kept the date of the far side of the date line named its own weekday.
        const int16_t weekday = place_ ? WriteDay(*place_, jdn).weekday : DayOfWeek(jdn);
        if (weekday != *parts_.weekday)
            Warn(kWeekdayMismatch, WrittenText() + " was a " + WeekdayText(weekday) + ", not a " +
                                       WeekdayText(static_cast<int16_t>(*parts_.weekday)) + ".");
    }

    const Place *place_;
    std::vector<DateWarning> &warnings_;
    WrittenDateParts parts_;
    int64_t year_ = 0;
};

// ---- The qualifiers around the dates ----

// The first word of the text, folded, and the rest after it.
std::pair<std::string, std::string_view> FirstWord(std::string_view text)
{
    size_t end = 0;
    while (end < text.size() && !IsSpace(text[end]))
        ++end;
    return {FoldedWord(text.substr(0, end)), Trimmed(text.substr(end))};
}

// Where the whole word `word` (folded) stands in the text, or npos.
size_t FindWord(std::string_view text, std::string_view word)
{
    size_t start = 0;
    while (start < text.size()) {
        while (start < text.size() && IsSpace(text[start]))
            ++start;
        size_t end = start;
        while (end < text.size() && !IsSpace(text[end]))
            ++end;
        if (end > start && FoldedWord(text.substr(start, end - start)) == word)
            return start;
        start = end;
    }
    return std::string_view::npos;
}

struct Qualified {
    DateQualifier qualifier = DateQualifier::Exact;
    std::string_view first, second;  // the dates; `second` only for two
    std::string_view phrase;
    bool hasSecond = false;
    std::string error;
};

Qualified SplitQualifier(std::string_view text)
{
    Qualified q;
    const auto split = FirstWord(text);
    const std::string &word = split.first;
    const std::string_view rest = split.second;
    const auto one = [&](DateQualifier qualifier) {
        q.qualifier = qualifier;
        q.first = rest;
    };
    const auto two = [&](DateQualifier qualifier, std::string_view joiner) {
        q.qualifier = qualifier;
        const size_t at = FindWord(rest, joiner);
        if (at == std::string_view::npos) {
            q.first = rest;
            return false;
        }
        q.first = Trimmed(rest.substr(0, at));
        q.second = Trimmed(rest.substr(at + joiner.size()));
        q.hasSecond = true;
        return true;
    };
    if (word == "abt" || word == "about" || word == "c" || word == "ca" || word == "circa")
        one(DateQualifier::About);
    else if (word == "cal" || word == "calculated")
        one(DateQualifier::Calculated);
    else if (word == "est" || word == "estimated")
        one(DateQualifier::Estimated);
    else if (word == "bef" || word == "before")
        one(DateQualifier::Before);
    else if (word == "aft" || word == "after")
        one(DateQualifier::After);
    else if (word == "bet" || word == "between") {
        if (!two(DateQualifier::Between, "and"))
            q.error = "BET needs AND and a second date: BET 1750 AND 1760.";
    } else if (word == "from") {
        two(DateQualifier::Period, "to");
    } else if (word == "to") {
        q.qualifier = DateQualifier::Period;
        q.second = rest;
        q.hasSecond = true;
    } else if (word == "int") {
        q.qualifier = DateQualifier::Interpreted;
        const size_t open = rest.find('(');
        if (open == std::string_view::npos || rest.back() != ')') {
            q.error =
                "INT needs the phrase it interprets in parentheses: INT 1750 (about the year of the flood).";
        } else {
            q.first = Trimmed(rest.substr(0, open));
            q.phrase = rest.substr(open + 1, rest.size() - open - 2);
        }
    } else {
        q.first = text;
    }
    return q;
}

}  // namespace

const char *DateQualifierName(DateQualifier qualifier)
{
    switch (qualifier) {
    case DateQualifier::Exact: return "exact";
    case DateQualifier::About: return "about";
    case DateQualifier::Calculated: return "calculated";
    case DateQualifier::Estimated: return "estimated";
    case DateQualifier::Before: return "before";
    case DateQualifier::After: return "after";
    case DateQualifier::Between: return "between";
    case DateQualifier::Period: return "period";
    case DateQualifier::Interpreted: return "interpreted";
    case DateQualifier::Phrase: return "phrase";
    }
    return "";
}

const char *RecordCalendarName(RecordCalendar calendar)
{
    switch (calendar) {
    case RecordCalendar::Gregorian: return "gregorian";
    case RecordCalendar::Julian: return "julian";
    case RecordCalendar::Hebrew: return "hebrew";
    case RecordCalendar::FrenchRepublican: return "french_republican";
    }
    return "";
}

RecordDateReading ReadRecordDate(std::string_view text, const Place *place)
{
    RecordDateReading reading;
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty()) {
        reading.error = "The date is empty.";
        return reading;
    }
    if (trimmed.front() == '(') {
        if (trimmed.back() != ')') {
            reading.error = "The phrase " + QuotedDateText(trimmed) + " has no closing ')'.";
            return reading;
        }
        reading.read = true;
        reading.qualifier = DateQualifier::Phrase;
        reading.phrase = std::string(trimmed.substr(1, trimmed.size() - 2));
        return reading;
    }
    const Qualified q = SplitQualifier(trimmed);
    if (!q.error.empty()) {
        reading.error = q.error;
        return reading;
    }
    reading.qualifier = q.qualifier;
    reading.phrase = std::string(q.phrase);
    DateReader reader(place, reading.warnings);
    std::optional<Resolved> first, second;
    for (const auto &[part, slot] : {std::pair{q.first, &first}, std::pair{q.second, &second}}) {
        if (part.empty() &&
            (slot == &second ? !q.hasSecond : q.qualifier == DateQualifier::Period && q.hasSecond))
            continue;
        const WrittenDatePartsReading parts = ReadWrittenDateParts(part);
        if (!parts.parts) {
            reading.error = parts.error;
            reading.warnings.clear();
            return reading;
        }
        *slot = reader.Resolve(*parts.parts);
        if (!(*slot)->days.first && (*slot)->readAs.empty() &&
            std::none_of(reading.warnings.begin(), reading.warnings.end(),
                         [](const DateWarning &w) { return w.id == kImpossible || w.id == kInGap; })) {
            reading.error = "The date " + QuotedDateText(part) + " is beyond the days Vardex counts.";
            reading.warnings.clear();
            return reading;
        }
    }
    const Resolved &lead = first ? *first : *second;
    reading.read = true;
    reading.calendar = lead.calendar;
    reading.readAs = lead.readAs;
    reading.firstJdn = lead.days.first;
    reading.lastJdn = second ? second->days.last : lead.days.last;
    if (first && second && first->days.first && second->days.last) {
        reading.firstJdn = first->days.first;
        if (*reading.lastJdn < *reading.firstJdn) {
            reading.warnings.push_back({"range_reversed", "The span ends before it begins; read from " +
                                                              GregorianText(*second->days.first) + " to " +
                                                              GregorianText(*first->days.last) +
                                                              " (Gregorian)."});
            reading.firstJdn = second->days.first;
            reading.lastJdn = first->days.last;
        }
    } else if (first && second) {
        reading.firstJdn = reading.lastJdn = std::nullopt;
    }
    return reading;
}

}  // namespace vardex
