// SPDX-License-Identifier: MIT
#include "CalIcs.h"

#include "IcsLines.h"
#include "history/PlaceHistory.h"

namespace vardex::cli {

namespace {

bool Timed(const DayMark &mark) { return mark.kind == MarkKind::Season || mark.kind == MarkKind::Moon; }

// The day as the page wrote it, with where: "25 December 1752, England and Wales"; and for a
// season or phase its local time there.
std::string Description(const CalSheet &sheet, const MonthPage &page, const PageDay &day, const DayMark &mark)
{
    const Place *place = sheet.calendar.place;
    std::string text = place ? WriteDay(*place, day.jdn).text + ", " + place->name
                             : HistoricalDateText(day.date) + ", " + page.calendarName;
    if (Timed(mark))
        text += "; " + mark.time + " local mean time at " + MeridianOfPage(sheet.calendar).city;
    return text;
}

// The event's lines, or nothing when its dates are beyond iCalendar's years.
std::optional<std::string> Event(const CalSheet &sheet, const MonthPage &page, const PageDay &day,
                                 const DayMark &mark, const std::string &stamp)
{
    std::string lines = IcsLine("BEGIN:VEVENT") +
                        IcsLine("UID:" + std::string(MarkKindId(mark.kind)) + "-" + mark.id + "-" +
                                std::to_string(day.jdn) + "@vardex") +
                        IcsLine("DTSTAMP:" + stamp);
    if (Timed(mark)) {
        const std::optional<std::string> start = IcsUtcMinute(mark.jdUT);
        if (!start)
            return std::nullopt;
        lines += IcsLine("DTSTART:" + *start);
    } else {
        const std::optional<std::string> start = IcsDate(day.jdn);
        if (!start)
            return std::nullopt;
        lines += IcsLine("DTSTART;VALUE=DATE:" + *start);
        // An event of 31 December 9999 ends with its day: without DTEND an all-day event lasts one.
        if (const std::optional<std::string> end = day.jdn < INT32_MAX ? IcsDate(day.jdn + 1) : std::nullopt)
            lines += IcsLine("DTEND;VALUE=DATE:" + *end);
    }
    return lines + IcsLine("SUMMARY:" + IcsEscaped(mark.name)) +
           IcsLine("DESCRIPTION:" + IcsEscaped(Description(sheet, page, day, mark))) +
           IcsLine("TRANSP:TRANSPARENT") + IcsLine("END:VEVENT");
}

}  // namespace

std::optional<std::string> CalIcs(const CalSheet &sheet, const std::string &version, int64_t utcSeconds)
{
    const std::string stamp = IcsStamp(utcSeconds);
    std::string events;
    for (size_t m = 0; m < sheet.months.size() && m < sheet.marks.size(); ++m) {
        const MonthPage &page = sheet.months[m];
        for (size_t i = 0; i < page.days.size(); ++i) {
            // Every day, marked or not, must be one iCalendar can hold: a page is written whole.
            if (!IcsDate(page.days[i].jdn))
                return std::nullopt;
            if (i >= sheet.marks[m].size())
                continue;
            for (const DayMark &mark : sheet.marks[m][i]) {
                const std::optional<std::string> event = Event(sheet, page, page.days[i], mark, stamp);
                if (!event)
                    return std::nullopt;
                events += *event;
            }
        }
    }
    return IcsLine("BEGIN:VCALENDAR") + IcsLine("VERSION:2.0") +
           IcsLine("PRODID:-//Vardex//vardex-cli " + version + "//EN") + IcsLine("CALSCALE:GREGORIAN") +
           events + IcsLine("END:VCALENDAR");
}

}  // namespace vardex::cli
