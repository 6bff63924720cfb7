// SPDX-License-Identifier: MIT
#include "PlaceHistory.h"

#include <algorithm>
#include <charconv>
#include <tuple>

#include "SwedishCalendar.h"
#include "engine/Calendars.h"
#include "engine/TextForms.h"

namespace vardex {

namespace {

constexpr int32_t kFirstGregorianJdn = 2299161;  // 15 October 1582, the reform's first day

std::vector<std::string_view> Split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + separator.size();
    }
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<CalendarDate> ParseDate(std::string_view text)
{
    const std::vector<std::string_view> parts = Split(text, "-");
    CalendarDate date;
    int32_t *fields[] = {&date.year, &date.month, &date.day};
    if (parts.size() != 3)
        return std::nullopt;
    for (size_t i = 0; i < 3; ++i) {
        const auto [end, error] =
            std::from_chars(parts[i].data(), parts[i].data() + parts[i].size(), *fields[i]);
        if (error != std::errc() || end != parts[i].data() + parts[i].size())
            return std::nullopt;
    }
    return date;
}

// A calendar period's NAME: a calendar, with "+1" or "-1" after it where the place's dates ran a
// day ahead of or behind that calendar's at its longitude. An error's text, or nothing.
std::string NameCalendarPeriod(std::string_view name, CalendarPeriod &period)
{
    const size_t sign = name.find_first_of("+-");
    const std::string_view calendar = name.substr(0, sign);
    if (sign != std::string_view::npos) {
        const std::string_view offset = name.substr(sign);
        if (offset != "+1" && offset != "-1")
            return "a day offset is +1 or -1: '" + std::string(name) + "'";
        period.dayOffset = offset == "+1" ? 1 : -1;
    }
    for (const KeptCalendar c : {KeptCalendar::Julian, KeptCalendar::Gregorian, KeptCalendar::Swedish}) {
        if (calendar == KeptCalendarName(c)) {
            period.calendar = c;
            return {};
        }
    }
    return "unknown name '" + std::string(name) + "'";
}

// "NAME FIRST..LAST", either end left out when open.
struct Span {
    std::string name;
    std::optional<CalendarDate> first, last;
};
std::optional<Span> ParseSpan(std::string_view text)
{
    text = Trimmed(text);
    const size_t blank = text.find(' ');
    const size_t dots = text.find("..");
    if (blank == std::string_view::npos || dots == std::string_view::npos || dots < blank)
        return std::nullopt;
    Span span{std::string(text.substr(0, blank)), {}, {}};
    const std::string_view first = Trimmed(text.substr(blank + 1, dots - blank - 1));
    const std::string_view last = Trimmed(text.substr(dots + 2));
    if (!first.empty() && !(span.first = ParseDate(first)))
        return std::nullopt;
    if (!last.empty() && !(span.last = ParseDate(last)))
        return std::nullopt;
    return span;
}

// The day of a date written in the calendar the place kept then.
std::optional<int32_t> JdnAtPlace(const std::vector<CalendarPeriod> &calendars, const CalendarDate &date)
{
    for (const CalendarPeriod &p : calendars) {
        const std::optional<int32_t> jdn = JdnInPeriod(p, date);
        if (jdn && *jdn >= p.firstJdn && *jdn <= p.lastJdn)
            return jdn;
    }
    return std::nullopt;
}

// The periods of a field, "NAME FIRST..LAST | ...", each following the one before day by day.
// nameInto(name, period) fills in what the name says, or answers why it cannot.
template <typename Period, typename NameInto, typename JdnOf>
std::string ParsePeriods(std::string_view field, std::vector<Period> &periods, const NameInto &nameInto,
                         const JdnOf &jdnOf)
{
    for (const std::string_view part : Split(field, "|")) {
        const std::optional<Span> span = ParseSpan(part);
        if (!span)
            return "a period is not written as NAME FIRST..LAST: '" + std::string(Trimmed(part)) + "'";
        Period period;
        if (std::string error = nameInto(span->name, period); !error.empty())
            return error;
        if (span->first) {
            const std::optional<int32_t> jdn = jdnOf(period, *span->first);
            if (!jdn)
                return "no such day: " + std::string(Trimmed(part));
            period.firstJdn = *jdn;
        }
        if (span->last) {
            const std::optional<int32_t> jdn = jdnOf(period, *span->last);
            if (!jdn)
                return "no such day: " + std::string(Trimmed(part));
            period.lastJdn = *jdn;
        }
        // A date a day ahead of the last day the program counts, or behind the first, has no
        // calendar date: such a period ends before it.
        if constexpr (requires { period.dayOffset; }) {
            if ((period.dayOffset > 0 && !span->last) || (period.dayOffset < 0 && !span->first))
                return "a period a day ahead needs its last day, one behind its first: '" +
                       std::string(Trimmed(part)) + "'";
        }
        const bool follows = periods.empty() ? period.firstJdn == INT32_MIN
                                             : periods.back().lastJdn != INT32_MAX &&
                                                   period.firstJdn == periods.back().lastJdn + 1;
        if (!follows || period.firstJdn > period.lastJdn)
            return "the periods do not follow one another day by day at '" + std::string(Trimmed(part)) + "'";
        periods.push_back(period);
    }
    if (periods.back().lastJdn != INT32_MAX)
        return "the last period must stay open";
    return {};
}

// A day at the place: the calendar and style of that day (style, when given, instead), its date
// and its written year; WriteDay without the text.
WrittenDay Locate(const Place &place, int32_t jdn, std::optional<YearStart> style)
{
    WrittenDay day;
    const CalendarPeriod *period = &place.calendars.front();
    for (const CalendarPeriod &p : place.calendars) {
        if (jdn >= p.firstJdn && jdn <= p.lastJdn)
            period = &p;
    }
    day.calendar = period->calendar;
    day.dayOffset = period->dayOffset;
    day.weekday = static_cast<int16_t>((DayOfWeek(jdn) + period->dayOffset + 7) % 7);
    for (const StylePeriod &p : place.styles) {
        if (jdn >= p.firstJdn && jdn <= p.lastJdn)
            day.style = p.style;
    }
    if (style)
        day.style = *style;
    day.date = *DateInPeriod(*period, jdn);  // a Swedish period has both ends (ParsePlaceTable)
    day.writtenYear = WrittenYear(day.style, day.date);
    return day;
}

// The first and last days the place wrote in writtenYear; nothing when no day of the int32 range
// carried that number. A day's written year never falls as the days go on (every style counts up,
// and the places moved their new year only forward), so the year is one run, found by halving.
std::optional<std::pair<int32_t, int32_t>> WrittenYearSpan(const Place &place, int32_t writtenYear,
                                                           std::optional<YearStart> style)
{
    const auto yearOf = [&](int64_t jdn) {
        return Locate(place, static_cast<int32_t>(jdn), style).writtenYear;
    };
    // The first day from `from` on whose year is beyond `year`; INT32_MAX + 1 when there is none.
    const auto firstBeyond = [&](int64_t year, int64_t from) {
        int64_t low = from, high = int64_t{INT32_MAX} + 1;  // the answer lies in [low, high]
        while (low < high) {
            const int64_t middle = low + (high - low) / 2;
            if (yearOf(middle) > year)
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    const int64_t first = firstBeyond(int64_t{writtenYear} - 1, INT32_MIN);
    if (first > INT32_MAX || yearOf(first) != writtenYear)
        return std::nullopt;
    const int64_t last = firstBeyond(writtenYear, first) - 1;
    return std::pair(static_cast<int32_t>(first), static_cast<int32_t>(last));
}

// Month `month` of calendar year `year` as the place had it: how many days it had (a change of
// calendar shortens one), the last of them, and whether any carried the written year `writtenYear`.
struct MonthAtPlace {
    int32_t days = 0, lastDay = 0;
    bool inWrittenYear = false;
};
MonthAtPlace MonthAt(const Place &place, int32_t year, int32_t month, int32_t writtenYear,
                     std::optional<YearStart> style)
{
    MonthAtPlace found;
    for (int32_t day = 1; day <= 31; ++day) {
        for (const CalendarPeriod &p : place.calendars) {
            const std::optional<int32_t> jdn = JdnInPeriod(p, {year, month, day});
            if (!jdn || *jdn < p.firstJdn || *jdn > p.lastJdn)
                continue;  // the place kept another calendar that day
            ++found.days;
            found.lastDay = day;
            found.inWrittenYear =
                found.inWrittenYear || Locate(place, *jdn, style).writtenYear == writtenYear;
            break;
        }
    }
    return found;
}

}  // namespace

const char *KeptCalendarName(KeptCalendar calendar)
{
    switch (calendar) {
    case KeptCalendar::Julian: return "julian";
    case KeptCalendar::Gregorian: return "gregorian";
    case KeptCalendar::Swedish: return "swedish";
    }
    return "";
}

std::optional<CalendarDate> DateInKeptCalendar(KeptCalendar calendar, int32_t jdn)
{
    if (calendar == KeptCalendar::Swedish)
        return SwedishDate(jdn);
    return JDNToDate(calendar == KeptCalendar::Julian ? Calendar::Julian : Calendar::Gregorian, jdn, {});
}

std::optional<int32_t> JdnOfKeptDate(KeptCalendar calendar, const CalendarDate &date)
{
    if (calendar == KeptCalendar::Swedish)
        return SwedishJdn(date);
    return DateToJDN(calendar == KeptCalendar::Julian ? Calendar::Julian : Calendar::Gregorian, date, {});
}

std::optional<CalendarDate> DateInPeriod(const CalendarPeriod &period, int32_t jdn)
{
    // The day whose date in the calendar the place wrote.
    const int64_t shifted = int64_t{jdn} + period.dayOffset;
    if (shifted < INT32_MIN || shifted > INT32_MAX)
        return std::nullopt;
    return DateInKeptCalendar(period.calendar, static_cast<int32_t>(shifted));
}

std::optional<int32_t> JdnInPeriod(const CalendarPeriod &period, const CalendarDate &date)
{
    const std::optional<int32_t> shifted = JdnOfKeptDate(period.calendar, date);
    if (!shifted)
        return std::nullopt;
    const int64_t jdn = int64_t{*shifted} - period.dayOffset;
    if (jdn < INT32_MIN || jdn > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(jdn);
}

std::optional<GregorianChange> FindGregorianChange(const Place &place)
{
    const std::vector<CalendarPeriod> &periods = place.calendars;
    // The last change, should a place have gone back and forth.
    for (size_t i = periods.size(); i-- > 1;) {
        if (periods[i].calendar != KeptCalendar::Gregorian ||
            periods[i - 1].calendar == KeptCalendar::Gregorian)
            continue;
        GregorianChange change{DateInPeriod(periods[i - 1], periods[i].firstJdn - 1).value(),
                               DateInPeriod(periods[i], periods[i].firstJdn).value(),
                               {}};
        for (size_t k = 1; k < i; ++k) {
            const CalendarPeriod &p = periods[k];
            if (p.calendar != periods.front().calendar || p.dayOffset != periods.front().dayOffset)
                change.between.push_back(p);
        }
        return change;
    }
    return std::nullopt;
}

PlaceTable ParsePlaceTable(std::string_view text)
{
    PlaceTable table;
    int lineNumber = 0;
    for (const std::string_view line : Split(text, "\n")) {
        ++lineNumber;
        if (Trimmed(line).empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> fields = Split(line, "\t");
        const auto fail = [&](const std::string &why) {
            table.places.clear();
            table.error = "line " + std::to_string(lineNumber) + ": " + why;
            return table;
        };
        if (fields.size() != 6)
            return fail("6 fields separated by tabs expected, " + std::to_string(fields.size()) + " found");
        Place place{std::string(Trimmed(fields[0])), std::string(Trimmed(fields[1])), {}, {},
                    std::string(Trimmed(fields[4])), std::string(Trimmed(fields[5]))};
        std::string error =
            ParsePeriods(fields[2], place.calendars, NameCalendarPeriod,
                         [](const CalendarPeriod &p, const CalendarDate &d) { return JdnInPeriod(p, d); });
        // Outside its twelve years the Swedish calendar has no dates: a period of it must end both ways.
        for (const CalendarPeriod &p : place.calendars) {
            if (error.empty() && p.calendar == KeptCalendar::Swedish &&
                (p.firstJdn == INT32_MIN || p.lastJdn == INT32_MAX))
                error = "a swedish period needs its first and last day";
        }
        if (error.empty()) {
            const auto &calendars = place.calendars;
            error = ParsePeriods(
                fields[3], place.styles,
                [](std::string_view name, StylePeriod &period) {
                    const std::optional<YearStart> style = YearStartNamed(std::string(name));
                    period.style = style.value_or(period.style);
                    return style ? std::string() : "unknown name '" + std::string(name) + "'";
                },
                [&calendars](const StylePeriod &, const CalendarDate &d) {
                    return JdnAtPlace(calendars, d);
                });
        }
        if (!error.empty())
            return fail(place.id + ": " + error);
        if (place.id.empty() || place.source.empty())
            return fail("every place needs an id and a source");
        table.places.push_back(std::move(place));
    }
    return table;
}

std::string HistoricalDateText(const CalendarDate &date)
{
    return std::to_string(date.day) + ' ' + MonthName(date.month) + ' ' + YearText(date.year);
}

WrittenDay WriteDay(const Place &place, int32_t jdn, std::optional<YearStart> style)
{
    WrittenDay day = Locate(place, jdn, style);
    const bool oldStyle = day.calendar != KeptCalendar::Gregorian && jdn >= kFirstGregorianJdn;
    day.text = std::to_string(day.date.day) + ' ' + MonthName(day.date.month) + ' ' +
               DualYearText(day.writtenYear, day.date.year) + (oldStyle ? " (O.S.)" : "");
    return day;
}

std::vector<int32_t> DaysWritten(const Place &place, int32_t writtenYear, int32_t month, int32_t day,
                                 std::optional<YearStart> style)
{
    std::vector<int32_t> days;
    for (const CalendarPeriod &calendar : place.calendars) {
        for (const StylePeriod &period : place.styles) {
            const YearStart used = style.value_or(period.style);
            for (const int32_t year : CalendarYears(used, writtenYear, month, day)) {
                const std::optional<int32_t> jdn = JdnInPeriod(calendar, {year, month, day});
                const bool inStyle = style || (jdn && *jdn >= period.firstJdn && *jdn <= period.lastJdn);
                if (jdn && *jdn >= calendar.firstJdn && *jdn <= calendar.lastJdn && inStyle)
                    days.push_back(*jdn);
            }
        }
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

std::string MissingDayMessage(const Place &place, int32_t writtenYear, int32_t month, int32_t day,
                              std::optional<YearStart> style)
{
    const std::string written = HistoricalDateText({writtenYear, month, day});
    const std::string missing = written + " did not exist in " + place.name + ": ";
    // A day in the gap of a change of calendar: after the old calendar's last, before the new one's
    // first. Only a date one of the two calendars has: a day beyond every month's end is told below.
    for (size_t i = 1; i < place.calendars.size(); ++i) {
        const CalendarPeriod &before = place.calendars[i - 1], &after = place.calendars[i];
        const CalendarDate last = *DateInPeriod(before, before.lastJdn);
        const CalendarDate first = *DateInPeriod(after, after.firstJdn);
        const std::vector<int32_t> years =
            CalendarYears(style.value_or(WriteDay(place, after.firstJdn).style), writtenYear, month, day);
        for (const int32_t year : years) {
            const auto key = [](const CalendarDate &d) { return std::tuple(d.year, d.month, d.day); };
            const CalendarDate date{year, month, day};
            const bool real = JdnOfKeptDate(before.calendar, date) || JdnOfKeptDate(after.calendar, date);
            if (real && key(date) > key(last) && key(date) < key(first))
                return missing + HistoricalDateText(last) + " was followed by " + HistoricalDateText(first) +
                       '.';
        }
    }
    // Every year of the int32 range holds days; the first and last of them only a part.
    const std::optional<std::pair<int32_t, int32_t>> span = WrittenYearSpan(place, writtenYear, style);
    if (!span || span->first == INT32_MIN || span->second == INT32_MAX)
        return written + " lies beyond the days the program counts.";
    // A day beyond the end of its month, as the place had that month in the written year (which
    // holds each month once; in the Easter style some twice, and then the day is beyond both).
    std::optional<std::pair<int32_t, MonthAtPlace>> shortMonth;
    bool dayWasThere = false;
    for (int64_t year = int64_t{writtenYear} - 1; year <= int64_t{writtenYear} + 1; ++year) {
        if (year < INT32_MIN || year > INT32_MAX)
            continue;
        const MonthAtPlace had = MonthAt(place, static_cast<int32_t>(year), month, writtenYear, style);
        if (!had.inWrittenYear)
            continue;
        if (day <= had.lastDay)
            dayWasThere = true;
        else if (!shortMonth)
            shortMonth = std::pair(static_cast<int32_t>(year), had);
    }
    if (shortMonth && !dayWasThere)
        return missing + MonthName(month) + ' ' + DualYearText(writtenYear, shortMonth->first) + " had " +
               std::to_string(shortMonth->second.days) + " days.";
    // The written year did not hold the date: its new year came after it, or the next year's before.
    const auto asWritten = [writtenYear](const CalendarDate &d) {
        return HistoricalDateText({writtenYear, d.month, d.day});
    };
    return missing + "there the year " + YearText(writtenYear) + " ran from " +
           asWritten(Locate(place, span->first, style).date) + " to " +
           asWritten(Locate(place, span->second, style).date) + '.';
}

}  // namespace vardex
